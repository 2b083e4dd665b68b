#pragma once

#include "../libtherma/frontfixture.h"
#include "../widgets/rowprobe.h"
#include "eadjustlevelitem.h"
#include "eglobal.h"
#include "eimageviewhost.h"

#include <QSettings>

#include <algorithm>

// A front over the simulated board (no core) registered in EGlobal, in a
// fresh root whose settings file the test writes first.
class ImageFixture
{
public:
    explicit ImageFixture(const QByteArray &settings = QByteArray())
    {
        if (!settings.isEmpty())
            front.settings(settings);
        fpga = &front.start();
        EGlobal::setFPGA(fpga);
        EGlobal::setSystemTempUnit(0);
    }
    ~ImageFixture()
    {
        EGlobal::setFPGA(nullptr);
        EGlobal::setSystemTempUnit(0);
    }

    SimBoard &board() { return *front.board; }
    static QVariant stored(const QString &key)
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        return settings.value(key);
    }

    FrontFixture front{false};
    FPGA *fpga = nullptr;
};

// The adjust window's four selectors in layout order: mode, Min, Both, Max.
inline QList<QPushButton *> selectors(EAdjustLevelItem *strip)
{
    QList<QPushButton *> all;
    for (QPushButton *b : strip->findChildren<QPushButton *>()) {
        if (b->objectName().isEmpty())
            all << b;
    }
    std::sort(all.begin(), all.end(), [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
    return all;
}

// The live view as the pages see it, recording what they ask of it.
class FakeViewHost : public EImageViewHost
{
public:
    FakeViewHost() { setInstance(this); }

    Mode_t getLevelSpanMode() const override { return mode; }
    void setLevelSpanMode(Mode_t m) override
    {
        mode = m;
        modeCalls << m;
    }
    float getMinTemp() const override { return minTemp; }
    float getMaxTemp() const override { return maxTemp; }
    int tempRangeMin() const override { return rangeMin; }
    int tempRangeMax() const override { return rangeMax; }
    void setMinMaxTempValue(float min, float max) override
    {
        minTemp = min;
        maxTemp = max;
        ++applied;
    }
    void setMinTempValue(float min) override
    {
        minTemp = min;
        ++labelsOnly;
    }
    void setMaxTempValue(float max) override
    {
        maxTemp = max;
        ++labelsOnly;
    }
    void slot_handLevelSpanTimer() override { ++displayEnded; }
    void setImageMode(Image_Mode_t m) override { imageModes << m; }
    int set_IR_Pipe_CCD_Position(Image_Position_t p) override
    {
        irCorners << p;
        return 0;
    }
    int set_CCD_Pipe_IR_Position(Image_Position_t p) override
    {
        ccdCorners << p;
        return 0;
    }

    Mode_t mode = MODE_AUTO;
    QList<int> modeCalls;
    float minTemp = 20.0f;
    float maxTemp = 40.0f;
    int rangeMin = -20;
    int rangeMax = 150;
    int applied = 0;
    int labelsOnly = 0;
    int displayEnded = 0;
    QList<int> imageModes, irCorners, ccdCorners;
};
