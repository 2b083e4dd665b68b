#include "parabackuppage.h"

#include "eglobal.h"
#include "esetuptitle.h"
#include "etoolwidget.h"
#include "parabackup.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QThread>
#include <QVBoxLayout>

ParaBackupPage::ParaBackupPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(5);
    auto *title = new ESetupTitle(this);
    title->setText(tr("Backup"));
    title->setFixedHeight(24);
    m_button = new QPushButton(this);
    m_button->setObjectName(QStringLiteral("Backup"));
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
    connect(m_button, &QPushButton::clicked, this, &ParaBackupPage::slot_btnBackup);
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
    m_button->setEnabled(card && !m_worker);
    m_button->setText(card ? QStringLiteral("Click to backup the para") : QStringLiteral("Insert the SD-Card first"));
    QWidget::showEvent(event);
}

void ParaBackupPage::hideEvent(QHideEvent *event)
{
    if (!m_worker)
        m_result->clear();
    QWidget::hideEvent(event);
}

void ParaBackupPage::slot_btnBackup()
{
    if (m_worker)
        return;
    QSettings file(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
    const QString serial = file.value(QStringLiteral("ProductInfo/SerialNo"), QStringLiteral("2012010001")).toString();
    if (!ParaBackup::validSerial(serial)) {
        qWarning("backup refused: the serial number cannot name a folder");
        m_result->setText(failureText());
        return;
    }
    const QString source = QDir::currentPath();
    const QString destination = ParaBackup::destination(serial);
    m_button->setEnabled(false);
    m_result->setText(QStringLiteral("Backing up..."));
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
    m_button->setEnabled(true);
    m_result->setText(ok ? successText() : failureText());
}
