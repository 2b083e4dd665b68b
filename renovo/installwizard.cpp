#include "installwizard.h"

#include "agreementpage.h"
#include "devicehandover.h"
#include "finishpage.h"

#include <QThread>

InstallWizard::InstallWizard(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setFixedSize(320, 240);
    m_agreement = new AgreementPage(this);
    connect(m_agreement, &AgreementPage::agree_signals, this, &InstallWizard::installWizardStart);
    connect(m_agreement, &AgreementPage::disagree_signals, this, &InstallWizard::installWizardfinishQuit);
    m_finish = new FinishPage(this);
    connect(m_finish, &FinishPage::finishPagesignals, this, &InstallWizard::installWizardfinishQuit);
    m_finish->hide();
}

InstallWizard::~InstallWizard()
{
    if (m_handback)
        m_handback->wait();
}

void InstallWizard::installWizardStart()
{
    qDebug("%s %d ", Q_FUNC_INFO, __LINE__);
    const int kernel = m_agreement->getKernelState();
    const int app = m_agreement->getAppState();
    const int fpga = m_agreement->getFpgaState();
    m_agreement->hide();
    m_finish->show();
    qDebug("\t ===== kernelState %d appState %d fpgaState %d ===== ", kernel, app, fpga);
    m_finish->StartInstallProcess(kernel, app, fpga);
}

void InstallWizard::installWizardfinishQuit()
{
    qDebug("%s %d ", Q_FUNC_INFO, __LINE__);
    // A second press while the script runs must not run it twice.
    if (m_leaving)
        return;
    m_leaving = true;
    m_handback = QThread::create([] { DeviceHandover::runStartupScript(); });
    connect(m_handback, &QThread::finished, this, &InstallWizard::ended);
    m_handback->setParent(this);
    m_handback->start();
}
