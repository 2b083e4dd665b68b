#include "ephotospage.h"

#include "capturerelease.h"
#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "esetupcombobox.h"
#include "esetupswitch.h"
#include "etoolwidget.h"
#include "intervals.h"
#include "photointerval.h"
#include "phototimedialog.h"
#include "pipecommand.h"

#include <QLabel>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const char *const Caller = "EPhotosPage";

int timerPeriod(qint64 seconds)
{
    return Intervals::ms(int(qMin(seconds * 1000, qint64(INT_MAX))));
}
} // namespace

EPhotosPage::EPhotosPage(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *title = new QLabel(tr("Photos"), this);
    title->setObjectName(QStringLiteral("Title"));
    title->setFixedHeight(24);
    title->setAlignment(Qt::AlignCenter);

    m_repeat = new ESetupSwitch(tr("Repeat"), this);
    m_repeat->setObjectName(QStringLiteral("Repeat"));
    m_period = new ESetupComboBox(tr("Period"), this);
    m_period->setObjectName(QStringLiteral("Period"));
    for (QPushButton *row : {static_cast<QPushButton *>(m_repeat), static_cast<QPushButton *>(m_period)}) {
        row->setFixedHeight(30);
        row->setFocusPolicy(Qt::NoFocus);
    }
    m_repeat->setOpen(false);
    m_period->setText(int_to_time(readConfigParam()));

    layout->addWidget(title);
    layout->addSpacing(5);
    layout->addWidget(m_repeat);
    layout->addWidget(m_period);
    layout->addStretch();
    setCustomStyle();

    connect(m_repeat, &QPushButton::clicked, this, &EPhotosPage::repeatHandler);
    connect(m_period, &QPushButton::clicked, this, &EPhotosPage::repeatTimeHandler);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &EPhotosPage::timeoutslots);
}

PhotoTimeDialog *EPhotosPage::dialog() const
{
    return m_dialog;
}

void EPhotosPage::setCustomStyle()
{
    setStyleSheet(QStringLiteral(
        "QLabel { margin-left: 2px; }"
        "QLabel#Title { color: black; border-image: url(:/images/setup_title.png);"
        " margin-left: -3px; margin-top: -3px; padding-top: -3px; }"
        "QPushButton { background-color: white; border: 2px solid #8f8f91; border-radius: 6px;"
        " text-align: left; margin-left: 2px; }"
        "QPushButton:pressed { background-color: rgb(1, 103, 233); }"
        "QPushButton#Repeat { border-bottom: none; border-bottom-left-radius: 0px; border-bottom-right-radius: 0px; }"
        "QPushButton#Period { border-top: none; border-top-left-radius: 0px; border-top-right-radius: 0px; }"));
}

qint64 EPhotosPage::readConfigParam()
{
    return PhotoInterval::load().seconds();
}

QString EPhotosPage::int_to_time(qint64 seconds)
{
    seconds = qMax(seconds, qint64(0));
    if (seconds < 60)
        return QString::asprintf("%llds", seconds);
    if (seconds < 3600)
        return QString::asprintf("%lldm%llds", seconds / 60, seconds % 60);
    return QString::asprintf("%lldh%lldm%llds", seconds / 3600, (seconds / 60) % 60, seconds % 60);
}

void EPhotosPage::repeatHandler()
{
    if (m_repeat->isOpen())
        repeatHandler_stop();
    else
        repeatHandler_start();
}

void EPhotosPage::repeatHandler_start()
{
    m_repeat->setOpen(true);
    const qint64 seconds = readConfigParam();
    m_period->setText(int_to_time(seconds));
    m_timer->stop();
    // The first photo comes one full period after the start.
    m_timer->start(timerPeriod(seconds));
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setImagesequencemode(true);
}

void EPhotosPage::repeatHandler_stop()
{
    m_repeat->setOpen(false);
    m_timer->stop();
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setImagesequencemode(false);
    phototimeHandle();
}

void EPhotosPage::phototimeHandle()
{
    const qint64 seconds = readConfigParam();
    m_period->setText(int_to_time(seconds));
    if (m_timer->isActive()) {
        m_timer->stop();
        m_timer->start(timerPeriod(seconds));
    }
}

void EPhotosPage::repeatTimeHandler()
{
    if (!m_dialog) {
        m_dialog = new PhotoTimeDialog(this, nullptr, Qt::FramelessWindowHint);
        connect(m_dialog, &PhotoTimeDialog::emitPhototime, this, &EPhotosPage::phototimeHandle);
        m_dialog->setFixedSize(240, 160);
        m_dialog->move(40, 40);
    }
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setSetupVisibled(true);
    m_dialog->readConfigParam();
    m_dialog->setVisible(false);
    m_dialog->setVisible(true);
}

void EPhotosPage::timeoutslots()
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (!view || !view->getImagesequencemode())
        return;
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    if (panel)
        panel->move(0, 200);
    if (!view->isVisibled())
        return;
    // A save can outlast the period: its freeze and commands must not
    // interleave with the next photo's.
    if (panel && panel->get_Imagestate() == 1) {
        qWarning("EPhotosPage: tick skipped, the previous photo is still being saved");
        return;
    }
    EToolWidget *bar = EGlobal::getToolBar();
    if (!bar || !bar->SDCardStatus()) {
        EGraphicsView::showImageWrapIndicator(view);
        if (panel)
            panel->set_Imagestate(0);
        return;
    }
    if (EGraphicsView::getPhotoSDCardInfo()) {
        EGraphicsView::showWrapIndicator(view, QT_TRANSLATE_NOOP("EGraphicsView", "Lack of space"));
        return;
    }
    capture();
}

void EPhotosPage::capture()
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    EToolWidget *bar = EGlobal::getToolBar();
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    bar->freezeImageFlag(true);
    if (panel)
        panel->set_Imagestate(1);
    if (!PipeCommand::send(PipeCommand::ServicePipe, QByteArrayLiteral("jpegenc start"), Caller)) {
        abandonCapture(false);
        return;
    }
    view->freezeFPGAImage(true);
    QThread::usleep(2000);
    if (panel)
        panel->setSnapshot(true);
    if (!PipeCommand::send(PipeCommand::SavePipe, QByteArrayLiteral("save"), Caller))
        abandonCapture(true);
}

void EPhotosPage::abandonCapture(bool encoderStarted)
{
    qWarning("EPhotosPage: interval photo abandoned, the picture is released");
    CaptureRelease::release(encoderStarted, Caller);
}
