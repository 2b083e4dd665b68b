#include "emiftestpage.h"

#include "registerdevice.h"

#include <QLabel>
#include <QPushButton>

EmifTestPage::EmifTestPage(QWidget *parent)
    : ActionPage(tr("EMIF Test"), QStringLiteral("emif test"), parent)
{
    connect(actionButton(), &QPushButton::clicked, this, &EmifTestPage::slot_emifTest);
}

bool EmifTestPage::testBus()
{
    const std::shared_ptr<RegisterDevice> board = RegisterDevice::openBoard();
    if (!board || !board->isOpen())
        return false;
    uint8_t low = 0;
    uint8_t high = 0;
    if (board->readAt(LowOffset, &low, 1) != 1)
        low = 0;
    if (board->readAt(HighOffset, &high, 1) != 1)
        high = 0;
    return low == 0x55 && high == 0xAA;
}

void EmifTestPage::slot_emifTest()
{
    resultLabel()->setText(testBus() ? QStringLiteral("emif test success!") : QStringLiteral("emif test failure!"));
}
