#pragma once

#include "eanalysiswidget.h"
#include "fpgatypes.h"

#include <QPoint>

class ELineArrowItem;
class ELineGraphicsItem;
class QGraphicsScene;

// A line across the whole picture (1 a row, 2 a column) with a cursor
// whose point it measures. The board draws the line too: its position and
// on/off state go to the board's line registers, but only for the live
// view's lines; replay lines never touch the board's line display.
class ELineWidget : public EAnalysisWidget
{
    Q_OBJECT
public:
    enum { AxisBoth = 0, AxisAcross = 1, AxisAlong = 2 };

    ELineWidget(QGraphicsScene *scene, QWidget *parent, int id, bool noSettings);
    ~ELineWidget() override;

    void setHighlight(bool on) override;
    bool isHighlight() const override { return m_highlight; }
    bool isVisibled() const override { return m_visible; }
    void move(int x, int y, int axis) override;
    int getX() const override { return m_x; }
    int getY() const override { return m_y; }
    QString name() override;
    void blink(int times) override;
    void setVisible(bool visible) override;

    void readLinePara();
    QPoint getPosition() const { return QPoint(m_x, m_y); }
    void getDataFromFPGA();
    QString getTemp();
    void setTemp(const QString &text) { m_text = text; }
    IrTempStru getTempStru() const { return m_tempStru; }
    TempSetup *getTempSetup() { return &m_tempSetup; }
    void setMoved(bool moved) { m_moved = moved; }
    bool isMoved() const { return m_moved; }

    ELineGraphicsItem *lineItem() const { return m_lineItem; }
    ELineArrowItem *arrow() const { return m_arrow; }
    int id() const { return m_id; }

public Q_SLOTS:
    void updateTemp() { getDataFromFPGA(); }
    void slot_blink() { blinkStep(); }

protected:
    void showBlinkPhase(bool shown) override;

private:
    QGraphicsScene *m_scene;
    bool m_visible = false;
    bool m_highlight = false;
    bool m_moved = false;
    int m_x = 160;
    int m_y = 120;
    ELineGraphicsItem *m_lineItem = nullptr;
    ELineArrowItem *m_arrow = nullptr;
    int m_id;
    QString m_text = QStringLiteral("  ");
    IrTempStru m_tempStru{};
    _fpga_point m_point{0, 0};
    bool m_noSettings;
};
