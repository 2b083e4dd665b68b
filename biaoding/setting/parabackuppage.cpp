#include "parabackuppage.h"

#include "eglobal.h"
#include "etoolwidget.h"
#include "parabackup.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QThread>

ParaBackupPage::ParaBackupPage(QWidget *parent)
    : ActionPage(tr("Backup"), QString(), parent)
{
    connect(actionButton(), &QPushButton::clicked, this, &ParaBackupPage::slot_btnBackup);
}

ParaBackupPage::~ParaBackupPage()
{
    if (m_worker)
        m_worker->wait();
}

void ParaBackupPage::showEvent(QShowEvent *event)
{
    EToolWidget *bar = EGlobal::getToolBar();
    const bool card = bar && bar->SDCardStatus();
    actionButton()->setEnabled(card && !m_worker);
    actionButton()->setText(card ? QStringLiteral("Click to backup the para") : QStringLiteral("Insert the SD-Card first"));
    ActionPage::showEvent(event);
}

void ParaBackupPage::hideEvent(QHideEvent *event)
{
    if (!m_worker)
        resultLabel()->clear();
    ActionPage::hideEvent(event);
}

void ParaBackupPage::slot_btnBackup()
{
    if (m_worker)
        return;
    QSettings file(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
    const QString serial = file.value(QStringLiteral("ProductInfo/SerialNo"), QStringLiteral("2012010001")).toString();
    if (!ParaBackup::validSerial(serial)) {
        qWarning("backup refused: the serial number cannot name a folder");
        resultLabel()->setText(failureText());
        return;
    }
    const QString source = QDir::currentPath();
    const QString destination = ParaBackup::destination(serial);
    actionButton()->setEnabled(false);
    resultLabel()->setText(QStringLiteral("Backing up..."));
    m_worker = QThread::create([this, source, destination] {
        QString error;
        m_ok = ParaBackup::run(source, destination, &error);
        if (!m_ok)
            qWarning("backup failed: %s", qPrintable(error));
    });
    connect(m_worker, &QThread::finished, this, [this] { done(m_ok); });
    m_worker->start();
}

void ParaBackupPage::done(bool ok)
{
    m_worker->wait();
    m_worker->deleteLater();
    m_worker = nullptr;
    actionButton()->setEnabled(true);
    resultLabel()->setText(ok ? successText() : failureText());
}
