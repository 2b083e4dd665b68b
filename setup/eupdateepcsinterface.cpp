#include "eupdateepcsinterface.h"

#include "paths.h"
#include "poweroff.h"
#include "registerdevice.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <cstdio>

EUpdateEPCSInterface::EUpdateEPCSInterface(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    // Full screen over the live picture: its own background.
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setWordWrap(true);
    m_label->setStyleSheet(QStringLiteral("color: red;background-color: white;"));
    m_start = new QPushButton(QStringLiteral("Start"), this);
    m_exit = new QPushButton(QStringLiteral("Exit"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addStretch();
    buttons->addWidget(m_exit);
    layout->addWidget(m_progress);
    layout->addWidget(m_label, 1);
    layout->addLayout(buttons);
    connect(m_start, &QPushButton::clicked, this, &EUpdateEPCSInterface::update);
    connect(m_exit, &QPushButton::clicked, this, &EUpdateEPCSInterface::exit);
}

EUpdateEPCSInterface::~EUpdateEPCSInterface()
{
    stopWorker();
    if (m_running)
        PowerOff::instance()->setFlashRunning(false);
}

void EUpdateEPCSInterface::stopWorker()
{
    if (!m_thread)
        return;
    if (m_programmer)
        m_programmer->requestStop();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

void EUpdateEPCSInterface::showText(bool good)
{
    m_label->setStyleSheet(good ? QStringLiteral("color: green;background-color: white;")
                                : QStringLiteral("color: red;background-color: white;"));
    m_label->setText(m_text);
}

void EUpdateEPCSInterface::appendLine(const QString &line, bool good)
{
    m_text += line;
    showText(good);
}

void EUpdateEPCSInterface::update()
{
    if (m_running)
        return;
    stopWorker();
    m_text.clear();
    m_progress->setValue(0);
    if (!QFile::exists(Paths::resolve(QString::fromLatin1(imagePath())))) {
        std::puts("donot fid update.pof");
        m_text = QStringLiteral("donot find update.pof,\nplease put update.pof\nin SD-Card's /etc directory");
        m_label->setText(m_text);
        return;
    }
    m_text = QStringLiteral("find update.pof\n");
    m_label->setText(m_text);
    m_start->setEnabled(false);
    m_exit->setEnabled(false);
    m_running = true;
    PowerOff::instance()->setFlashRunning(true);

    m_programmer = std::make_unique<EpcsProgrammer>(RegisterDevice::openBoard());
    m_programmer->setSleeper(m_sleeper);
    EpcsProgrammer *programmer = m_programmer.get();
    // Emitted on the worker, delivered here queued.
    connect(programmer, &EpcsProgrammer::message, this, &EUpdateEPCSInterface::appendLine, Qt::QueuedConnection);
    connect(programmer, &EpcsProgrammer::progress, m_progress, &QProgressBar::setValue, Qt::QueuedConnection);
    connect(programmer, &EpcsProgrammer::finished, this, &EUpdateEPCSInterface::runFinished, Qt::QueuedConnection);
    const QString path = QString::fromLatin1(imagePath());
    m_thread = QThread::create([programmer, path] { programmer->run(path); });
    m_thread->start();
}

void EUpdateEPCSInterface::runFinished(int result)
{
    stopWorker();
    m_running = false;
    // A partly written flash would leave a camera that cannot start: the
    // idle, key and slide power-offs stay refused until a run succeeds.
    PowerOff::instance()->setFlashRunning(EpcsProgrammer::partlyWritten(EpcsProgrammer::Result(result)));
    m_start->setEnabled(true);
    m_exit->setEnabled(true);
    Q_EMIT programmingFinished(result);
}

void EUpdateEPCSInterface::exit()
{
    if (m_running)
        return;
    close();
    PowerOff::instance()->request(PowerOff::FlashExit);
}

// A half-written flash leaves a camera that cannot start: nothing closes
// the dialog while the worker runs.
void EUpdateEPCSInterface::reject()
{
    if (!m_running)
        QDialog::reject();
}

void EUpdateEPCSInterface::keyPressEvent(QKeyEvent *event)
{
    if (m_running) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void EUpdateEPCSInterface::closeEvent(QCloseEvent *event)
{
    if (m_running) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void EUpdateEPCSInterface::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // A window system hiding it (minimised on a desktop) did not close it.
    if (!event->spontaneous())
        Q_EMIT hidden();
}
