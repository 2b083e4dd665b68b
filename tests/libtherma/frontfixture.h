#pragma once

#include "fpga.h"
#include "serial.h"
#include "simboard.h"
#include "simcore.h"
#include "simroot.h"
#include "testroot.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QtTest>

#include <cstring>
#include <memory>

// One front over the simulated board (and, when asked, the simulated core
// on a pseudo-terminal at "/dev/ttyS1") in a fresh root holding the
// simulator's default tables. The settings file is the caller's.
class FrontFixture
{
public:
    explicit FrontFixture(bool withCore = true)
        : board(std::make_shared<SimBoard>())
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
        Serial::Timeouts fast;
        fast.requestMs = 2000;
        fast.commandReplyMs = 2000;
        fast.alarmPulseMs = 1;
        Serial::setDefaultTimeouts(fast);
        SimRoot::prepare(root.root());
        board->setNoise(0);
        SimBoard::install(board);
        if (withCore) {
            core = std::make_unique<SimCore>();
            core->linkAt(QStringLiteral("/dev/ttyS1"));
        }
    }
    ~FrontFixture()
    {
        front.reset();
        core.reset();
        SimBoard::install(nullptr);
        QLoggingCategory::setFilterRules(QString());
    }

    bool settings(const QByteArray &text) { return root.writeFile(QStringLiteral("Parameter/Setting"), text); }
    FPGA &start()
    {
        front = std::make_unique<FPGA>();
        return *front;
    }

    static TempSetup setup(float emiss, float dist = 5.0f, float offset = 0.0f)
    {
        return TempSetup{emiss, dist, offset, 0};
    }
    static bool statusIs(const IrTempStru &r, const char *status)
    {
        return std::strncmp(r.status, status, sizeof r.status) == 0;
    }

    TestRoot root;
    std::shared_ptr<SimBoard> board;
    std::unique_ptr<SimCore> core;
    std::unique_ptr<FPGA> front;
};
