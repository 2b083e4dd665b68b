#pragma once

#include "fpga.h"
#include "isohandler.h"
#include "simboard.h"
#include "simroot.h"

#include "paths.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <atomic>
#include <memory>

// Shared by the benchmarks that run the front on the simulated board.

// The simulated board behind a counter of register accesses.
class CountingBoard : public RegisterDevice
{
public:
    explicit CountingBoard(std::shared_ptr<SimBoard> board)
        : m_board(std::move(board))
    {
    }
    bool isOpen() const override { return m_board->isOpen(); }
    int readAt(uint32_t offset, void *buffer, int length) override
    {
        ++accesses;
        bytes += length;
        return m_board->readAt(offset, buffer, length);
    }
    int writeAt(uint32_t offset, const void *buffer, int length) override
    {
        ++accesses;
        bytes += length;
        return m_board->writeAt(offset, buffer, length);
    }

    std::atomic<long> accesses{0};
    std::atomic<long> bytes{0};

private:
    std::shared_ptr<SimBoard> m_board;
};

// A simulator root with the default tables, and a front over the counted
// simulated board (no core on the serial line: the tick never uses it).
struct Bench
{
    Bench()
        : board(std::make_shared<SimBoard>())
        , counted(std::make_shared<CountingBoard>(board))
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
        Paths::setRoot(dir.path());
        QDir::setCurrent(dir.path());
        SimRoot::prepare(dir.path());
        std::shared_ptr<RegisterDevice> device = counted;
        RegisterDevice::installFactory([device] { return device; });
        front = std::make_unique<FPGA>();
    }
    ~Bench()
    {
        front.reset();
        RegisterDevice::installFactory(nullptr);
    }

    QTemporaryDir dir;
    std::shared_ptr<SimBoard> board;
    std::shared_ptr<CountingBoard> counted;
    std::unique_ptr<FPGA> front;
};


// A "Parameter/Setting" of about 400 keys in the working directory, as on
// a camera that has been set up.
inline void writeLargeSettings()
{
    QByteArray text;
    for (int g = 0; g < 40; ++g) {
        text += "[Group_" + QByteArray::number(g) + "]\n";
        for (int k = 0; k < 10; ++k)
            text += "Key_" + QByteArray::number(k) + "=" + QByteArray::number(g * 10.5 + k) + "\n";
    }
    QDir().mkpath(QStringLiteral("Parameter"));
    QFile file(QStringLiteral("Parameter/Setting"));
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

// The isotherm band the level/span benchmarks run with: 40 +- 10 degrees.
inline void switchIsothermOn(FPGA &front)
{
    Isotherm iso = ISOHandler::defaultIsotherm();
    iso.centre = 40.0f;
    iso.width = 20.0f;
    front.setIsoPara(iso);
    front.setIsoSwitch(true);
}
