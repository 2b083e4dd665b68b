#include "epcsprogrammer.h"

#include "epcsregisters.h"
#include "intervals.h"
#include "paths.h"
#include "registerdevice.h"
#include "tablefilelimit.h"

#include <QFile>
#include <QThread>

#include <array>
#include <cstdio>
#include <limits>

namespace {
using namespace EpcsRegisters;
constexpr int ProgressEveryPages = 21;

// Bit k of a file byte becomes bit 7 - k of the flash byte.
const std::array<uint8_t, 256> &reversalTable()
{
    static const std::array<uint8_t, 256> table = [] {
        std::array<uint8_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            uint8_t r = 0;
            for (int k = 0; k < 8; ++k)
                r |= uint8_t(((b >> k) & 1) << (7 - k));
            t[size_t(b)] = r;
        }
        return t;
    }();
    return table;
}
} // namespace

EpcsProgrammer::EpcsProgrammer(std::shared_ptr<RegisterDevice> device, QObject *parent)
    : QObject(parent)
    , m_device(std::move(device))
    , m_sleep(defaultSleeper())
{
}

EpcsProgrammer::Sleeper EpcsProgrammer::defaultSleeper()
{
    return [](int ms) { QThread::msleep(static_cast<unsigned long>(Intervals::ms(ms))); };
}

uint8_t EpcsProgrammer::reverseBits(uint8_t byte)
{
    return reversalTable()[byte];
}

QString EpcsProgrammer::describe(Result result)
{
    switch (result) {
    case Done: return QString();
    case ImageMissing: return QStringLiteral("update.pof is missing");
    case ImageUnreadable: return QStringLiteral("update.pof cannot be read");
    case ImageEmpty: return QStringLiteral("update.pof is empty");
    case ImageTooShort: return QStringLiteral("update.pof is too short for the flash");
    case ImageBlank: return QStringLiteral("update.pof holds no configuration data");
    case WrongId: return QStringLiteral("canot recognize silicon ID for device");
    case EraseTimeout: return QStringLiteral("the erase did not finish");
    case DeviceFailed: return QStringLiteral("the device did not take a write");
    case PageTimeout: return QStringLiteral("a page did not finish");
    case Stopped: return QStringLiteral("stopped");
    }
    return QString();
}

EpcsProgrammer::Result EpcsProgrammer::loadImage(const QString &systemPath, QByteArray *data)
{
    QFile file(Paths::resolve(systemPath));
    if (!file.exists())
        return ImageMissing;
    // Only its first bytes are read, so no size cap; but a pipe in its
    // place would block the open for ever.
    if (TableFileLimit::check(file.fileName(), std::numeric_limits<qint64>::max()) != TableFileLimit::Readable)
        return ImageUnreadable;
    if (!file.open(QIODevice::ReadOnly))
        return ImageUnreadable;
    const qint64 size = file.size();
    if (size == 0)
        return ImageEmpty;
    if (size < qint64(ImageOffset) + DataBytes)
        return ImageTooShort;
    if (!file.seek(ImageOffset))
        return ImageUnreadable;
    // One buffered read of the whole region.
    *data = file.read(DataBytes);
    if (data->size() != DataBytes)
        return ImageUnreadable;
    const char first = data->at(0);
    if ((first == 0x00 || first == char(0xFF)) && data->count(first) == DataBytes)
        return ImageBlank;
    return Done;
}

void EpcsProgrammer::sleep(int ms)
{
    if (m_sleep)
        m_sleep(ms);
}

bool EpcsProgrammer::writeRegister(uint32_t offset, uint8_t value)
{
    return m_device && m_device->writeAt(offset, &value, 1) == 1;
}

// A command is a 0 and then its code, each followed by a short pause.
bool EpcsProgrammer::command(uint8_t code, int waitMs)
{
    if (!writeRegister(Command, 0))
        return false;
    sleep(1);
    if (!writeRegister(Command, code))
        return false;
    sleep(waitMs);
    return true;
}

bool EpcsProgrammer::readStatus(uint8_t *status)
{
    if (!command(ReadStatus, 1))
        return false;
    return m_device->readAt(Status, status, 1) == 1;
}

EpcsProgrammer::Result EpcsProgrammer::checkChipID(uint8_t *id)
{
    *id = 0;
    if (!m_device || !m_device->isOpen() || m_device->readAt(SiliconId, id, 1) != 1)
        *id = 0;
    return *id == ExpectedId ? Done : WrongId;
}

EpcsProgrammer::Result EpcsProgrammer::erase()
{
    std::puts("write enable");
    if (!command(WriteEnable, 1))
        return DeviceFailed;
    std::puts("start erase...");
    if (!command(Erase, 0))
        return DeviceFailed;
    for (int poll = 0; poll < MaxErasePolls; ++poll) {
        if (m_stop)
            return Stopped;
        sleep(1000);
        uint8_t status = 0;
        if (!readStatus(&status))
            return DeviceFailed;
        if (!(status & 0x01)) {
            std::puts("erase success");
            return Done;
        }
    }
    return EraseTimeout;
}

EpcsProgrammer::Result EpcsProgrammer::programPage(int page, const char *data)
{
    const uint8_t address[3] = {0x00, uint8_t(page & 0xFF), uint8_t(page >> 8)};
    if (m_device->writeAt(PageAddress, address, 3) != 3)
        return DeviceFailed;
    const std::array<uint8_t, 256> &reverse = reversalTable();
    for (int i = 0; i < PageBytes; ++i) {
        if (!writeRegister(PageBuffer + uint32_t(i), reverse[uint8_t(data[i])]))
            return DeviceFailed;
    }
    if (!command(WriteEnable, 1) || !command(ProgramPage, 5))
        return DeviceFailed;
    // The fixed 5 ms is what the page needs; the status says when it is done.
    for (int poll = 0; poll < MaxPagePolls; ++poll) {
        uint8_t status = 0;
        if (!readStatus(&status))
            return DeviceFailed;
        if (!(status & 0x01))
            return Done;
    }
    return PageTimeout;
}

EpcsProgrammer::Result EpcsProgrammer::program(const QByteArray &data)
{
    std::puts("start write data");
    int value = 0;
    for (int page = 0; page < Pages; ++page) {
        if (m_stop)
            return Stopped;
        if (page % 256 == 0)
            std::printf("wrting page:%08xh...\n", page);
        const Result result = programPage(page, data.constData() + page * PageBytes);
        if (result != Done)
            return result;
        if (page % ProgressEveryPages == 0)
            Q_EMIT progress(++value);
    }
    Q_EMIT progress(100);
    return Done;
}

EpcsProgrammer::Result EpcsProgrammer::run(const QString &imagePath)
{
    m_stop = false;
    QByteArray data;
    Result result = loadImage(imagePath, &data);
    if (result == Done) {
        uint8_t id = 0;
        result = checkChipID(&id);
        if (result == Done)
            Q_EMIT message(QStringLiteral("Device silicon ID is 0x14"), true);
    }
    if (result != Done) {
        Q_EMIT message(describe(result), false);
        Q_EMIT finished(result);
        return result;
    }
    Q_EMIT message(QStringLiteral("\nErasing ASP Configuration device"), true);
    result = erase();
    if (result == Done) {
        Q_EMIT message(QStringLiteral("\nProgramming device"), true);
        result = program(data);
    }
    if (result == Done) {
        Q_EMIT message(QStringLiteral("\nSuccessfully Performed operation\nEnd Programmer operation\npress exit for reboot"),
                       true);
    } else {
        Q_EMIT message(QStringLiteral("\n") + describe(result)
                           + QStringLiteral(":\nthe flash is only partly written.\n"
                                            "Program it again before power-off."),
                       false);
    }
    Q_EMIT finished(result);
    return result;
}
