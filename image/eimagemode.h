#pragma once

#include "fpgatypes.h"

#include <QWidget>

class EAdjustLevelItem;
class EImageViewHost;
class EModeItem;
class ERemindItem;
class QFrame;
class QTimer;

// Level/span page of the image popup: steps the live view between Auto,
// Histogram and Manual and, in Manual, moves the manual limits through the
// adjust window (a parentless strip along the bottom of the screen) by 0.1
// per tap and faster while an arrow is held. Limits are kept in the display
// unit, at least 1 degree C apart and inside the live view's range; every
// change goes to the live view, never to the board.
class EImageMode : public QWidget
{
    Q_OBJECT
public:
    explicit EImageMode(QWidget *parent = nullptr);
    ~EImageMode() override;

    EAdjustLevelItem *adjustWindow() const { return m_adjustWindow; }
    void hideAdjustWindow();
    bool adjustWindowIsVisible() const;
    void setTempRangeMinMax(int min, int max);
    void changeTempUnit();
    void setMinMaxTemp(float min, float max);
    void readConfigPara();

    void maxUpHandler(int n);
    void maxDownHandler(int n);
    void minUpHandler(int n);
    void minDownHandler(int n);
    void bothUpHandler(int n);
    void bothDownHandler(int n);
    void autoUpHandler(int n);
    void autoDownHandler(int n);

    Mode_t mode() const { return m_mode; }
    // Display unit.
    float manualMin() const { return m_min; }
    float manualMax() const { return m_max; }
    int rangeMin() const { return m_rangeMin; }
    int rangeMax() const { return m_rangeMax; }
    int tickCount() const { return m_tickCount; }
    QTimer *upTimer() const { return m_upTimer; }
    QTimer *downTimer() const { return m_downTimer; }
    EModeItem *modeItem() const { return m_modeItem; }
    ERemindItem *adjustItem() const { return m_adjustItem; }
    QFrame *separator() const { return m_separator; }

    // Step in tenths of a display unit for the n-th tick of a held arrow.
    static int tierStep(int tick);

public Q_SLOTS:
    void modeChange(const QString &text);
    void setModeNum(int mode);
    void modeHandler();
    void slot_upPress();
    void slot_upRelease();
    void slot_downPress();
    void slot_downRelease();
    void slot_min_upPress();
    void slot_min_upRelease();
    void slot_min_downPress();
    void slot_min_downRelease();
    void slot_both_downPress();
    void slot_both_downRelease();
    void slot_auto_downPress();
    void slot_auto_downRelease();
    void slot_max_upPress();
    void slot_max_upRelease();
    void slot_max_downPress();
    void slot_max_downRelease();
    void slot_both_upPress();
    void slot_both_upRelease();
    void slot_auto_upPress();
    void slot_auto_upRelease();
    void mouseLongPressUp();
    void mouseLongPressDown();
    void showAdjustWindow();
    void slot_changeToManual();

private:
    enum ArrowEvent { UpPress, UpRelease, DownPress, DownRelease };
    using Handler = void (EImageMode::*)(int);
    void dispatch(ArrowEvent event);
    void longPressTick(Handler max, Handler min, Handler both);
    EImageViewHost *host() const;
    void copyRange();
    void showManualRows(bool shown);
    void startTimer(QTimer *timer);
    void release(QTimer *timer, Handler handler);
    void apply();
    QString caption() const;

    EModeItem *m_modeItem;
    Mode_t m_mode = MODE_AUTO;
    QFrame *m_separator;
    float m_min = -20.0f;
    float m_max = 150.0f;
    int m_rangeMax = 150;
    int m_rangeMin = -20;
    QTimer *m_upTimer;
    QTimer *m_downTimer;
    bool m_longPress = false;
    int m_tickCount = 0;
    EAdjustLevelItem *m_adjustWindow = nullptr;
    ERemindItem *m_adjustItem;
};
