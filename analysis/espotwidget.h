#pragma once

#include "eanalysiswidget.h"
#include "escaledlayout.h"
#include "fpgatypes.h"

class EGraphicsTextItem;
class ESpotGraphicsItem;
class QGraphicsScene;

// A spot on the picture: measures one point (Manual), or follows the
// frame's hottest (Max) or coldest (Min) pixel, and drives the board's
// alarm output when the alarm is armed on it. The live view keeps spots
// 1-3 with settings; replay viewers make spots without settings.
class ESpotWidget : public EAnalysisWidget
{
    Q_OBJECT
public:
    enum { Manual = 0, Max = 1, Min = 2 };
    enum { AlarmAbove = 0, AlarmBelow = 1, AlarmEqual = 2 };

    ESpotWidget(QGraphicsScene *scene, QWidget *parent, int id, bool hideLabel, bool noSettings);
    ~ESpotWidget() override;

    void setHighlight(bool on) override;
    bool isHighlight() const override { return m_highlight; }
    bool isVisibled() const override { return m_visible; }
    void move(int x, int y, int axis = 0) override;
    int getX() const override { return m_x; }
    int getY() const override { return m_y; }
    QString name() override;
    void blink(int times) override;
    void setVisible(bool visible) override;

    void readSpotPara();
    // True when the settings hold a position for this spot: a Manual spot
    // then starts there instead of at its default place.
    bool hasStoredPosition() const { return m_hasStoredPosition; }
    void setMode(int mode);
    void setModeForDisplay(int mode);
    int mode() const { return m_mode; }
    void setScaledType(Scaled_Type_t type);
    Scaled_Type_t getScaledType() const { return m_scaledType; }
    int frameX() const { return m_frameX; }
    int frameY() const { return m_frameY; }

    void getDataFromFPGA();
    QString getTemp();
    void setTemp(const QString &text) { m_text = text; }
    IrTempStru getTempStru() const { return m_tempStru; }
    TempSetup *getTempSetup() { return &m_tempSetup; }

    void openAlarm(bool on, float tempC, int alarmMode);
    void alarmHandler(float tempC);
    void updateAlarmPara();
    bool isAlarmOn() const { return m_alarmOn; }

    void setMoved(bool moved) { m_moved = moved; }
    bool isMoved() const { return m_moved; }
    ESpotGraphicsItem *marker() const { return m_marker; }
    EGraphicsTextItem *label() const { return m_label; }
    int id() const { return m_id; }
    bool noSettings() const { return m_noSettings; }

    static QPoint defaultStoredPosition(int id);

public Q_SLOTS:
    void updateTemp() { getDataFromFPGA(); }
    void slot_blink() { blinkStep(); }

protected:
    void showBlinkPhase(bool shown) override;

private:
    QString group() const;
    // The overlay point held inside the current layout's bounds.
    QPoint heldInLayout(const QPoint &at) const;
    // The frame position of a Manual spot with settings, to be stored.
    void storePosition();
    void drawAt(int x, int y);
    void placeFromFrame();

    bool m_visible = false;
    bool m_highlight = false;
    bool m_moved = false;
    int m_x = 0;
    int m_y = 0;
    ESpotGraphicsItem *m_marker = nullptr;
    EGraphicsTextItem *m_label = nullptr;
    int m_mode = Manual;
    int m_id;
    QString m_text = QStringLiteral("  ");
    IrTempStru m_tempStru{};
    _fpga_point m_point{0, 0};
    bool m_hideLabel;
    bool m_alarmOn = false;
    float m_alarmTemp = 0.0f;
    QString m_alarmText;
    int m_alarmMode = -1;
    bool m_alarmSuspended = false;
    Scaled_Type_t m_scaledType = EScaledLayout::FullScreen;
    int m_frameX = 0;
    int m_frameY = 0;
    bool m_noSettings;
    bool m_hasStoredPosition = false;
};
