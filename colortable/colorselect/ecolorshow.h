#pragma once

#include "custompaletterecord.h"

#include <QColor>
#include <QWidget>

#include <array>

class ECustomButton;
class EColorDialog;
class EColorTableRect;
class EDialogTitle;
class QFrame;
class QLabel;
class QPushButton;

// Editor of one custom palette: the strip with the lower temperature at its
// left end and the upper one at its right end, and three quarter markers
// below it that are dragged along the palette. Tapping an end or a marker
// opens the colour chooser for that anchor. Done writes the record (and
// only then reports signal_okClicked); Cancel and Escape drop the edits.
// The lower temperature stays at least 1 degree below the upper one.
class EColorShow : public QWidget
{
    Q_OBJECT
public:
    enum { StripLeft = 32, MarkerY = 120, TickY = 112, LockY = 80, DragLabelY = 67 };

    explicit EColorShow(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setCurrentIndex(int slot);
    int currentIndex() const { return m_current; }
    void setTitle(const QString &name);
    // The working table, rebuilt from the slot's record; the next read,
    // show or edit overwrites it.
    const _rgb_item *getColorTable(int slot);
    void getMinMaxTemp(float *min, float *max) const;
    void readColorTable(int slot);

    const CustomPaletteRecord &record() const { return m_record; }
    const RgbTable &table() const { return m_table; }
    EDialogTitle *title() const { return m_title; }
    EColorTableRect *strip() const { return m_strip; }
    QPushButton *minButton() const { return m_minButton; }
    QPushButton *maxButton() const { return m_maxButton; }
    ECustomButton *marker(int quarter) const { return m_markers[quarter]; }
    QFrame *tick(int quarter) const { return m_ticks[quarter]; }
    QLabel *lock(int quarter) const { return m_locks[quarter]; }
    QLabel *dragLabel(int quarter) const { return m_dragLabels[quarter]; }
    EColorDialog *chooser() const { return m_dialog; }
    bool moved() const { return m_moved; }

Q_SIGNALS:
    void signal_okClicked();

public Q_SLOTS:
    void change(int slot);
    void slot_cancelClicked();
    void slot_okClicked();
    void slot_pressButton(const QString &name, int x);
    void slot_releaseButton(const QString &name, int x);
    void slot_moveButton(const QString &name, int x);
    void slot_clickedMinItem();
    void slot_clickedMaxItem();
    void slot_clickedOneQuarterItem();
    void slot_clickedTwoQuarterItem();
    void slot_clickedThreeQuarterItem();
    void selectColor(const QColor &color, const QString &object, bool on);
    void selectColor(const QColor &color, const QString &object, float t);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    int quarterOf(const QString &name) const;
    void clickedQuarter(int quarter);
    void showRecord();
    void placeMarker(int quarter);
    void fitText(QPushButton *button, const QString &text, int extra);
    void relabelQuarters();
    int dragLabelX(int t, int width) const;
    void rebuild();

    CustomPaletteRecord m_record;
    RgbTable m_table;
    EColorTableRect *m_strip;
    int m_current = -1;
    EDialogTitle *m_title;
    QPushButton *m_minButton;
    QPushButton *m_maxButton;
    std::array<ECustomButton *, CustomPaletteRecord::QuarterCount> m_markers;
    std::array<QFrame *, CustomPaletteRecord::QuarterCount> m_ticks;
    EColorDialog *m_dialog;
    bool m_moved = false;
    std::array<QLabel *, CustomPaletteRecord::QuarterCount> m_locks;
    std::array<QLabel *, CustomPaletteRecord::QuarterCount> m_dragLabels;
};
