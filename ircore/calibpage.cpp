#include "calibpage.h"

#include "manualdeadpoint.h"
#include "twocalib.h"

#include <QPushButton>
#include <QVBoxLayout>

CalibPage::CalibPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(5);
    layout->addSpacing(10);
    m_start = new QPushButton(tr("Start Calib"), this);
    m_start->setObjectName(QStringLiteral("StartCalib"));
    m_manual = new QPushButton(tr("Manual Dead Point"), this);
    m_manual->setObjectName(QStringLiteral("ManualDeadPoint"));
    for (QPushButton *button : {m_start, m_manual}) {
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(m_start, &QPushButton::clicked, this, &CalibPage::startTwoCalib);
    connect(m_manual, &QPushButton::clicked, this, [this] { startManualCalib(0); });
}

void CalibPage::startTwoCalib()
{
    if (!m_twoCalib)
        m_twoCalib = new TwoCalib(nullptr);
    m_twoCalib->startCalib();
    m_twoCalib->show();
    m_twoCalib->raise();
}

void CalibPage::startManualCalib(int type)
{
    if (!m_deadPoint)
        m_deadPoint = new ManualDeadPoint(nullptr);
    m_deadPoint->setType(type);
    m_deadPoint->show();
    m_deadPoint->raise();
}

void CalibPage::hideScreens()
{
    if (m_twoCalib)
        m_twoCalib->hide();
    if (m_deadPoint)
        m_deadPoint->abandon();
}

void CalibPage::keyPressEvent(QKeyEvent *)
{
    qDebug("%s %s", "ircore/calibpage", "keyPressEvent");
}
