#include "efilemanager.h"

#include "colortables.h"
#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "elinewidget.h"
#include "espotwidget.h"
#include "fpga.h"
#include "irpara.h"
#include "photolayout.h"
#include "storedsettings.h"
#include "systemclock.h"

#include <QSettings>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace PhotoLayout;

EFileManager::FileParaValues EFileManager::currentFileParaValues()
{
    FileParaValues v;
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    v.tempUnit = settings.value(QStringLiteral("TempUnit"), 0).toInt();
    settings.beginGroup(QStringLiteral("ProductInfo"));
    v.deviceType = settings.value(QStringLiteral("DeviceType"), QStringLiteral("OS-320")).toString().toLatin1();
    v.productor = settings.value(QStringLiteral("DeviceProductor"), QStringLiteral("VYX")).toString().toLatin1();
    v.produceDate = settings.value(QStringLiteral("ProduceDate"), QStringLiteral("2012-12-25")).toString().toLatin1();
    v.serialNo = settings.value(QStringLiteral("SerialNo"), QStringLiteral("2012010001")).toString().toLatin1();
    settings.endGroup();
    StoredSettings mix(QStringLiteral("etc/MixOffset"), QSettings::NativeFormat);
    v.mixZoom = mix.value(QStringLiteral("MIX_Zoom"), 232).toInt();
    v.mixDx = mix.value(QStringLiteral("MIX_Dx"), 0).toInt();
    v.mixDy = mix.value(QStringLiteral("MIX_Dy"), 0).toInt();
    const QDateTime now = SystemClock::instance()->now();
    v.year = now.date().year();
    v.month = now.date().month();
    v.day = now.date().day();
    v.hour = now.time().hour();
    v.minute = now.time().minute();
    v.second = now.time().second();
    return v;
}

namespace {

EFileManager::Reading reading(const IrTempStru &t)
{
    EFileManager::Reading r;
    r.status = QByteArray(t.status, int(strnlen(t.status, sizeof t.status)));
    r.ad = t.ad;
    r.temp = double(t.temp);
    return r;
}

EFileManager::ToolSettings toolSettings(QSettings &settings, const QString &group)
{
    EFileManager::ToolSettings s;
    settings.beginGroup(group);
    s.emiss = settings.value(QStringLiteral("Emiss"), 0.95).toDouble();
    s.distance = settings.value(QStringLiteral("Distan"), 5).toDouble();
    s.offset = settings.value(QStringLiteral("Offset"), 0.0).toDouble();
    s.paraMode = settings.value(QStringLiteral("ParaMode"), 0).toInt();
    settings.endGroup();
    return s;
}

} // namespace

EFileManager::ImageParaValues EFileManager::currentImageParaValues()
{
    ImageParaValues v;
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("GlobalPara"));
    v.humid = settings.value(QStringLiteral("Humid"), 0.6).toFloat();
    v.env = settings.value(QStringLiteral("Env"), 25.0).toFloat();
    v.modify = settings.value(QStringLiteral("Modify"), 100).toInt();
    v.reflec = settings.value(QStringLiteral("Reflec"), 25.0).toFloat();
    settings.endGroup();
    v.tempRange = settings.value(QStringLiteral("BiaoDing/TempRange"), 0).toInt();
    v.isoMode = settings.value(QStringLiteral("ISO/Mode"), 0).toInt();
    v.isoColor = settings.value(QStringLiteral("ISO/Color"), 0).toInt();
    v.isoLevel = settings.value(QStringLiteral("ISO/Level"), 25.0).toFloat();
    v.isoWidth = settings.value(QStringLiteral("ISO/Width"), 5.0).toFloat();
    v.alarmSwitch = settings.value(QStringLiteral("Alarm/Alarm_Switch"), 0).toInt();
    v.alarmTemp = settings.value(QStringLiteral("Alarm/Alarm_Temp"), 25.0).toFloat();
    v.alarmMode = settings.value(QStringLiteral("Alarm/Alarm_Mode"), 0).toInt();
    v.alarmTarget = settings.value(QStringLiteral("Alarm/Alarm_Target"), 0).toInt();

    if (FPGA *fpga = EGlobal::getFPGA()) {
        const TempSetup setup = fpga->getSystemTempSetup();
        v.systemEmiss = setup.emiss;
        v.systemDistance = setup.dist;
        v.systemOffset = setup.offset;
        v.lensIndex = fpga->getLenIndex();
        v.paletteIndex = fpga->getPaletteIndex();
        v.boardLevel = fpga->fpga_get_level();
        v.boardSpan = fpga->fpga_get_span();
        v.shutterTemp = fpga->getModifyShutterTemp();
        v.sensorTemp = fpga->getSensorTemp();
        v.lenTemp = fpga->getLenTemp();
        v.modifyValue = fpga->getModifyValue();
        v.shutterDeltaAD = fpga->getIRPara().readShutterDeltaAD();
        const TempInfoTab tab = fpga->getTempInfoTab();
        v.tablePoints = tab.num;
        for (int i = 0; i < 60; ++i) {
            v.tableAD[i] = tab.ad[i];
            v.tableTemp[i] = tab.temp[i];
        }
    }
    if (EGraphicsView *view = EGlobal::getGraphicsView()) {
        v.level = double(view->getLevelTemp());
        v.span = double(view->getSpanTemp());
        v.maxTemp = double(view->getMaxTemp());
        v.minTemp = double(view->getMinTemp());
        for (int n = 1; n <= 3; ++n) {
            ESpotWidget *spot = view->getSpotWidget(n);
            Spot &s = v.spots[n - 1];
            s.exists = spot != nullptr;
            if (!spot || !(s.shown = spot->isVisibled()))
                continue;
            s.x = spot->getX();
            s.y = spot->getY();
            s.mode = spot->mode();
            s.reading = reading(spot->getTempStru());
            s.settings = toolSettings(settings, QStringLiteral("Spot_%1").arg(n));
        }
        for (int n = 1; n <= 3; ++n) {
            EAreaWidget *area = view->getAreaWidget(n);
            Area &a = v.areas[n - 1];
            a.exists = area != nullptr;
            if (!area || !(a.shown = area->isVisibled()))
                continue;
            a.x = area->getX();
            a.y = area->getY();
            a.width = area->width();
            a.height = area->height();
            const Area_Temp t = area->getAreaTempStru();
            a.max = reading(t.max);
            a.min = reading(t.min);
            a.avg = reading(t.avg);
            a.maxX = area->getMaxPos().x();
            a.maxY = area->getMaxPos().y();
            a.minX = area->getMinPos().x();
            a.minY = area->getMinPos().y();
            a.maxOn = area->mode().max;
            a.minOn = area->mode().min;
            a.avgOn = area->mode().avg;
            a.settings = toolSettings(settings, QStringLiteral("Area_%1").arg(n));
        }
        for (int n = 1; n <= 2; ++n) {
            ELineWidget *line = view->getLineWidget(n);
            Line &l = v.lines[n - 1];
            l.exists = line != nullptr;
            if (!line || !(l.shown = line->isVisibled()))
                continue;
            l.x = line->getX();
            l.y = line->getY();
            l.reading = reading(line->getTempStru());
            l.settings = toolSettings(settings, QStringLiteral("Line_%1").arg(n));
        }
    }
    return v;
}

int EFileManager::addFilePara(void *buffer, int size)
{
    if (!buffer || size != HeaderSize)
        return -1;
    const FileParaValues v = currentFileParaValues();
    const QByteArray header = buildFilePara(v);
    std::memcpy(buffer, header.constData(), size_t(HeaderSize));
    if (FPGA *fpga = EGlobal::getFPGA()) {
        fpga->set_mix_dx(char(v.mixDx & 0xFF));
        fpga->set_mix_dy(char(v.mixDy & 0xFF));
    }
    return 0;
}

QByteArray EFileManager::currentFrame()
{
    QByteArray frame(FrameSize, '\0');
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->fpga_read_IRAD_384(reinterpret_cast<unsigned short *>(frame.data()));
    return frame;
}

namespace {

int fill(void *buffer, int size, int second, bool palette)
{
    if (!buffer || size < ParaSize)
        return -1;
    EFileManager::ImageParaValues v = EFileManager::currentImageParaValues();
    v.second = second;
    const QByteArray para = EFileManager::buildImagePara(v);
    auto *out = static_cast<char *>(buffer);
    std::memcpy(out, para.constData(), size_t(ParaSize));
    if (size >= IrBlockSize) {
        const QByteArray frame = EFileManager::currentFrame();
        std::memcpy(out + ParaSize, frame.constData(), size_t(FrameSize));
    }
    if (palette && size >= IrBlockSize + PaletteSize) {
        if (FPGA *fpga = EGlobal::getFPGA()) {
            if (const _yuv_item *colours = fpga->getCurrentPalette())
                std::memcpy(out + IrBlockSize, colours, std::min(size_t(PaletteSize), sizeof(_yuv_item) * COLOR_TABLE_YUV_ENTRIES));
        }
    }
    return 0;
}

} // namespace

int EFileManager::addIRData(void *buffer, int size)
{
    return fill(buffer, size, 0, true);
}

int EFileManager::video_addIRData(void *buffer, int size, int second)
{
    qDebug("%s %d video add ir data second:%d", __FILE__, __LINE__, second);
    return fill(buffer, size, second, false);
}
