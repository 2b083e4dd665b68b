#include "imagearea.h"

#include "screendirectory.h"

#include <QPainter>
#include <QPaintEvent>

ImageArea::ImageArea(QWidget *parent)
    : QWidget(parent)
    , m_screen(new ScreenDirectory)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_MouseTracking);
    _connectSignals(m_screen);
    connect(&m_tick, &QTimer::timeout, this, &ImageArea::onTimer);
    m_tick.start(TickMs);
}

ImageArea::~ImageArea()
{
    delete m_screen;
}

ScreenDirectory *ImageArea::screen() const
{
    return static_cast<ScreenDirectory *>(m_screen);
}

void ImageArea::_connectSignals(ScreenBase *screen)
{
    connect(screen, &ScreenBase::updateSignal, this, qOverload<>(&QWidget::update));
    connect(screen, &ScreenBase::startTimer, this, &ImageArea::onStartTimer);
    connect(screen, &ScreenBase::loadFile, this, &ImageArea::passLoadFile);
    connect(screen, &ScreenBase::loadDir, this, &ImageArea::passLoadDir);
}

void ImageArea::passLoadFile(int index, const QString &name)
{
    qWarning("play item %d: %s", index, qPrintable(name));
    Q_EMIT loadFile(index, name);
}

void ImageArea::passLoadDir()
{
    Q_EMIT loadDir();
}

void ImageArea::setFiles(const QStringList &files, const QString &select)
{
    m_screen->onSetFiles(files, select);
    update();
}

bool ImageArea::event(QEvent *event)
{
    if (m_screen->onSingletouch(event))
        return true;
    return QWidget::event(event);
}

void ImageArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    m_screen->onPaint(painter);
}

void ImageArea::resizeEvent(QResizeEvent *)
{
    m_screen->width = width();
    m_screen->height = height();
    m_screen->onResize();
    update();
}

void ImageArea::onTimer()
{
    m_screen->onTimer();
}

void ImageArea::onStartTimer()
{
    m_tick.start(TickMs);
}

#define IMAGEAREA_FORWARD(name, hook) \
    void ImageArea::name()            \
    {                                 \
        m_screen->hook();             \
    }
IMAGEAREA_FORWARD(onkeyPressEvent, onKeyPressEvent)
IMAGEAREA_FORWARD(_area_leftmove, left_move)
IMAGEAREA_FORWARD(_area_rightmove, right_move)
IMAGEAREA_FORWARD(_area_upmove, up_move)
IMAGEAREA_FORWARD(_area_downmove, down_move)
IMAGEAREA_FORWARD(_remove_mode, remove_mode)
IMAGEAREA_FORWARD(reset_mode, reset_mode)
IMAGEAREA_FORWARD(_delete_File, delete_File)
IMAGEAREA_FORWARD(selectAllVideoFile, selectAllFile)
IMAGEAREA_FORWARD(unSelectAllVideoFile, unselectAllFile)
#undef IMAGEAREA_FORWARD

void ImageArea::onWheel(QWheelEvent *event)
{
    m_screen->onWheel(event);
}

void ImageArea::startCreateThumbThread()
{
    screen()->videoThumbnailerstart();
}
