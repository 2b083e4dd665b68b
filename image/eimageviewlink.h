#pragma once

#include "eimageviewhost.h"

#include <QObject>

class EColorRect;
class QTimer;

// Interim side of the seam the popup pages use, until the live view takes
// over its level/span services: automatic and histogram steps every
// 100 ms, manual limits applied to the board with the colour bar shown for
// 3 s, stored as "ImageAdjust", "Manual_MaxTemp" and "Manual_MinTemp". The
// picture mode, the inset corners and the range limits go to the live view
// when one is registered (it stores "ImageMode" and the corners), else
// straight to the board and the settings. The manual limits of
// a held arrow are written once the arrow rests (coalesced, flushed on
// destruction).
class EImageViewLink : public QObject, public EImageViewHost
{
    Q_OBJECT
public:
    explicit EImageViewLink(EColorRect *colorBar = nullptr, QObject *parent = nullptr);
    ~EImageViewLink() override;

    // Reads "ImageAdjust", the manual limits, "ImageMode" and the corners
    // and applies them.
    void init();
    void setTempRangeMinMax(int min, int max);
    // Writes manual limits still waiting.
    void flushSettings();
    QTimer *autoTimer() const { return m_autoTimer; }
    QTimer *handTimer() const { return m_handTimer; }
    Image_Mode_t imageMode() const { return m_imageMode; }

    Mode_t getLevelSpanMode() const override { return m_mode; }
    void setLevelSpanMode(Mode_t mode) override;
    float getMinTemp() const override { return m_minTemp; }
    float getMaxTemp() const override { return m_maxTemp; }
    int tempRangeMin() const override;
    int tempRangeMax() const override;
    void setMinMaxTempValue(float min, float max) override;
    void setMinTempValue(float min) override { m_minTemp = min; }
    void setMaxTempValue(float max) override { m_maxTemp = max; }
    void slot_handLevelSpanTimer() override;
    void setImageMode(Image_Mode_t mode) override;
    int set_IR_Pipe_CCD_Position(Image_Position_t position) override;
    int set_CCD_Pipe_IR_Position(Image_Position_t position) override;

private:
    void autoStep(bool smooth);
    void storeInt(const QString &key, int value);
    // Mode 2 (visible inset) or mode 3 (infrared inset).
    int setCorner(bool visibleInset, Image_Position_t position);

    EColorRect *m_colorBar;
    Mode_t m_mode = MODE_AUTO;
    float m_minTemp = -20.0f;
    float m_maxTemp = 150.0f;
    int m_rangeMin = -20;
    int m_rangeMax = 150;
    Image_Mode_t m_imageMode = IR;
    QTimer *m_autoTimer;
    QTimer *m_handTimer;
    QTimer *m_writeTimer;
    bool m_manualPending = false;
};
