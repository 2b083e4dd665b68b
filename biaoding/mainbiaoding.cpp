#include "mainbiaoding.h"

#include "biaoding.h"

#include <QPushButton>

MainBiaoDing::MainBiaoDing(EAreaWidget *area, QWidget *parent)
    : PlainCalibPage(1, QStringLiteral("Calib"), parent)
    , m_area(area)
    , m_calibInfo(new QPushButton(tr("CalibInfo "), this))
{
    m_calibInfo->setObjectName(QStringLiteral("CalibInfo"));
    m_calibInfo->setGeometry(115, 175, 90, 40);
    m_calibInfo->setFocusPolicy(Qt::NoFocus);
    connect(m_calibInfo, &QPushButton::clicked, this, &MainBiaoDing::slot_btnBiaoDing);
}

MainBiaoDing::~MainBiaoDing()
{
    if (m_settings)
        m_settings->close();
    delete m_settings;
}

void MainBiaoDing::slot_btnBiaoDing()
{
    if (!m_settings) {
        m_settings = new BiaoDing(nullptr);
        m_settings->move(0, 20);
        connect(m_settings, &BiaoDing::sign_setParaOk, this, &MainBiaoDing::slot_closeBiaoDing);
    }
    m_settings->show();
    m_settings->raise();
    m_settings->resetTempAD(-50);
}

void MainBiaoDing::slot_closeBiaoDing(bool)
{
    m_settings->hide();
}
