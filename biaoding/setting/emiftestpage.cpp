#include "emiftestpage.h"

#include "esetuptitle.h"
#include "registerdevice.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

EmifTestPage::EmifTestPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(5);
    auto *title = new ESetupTitle(this);
    title->setText(tr("EMIF Test"));
    title->setFixedHeight(24);
    m_button = new QPushButton(QStringLiteral("emif test"), this);
    m_button->setObjectName(QStringLiteral("EmifTest"));
    m_button->setFixedHeight(32);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("Result"));
    m_result->setFixedHeight(26);
    m_result->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addWidget(m_button);
    layout->addWidget(m_result);
    layout->addStretch();
    connect(m_button, &QPushButton::clicked, this, &EmifTestPage::slot_emifTest);
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
    m_result->setText(testBus() ? QStringLiteral("emif test success!") : QStringLiteral("emif test failure!"));
}
