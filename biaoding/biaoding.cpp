#include "biaoding.h"

#include "eprofiletab.h"
#include "tempadwidget.h"

#include <QPushButton>
#include <QTabWidget>

BiaoDing::BiaoDing(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_tempAD(new TempADWidget)
    , m_tabs(new QTabWidget(this))
    , m_int(new QWidget)
    , m_profile(new EProfileTab(this))
    , m_ok(new QPushButton(tr("OK"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("BiaoDing"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(320, 220);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("BiaoDing{background:#202830;} TempADWidget QLabel{color:white;}"));
    m_tabs->setGeometry(5, 5, 310, 210);
    m_tabs->addTab(m_tempAD, tr("T-AD"));
    m_tabs->addTab(m_int, tr("INT"));
    m_tabs->addTab(m_profile, tr("Profile"));
    m_ok->setGeometry(190, 2, 60, 25);
    m_cancel->setGeometry(255, 2, 60, 25);
    for (QWidget *w : {static_cast<QWidget *>(m_tabs), static_cast<QWidget *>(m_ok), static_cast<QWidget *>(m_cancel)})
        w->setFocusPolicy(Qt::NoFocus);
    connect(m_ok, &QPushButton::clicked, this, &BiaoDing::slot_btnOK);
    connect(m_cancel, &QPushButton::clicked, this, &BiaoDing::slot_btnCancel);
    connect(m_profile, &EProfileTab::sign_tableSaved, m_tempAD, &TempADWidget::updateWidget);
}

void BiaoDing::resetTempAD(int temperature)
{
    m_tempAD->resetWidget(temperature);
}

void BiaoDing::slot_btnOK()
{
    if (!m_tempAD->saveConfig())
        return;
    m_tempAD->setChgState(false);
    Q_EMIT sign_setParaOk(true);
    hide();
}

void BiaoDing::slot_btnCancel()
{
    Q_EMIT sign_setParaOk(false);
    hide();
}
