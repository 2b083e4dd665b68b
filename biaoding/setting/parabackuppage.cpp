#include "parabackuppage.h"

#include "eglobal.h"
#include "etoolwidget.h"
#include "parabackup.h"
#include "storedsettings.h"

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
    // A copy under way stops before its next file; the page waits for that
    // one only, not for the whole card.
    if (m_worker) {
        m_cancel->store(true);
        m_worker->wait();
        delete m_worker;
    }
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
    StoredSettings file(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
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
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_ok = std::make_shared<std::atomic_bool>(false);
    m_worker = QThread::create([cancel = m_cancel, ok = m_ok, source, destination] {
        QString error;
        ok->store(ParaBackup::run(source, destination, &error, cancel.get()));
        if (!ok->load())
            qWarning("backup failed: %s", qPrintable(error));
    });
    connect(m_worker, &QThread::finished, this, [this] { done(m_ok->load()); });
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
