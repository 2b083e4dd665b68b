#pragma once

#include "custompaletterecord.h"
#include "palettelistframe.h"

#include <QList>
#include <QString>
#include <QWidget>

class EColorTableRect;
class EDialogTitle;
class EFlickCharmText;
class ESetupFlickCharm;
class QGraphicsScene;
class QGraphicsView;
class QLabel;

// "Standard Palette": the nine built-in palettes in a kinetic list with a
// scroll indicator and a preview strip of the board's own colours. Done
// hands the choice to the board first; only a palette the board took
// reaches the live view, the palette page and the settings. Cancel and
// Escape close without sending or storing anything.
class EStandardPalette : public QWidget
{
    Q_OBJECT
public:
    explicit EStandardPalette(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~EStandardPalette() override;

    void setChoose(bool chosen);
    void readList();
    int currentIndex() const { return m_current; }
    QGraphicsView *listView() const { return m_frame.view; }
    EDialogTitle *title() const { return m_frame.title; }
    EColorTableRect *strip() const { return m_frame.strip; }
    QLabel *slider() const { return m_frame.slider; }
    ESetupFlickCharm *flickCharm() const { return m_charm; }
    const QList<EFlickCharmText *> &rows() const { return m_rows; }
    const RgbTable &previewTable() const { return m_table; }
    // The indicator's travel per unit of scroll value.
    static float sliderFactor();

public Q_SLOTS:
    void change(int index);
    void slot_cancelClicked();
    void slot_okClicked();
    void valueChangedHandler(int value);
    void clickedReleasedHandler(const QString &text, int index);
    void clickedPressedHandler(const QString &text, int index);
    void clickedMovedHandler(const QString &text, int index);
    void sliderHideHandler();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void updateSlider();
    void moveSlider(int value);
    bool isRow(const QString &text, int index) const;
    EFlickCharmText *row(int index) const;
    void storeChoice(int index);

    ESetupFlickCharm *m_charm;
    PaletteListFrame m_frame;
    RgbTable m_table;
    QList<QString> m_names;
    int m_current = -1;
    bool m_chosen = false;
    QList<EFlickCharmText *> m_rows;
};
