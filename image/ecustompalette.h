#pragma once

#include "custompalettenames.h"
#include "custompaletterecord.h"
#include "palettelistframe.h"

#include <QList>
#include <QString>
#include <QWidget>

class EColorFlickCharm;
class EColorFlickCharmText;
class EColorShow;
class EColorTableRect;
class ECustomMenu;
class EDialogTitle;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QMessageBox;
class QTimer;
class UseKeyBoardDialog;

// "Custom Palette": the user's own palettes (2 to 10) in a kinetic list.
// A row carries its palette's slot; tapping it previews the palette, its
// settings cell opens the editor, a 1 s press opens Add / Remove / Rename.
// Remove (after a Yes) writes records, names and the active slot together
// at once; Done hands the palette to the board first and only then to the
// live view, the palette page and the settings, and in Manual sets the
// level/span to the palette's range inside the measurement range. Every
// write replaces the settings file atomically; a failed one changes
// nothing and shows a tip.
class ECustomPalette : public QWidget
{
    Q_OBJECT
public:
    enum { RowWidth = PaletteListFrame::RowWidth, RowHeight = PaletteListFrame::RowHeight, LongPressMs = 1000 };

    explicit ECustomPalette(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~ECustomPalette() override;

    void setChoose(bool chosen);
    bool chosen() const { return m_chosen; }
    void readList();

    // The slot whose palette is chosen, -1 when none.
    int currentIndex() const { return m_current; }
    EDialogTitle *title() const { return m_frame.title; }
    QGraphicsView *listView() const { return m_frame.view; }
    EColorTableRect *strip() const { return m_frame.strip; }
    QLabel *slider() const { return m_frame.slider; }
    EColorFlickCharm *flickCharm() const { return m_charm; }
    const QList<EColorFlickCharmText *> &rows() const { return m_rows; }
    EColorFlickCharmText *rowOfSlot(int slot) const;
    EColorShow *editor() const { return m_editor; }
    QTimer *longPressTimer() const { return m_timer; }
    const RgbTable &previewTable() const { return m_table; }
    float minTemp() const { return m_minTemp; }
    float maxTemp() const { return m_maxTemp; }
    static ECustomMenu *menu();
    static UseKeyBoardDialog *keyBoard();
    // The Yes/No question of Remove while it is open.
    QMessageBox *removeQuestion() const { return m_question; }
    // The manual level/span a palette of min..max takes in a measurement
    // range: inside the range, at least 1 degree wide.
    // Removes the palette of a slot without asking (Remove's Yes).
    void removePalette(int slot);
    static void manualSpan(float min, float max, int rangeMin, int rangeMax, float *lower, float *upper);

public Q_SLOTS:
    void change(int slot);
    void slot_cancelClicked();
    void slot_okClicked();
    void valueChangedHandler(int value);
    void clickedReleasedHandler(const QString &text, int index);
    void clickedPressedHandler(const QString &text, int index);
    void clickedMovedHandler(const QString &text, int index);
    void sliderHideHandler();
    void settingPressedHandler(const QString &text, int index);
    void settingReleasedHandler(const QString &text, int index);
    void slot_longPress();
    void slot_addHandler();
    void slot_removeHandler();
    void slot_renameHandler();
    void slot_keyboardExit(bool accepted);
    void slot_colorShowOkClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    bool isRow(const QString &text, int index) const;
    int positionOf(int slot) const;
    void layoutRows();
    void updateSlider();
    void moveSlider(int value);
    void closeMenu();
    QList<CustomPaletteNames::Entry> entries() const;
    static void showTip(const QString &text);

    EColorFlickCharm *m_charm;
    PaletteListFrame m_frame;
    int m_current = -1;
    QList<EColorFlickCharmText *> m_rows;
    EColorShow *m_editor;
    float m_minTemp = CustomPaletteRecord::DefaultMin;
    float m_maxTemp = CustomPaletteRecord::DefaultMax;
    QTimer *m_timer;
    bool m_pressed = false;
    // The row under the last press (-1: none), and the row the open menu
    // acts on.
    int m_pressedSlot = -1;
    int m_menuSlot = -1;
    int m_renameSlot = -1;
    RgbTable m_table;
    bool m_chosen = false;
    QMessageBox *m_question = nullptr;
};
