#pragma once

#include "therma_global.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

// The photo header, the parameter record and the video side file's start:
// the camera's stored measurement format. The builders are pure: they take
// plain values and give the bytes; every encoding clamps to its field
// before the cast. The application, the readers and the simulated encoder
// service all write and read it through here.
class THERMA_EXPORT RecordFormat
{
public:
    // Temperatures in degC. T10: (T + 100) x 10 in single precision, T10r:
    // the tenth rounded half up in double precision.
    static uint16_t encodeT10(float celsius);
    static uint16_t encodeT10r(double celsius);
    static uint8_t encodeEmissivity(double e);
    static uint16_t encodeOffset(double offset);
    // 256 / MIX_Zoom x 100; a zoom of 0 or less reads as the default 232.
    static uint16_t encodeMixZoom(int mixZoom);
    static uint16_t clampU16(double v);
    static uint8_t clampU8(double v);

    struct FileParaValues
    {
        QByteArray deviceType = "OS-320";
        QByteArray productor = "VYX";
        QByteArray produceDate = "2012-12-25";
        QByteArray serialNo = "2012010001";
        QByteArray version = "VYX.20181214.2.0.04";
        int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
        int tempUnit = 0;
        int mixZoom = 232;
        int mixDx = 0;
        int mixDy = 0;
    };
    // The 160-byte header with entry count 0 and picture mode 0.
    static QByteArray buildFilePara(const FileParaValues &v);

    struct Reading
    {
        QByteArray status;
        uint16_t ad = 0;
        double temp = 0;
    };
    struct ToolSettings
    {
        double emiss = 0.95;
        double distance = 5;
        double offset = 0;
        int paraMode = 0;
    };
    struct Spot
    {
        bool exists = false, shown = false;
        int x = 0, y = 0, mode = 0;
        Reading reading;
        ToolSettings settings;
    };
    struct Area
    {
        bool exists = false, shown = false;
        int x = 0, y = 0, width = 0, height = 0;
        int maxX = 0, maxY = 0, minX = 0, minY = 0;
        int maxOn = 0, minOn = 0, avgOn = 0;
        Reading max, min, avg;
        ToolSettings settings;
    };
    struct Line
    {
        bool exists = false, shown = false;
        int x = 0, y = 0;
        Reading reading;
        ToolSettings settings;
    };
    struct ImageParaValues
    {
        double systemEmiss = 0.95;
        double systemDistance = 1;
        float systemOffset = 0;
        float env = 25.0f;
        float humid = 0.6f;
        int modify = 100;
        float reflec = 25.0f;
        double level = 0, span = 0, maxTemp = 0, minTemp = 0;
        int lensIndex = 0;
        int tempRange = 0;
        int isoColor = 0, isoMode = 0;
        float isoLevel = 25.0f, isoWidth = 5.0f;
        int alarmSwitch = 0;
        float alarmTemp = 25.0f;
        int alarmMode = 0, alarmTarget = 0;
        int paletteIndex = 0;
        int boardLevel = 0, boardSpan = 0;
        float shutterTemp = 0, sensorTemp = 0, lenTemp = 0;
        float modifyValue = 0;
        float shutterDeltaAD = 0;
        int second = 0;
        Spot spots[3];
        Area areas[3];
        Line lines[2];
        int tablePoints = 0;
        uint16_t tableAD[60] = {};
        int16_t tableTemp[60] = {};
    };
    // The 1,792-byte parameter record.
    static QByteArray buildImagePara(const ImageParaValues &v);

    // One 16-byte directory entry.
    static QByteArray sectionEntry(uint32_t type, uint32_t offset, uint32_t length);
    // The side file's first 416 bytes: header with the picture mode + 1
    // (imageMode is the live view's Image_Mode_t), entry 0, zeros.
    static QByteArray videoSideFileStart(const QByteArray &header, int imageMode);


protected:
    RecordFormat() = default;
};
