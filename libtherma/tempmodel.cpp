#include "tempmodel.h"

#include "calibrationfile.h"
#include "driftcorrection.h"
#include "librarysettings.h"
#include "paths.h"
#include "tempboard.h"

#include <QDateTime>
#include <QFileInfo>

#include <cstring>

TempModel::TempModel(TempBoard *board)
    : m_board(board)
    , m_systemHandler(&m_irPara, [this] { return getDeltaTemp(); })
    , m_objectHandler(&m_irPara, [this] { return getDeltaTemp(); })
    , m_table(CalibrationFile::emptyTable())
{
    m_systemSetup = m_systemHandler.getTempSetup();
}

float TempModel::boardShutterTemp() const
{
    return m_board ? m_board->readShutterTemp() : 0.0f;
}

float TempModel::boardSensorTemp() const
{
    return m_board ? m_board->readSensorTemp() : 0.0f;
}

void TempModel::reportingLimits(int range, int *min, int *max)
{
    *min = range == 0 ? -20 : 0;
    *max = range == 0 ? 150 : 400;
}

void TempModel::start()
{
    setSensorTemp(boardSensorTemp(), true);
    m_frozen = m_board && m_board->readFreezeStatus();
    m_range = LibrarySettings::tempRange();
    m_lensIndex = m_board ? m_board->readLenIndex() : 0;
    setSystemAdToTempTab(m_lensIndex, m_range);
    updateShutterTemp(true);
    setSystemTempPara();
    int min = 0;
    int max = 0;
    reportingLimits(m_range, &min, &max);
    setTempRangeMinMax(min, max);
}

int TempModel::setSystemAdToTempTab(int lens, int range)
{
    m_modify.updateModify(lens, range);
    std::memset(&m_table, 0, sizeof m_table);
    bool isDefault = false;
    m_tableFile = CalibrationFile::choose(lens, range, &isDefault);
    m_tableSound = CalibrationFile::readTable(m_tableFile, &m_table);
    m_irPara.setADToTempTab(m_table);
    if (m_tableSound) {
        qDebug("[%s, %d] Set all AD table successed", __FILE__, __LINE__);
        m_faultStamp.clear();
    } else {
        reportTableFault();
    }
    updateLevelSpanBounds(range);
    if (!m_tableSound)
        return TableInvalid;
    return isDefault ? TableFromDefault : TableFromFile;
}

QString TempModel::fileStamp(const QString &path)
{
    const QFileInfo info(Paths::resolve(path));
    if (!info.exists())
        return path + QStringLiteral(" missing");
    return QStringLiteral("%1 %2 %3").arg(path).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

void TempModel::reportTableFault()
{
    // The table is reloaded on every shutter tick: a file that stays as it
    // was has been told about already.
    const QString stamp = fileStamp(m_tableFile);
    if (stamp == m_faultStamp)
        return;
    m_faultStamp = stamp;
    ++m_tableFaultReports;
    qWarning("[%s, %d] %s holds no usable table", __FILE__, __LINE__, qPrintable(m_tableFile));
}

int TempModel::setSystemAdToTempTab()
{
    m_range = LibrarySettings::tempRange();
    return setSystemAdToTempTab(m_lensIndex, m_range);
}

bool TempModel::readTable(const char *path, TempInfoTab *table)
{
    return path && CalibrationFile::readTable(QString::fromLocal8Bit(path), table);
}

int TempModel::get_set_lenIndex()
{
    if (!m_board)
        return m_lensIndex;
    const int lens = m_board->readLenIndex();
    if (lens != m_lensIndex) {
        m_lensIndex = lens;
        setSystemAdToTempTab(m_lensIndex, m_range);
    }
    return lens;
}

int TempModel::setTempRange(int range)
{
    m_range = range;
    static const int codes[] = {0x11, 0x22, 0x33};
    if (m_board && range >= 0 && range <= 2)
        m_board->setSerialTempRange(codes[range]);
    return setSystemAdToTempTab(m_lensIndex, range);
}

int TempModel::checkBiaoDingTab() const
{
    const int n = m_table.num > TEMP_TAB_POINTS ? TEMP_TAB_POINTS : m_table.num;
    if (!m_tableSound || n == 0)
        return -1;
    for (int i = 1; i < n; ++i) {
        if (m_table.ad[i] <= m_table.ad[i - 1])
            return -1;
    }
    if (!m_modify.isSound())
        return -2;
    return 0;
}

void TempModel::updateShutterTemp(bool)
{
    const float shutter = boardShutterTemp();
    const float sensor = boardSensorTemp();
    m_drift.setShutterTemp(shutter);
    const float internal = (shutter + sensor) * 0.5f;

    // Reloaded every time, so moves never pile up.
    setSystemAdToTempTab(m_lensIndex, m_range);
    DriftCorrection::moveTable(m_table, m_range, internal);
    m_irPara.setADToTempTab(m_table);

    const float factor = m_modify.factorAt(internal);
    m_modifyValue = factor;
    m_correctedShutterTemp = factor * internal;
    if (m_frozen)
        return;
    m_irPara.setShutterTemp(m_correctedShutterTemp);
    updateLevelSpanBounds();
}

unsigned short TempModel::BiaoDingXiuzheng(float, float, float meanTemp, int T, unsigned short AD) const
{
    return DriftCorrection::BiaoDingXiuzheng(m_range, meanTemp, T, AD);
}

unsigned short TempModel::BiaoDingXiuzhengGet(float, float, float meanTemp, int T, unsigned short AD) const
{
    return DriftCorrection::BiaoDingXiuzhengGet(m_range, meanTemp, T, AD);
}

void TempModel::startBiaoDing(bool on)
{
    m_systemHandler.setCalibrationMode(on);
    m_objectHandler.setCalibrationMode(on);
}

void TempModel::updateSensorTemp(bool flag)
{
    setSensorTemp(boardSensorTemp(), flag);
}

float TempModel::updateDeltaTemp()
{
    return m_drift.updateDeltaTemp(boardSensorTemp());
}

float TempModel::getDeltaTemp()
{
    return m_drift.getDeltaTemp(m_board && m_board->readFreezeStatus());
}

void TempModel::setLenTemp(float t)
{
    m_drift.setLenTemp(t);
    m_irPara.setLenTemp(t);
}

void TempModel::freezeChanged(bool frozen)
{
    m_frozen = frozen;
    if (!frozen)
        m_irPara.setShutterTemp(m_correctedShutterTemp);
}

int TempModel::setSystemTempSetup(const TempSetup &setup)
{
    // Only an accepted setup is kept, so the stored copy and the handler
    // never disagree and no reading uses rejected parameters.
    if (!m_systemHandler.setTempSetup(setup)) {
        qWarning("global parameters rejected (emissivity %f, distance %f, offset %f)",
                 double(setup.emiss), double(setup.dist), double(setup.offset));
        return 0;
    }
    m_systemSetup = setup;
    updateLevelSpanBounds();
    return 1;
}

void TempModel::setHumid(float v)
{
    m_systemHandler.setHumid(v);
    m_objectHandler.setHumid(v);
    updateLevelSpanBounds();
}

void TempModel::setEnvTemp(float v)
{
    m_systemHandler.setEnvTemp(v);
    m_objectHandler.setEnvTemp(v);
    updateLevelSpanBounds();
}

void TempModel::setReflecTemp(float v)
{
    m_systemHandler.setReflecTemp(v);
    m_objectHandler.setReflecTemp(v);
    updateLevelSpanBounds();
}

void TempModel::setTempRangeMinMax(int min, int max)
{
    m_systemHandler.setTempRangeMinMax(min, max);
    m_objectHandler.setTempRangeMinMax(min, max);
}

void TempModel::setSystemTempPara()
{
    const LibrarySettings::GlobalPara para = LibrarySettings::globalPara();
    setEnvTemp(para.env);
    setHumid(para.humid);
    setReflecTemp(para.reflec);
    readTempSetup();
}

void TempModel::readTempSetup()
{
    const LibrarySettings::GlobalPara para = LibrarySettings::globalPara();
    TempSetup setup = m_systemSetup;
    setup.emiss = para.emiss;
    setup.dist = para.dist;
    setup.offset = para.offset;
    setSystemTempSetup(setup);
}

void TempModel::updateLevelSpanBounds()
{
    updateLevelSpanBounds(m_range);
}

void TempModel::updateLevelSpanBounds(int range)
{
    int min = 0;
    int max = 0;
    reportingLimits(range, &min, &max);
    m_levelSpanMaxAD = m_systemHandler.irTemp2AD(float(max)).ad;
    m_levelSpanMinAD = m_systemHandler.irTemp2AD(float(min)).ad;
}
