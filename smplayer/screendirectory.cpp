#include "screendirectory.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "etoolwidget.h"
#include "nativename.h"
#include "paths.h"
#include "zvideoloadthread.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <unistd.h>

ScreenDirectory::ScreenDirectory(QObject *parent)
    : ScreenBase(parent)
    , m_scrollIndicator(QStringLiteral(":images/smplayerimages/scroll-indicator.png"))
{
    drawPlayMark();
    m_deleteMark = QPixmap(QStringLiteral(":images/smplayerimages/delIcon.png"))
                       .scaled(20, 20, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_lastSample.start();
}

ScreenDirectory::~ScreenDirectory()
{
    if (m_worker) {
        // The worker's thumbnail in progress ends first: it writes the cache.
        m_worker->Idle(true);
        m_worker->wait();
        delete m_worker;
    }
}

void ScreenDirectory::drawPlayMark()
{
    m_playMark = QPixmap(72, 54);
    m_playMark.fill(Qt::transparent);
    QPainter p(&m_playMark);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(27, 7);
    arrow.lineTo(45, 27);
    arrow.lineTo(27, 47);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

int ScreenDirectory::cellWidth() const
{
    return int(m_zoom / 100 * width);
}

int ScreenDirectory::maxOffset() const
{
    return m_contentHeight - height;
}

void ScreenDirectory::clampTarget()
{
    if (m_targetOffset > maxOffset())
        m_targetOffset = maxOffset();
    if (m_targetOffset < 0)
        m_targetOffset = 0;
}

void ScreenDirectory::layout()
{
    m_columns = int(100 / m_zoom);
    const int count = int(files.size());
    const int rows = count / m_columns + (count % m_columns ? 1 : 0);
    const int newHeight = rows * rowPitch();
    m_targetOffset = newHeight > 0 ? int(qint64(m_contentHeight) * m_targetOffset / newHeight) : 0;
    m_shownOffset = m_targetOffset;
    m_contentHeight = newHeight;
}

void ScreenDirectory::onSetFiles(const QStringList &names, const QString &select)
{
    const int position = qMax(0, int(names.indexOf(select)));
    if (names != files) {
        files = names;
        // Sized to the list: selection and pictures never reach past it.
        m_thumbs.assign(size_t(files.size()), QImage());
        m_selection.assign(size_t(files.size()), 0);
    }
    m_thumbState.assign(size_t(files.size()), Unknown);
    for (size_t i = 0; i < m_thumbs.size(); ++i)
        if (!m_thumbs[i].isNull())
            m_thumbState[i] = Loaded;
    current = position;
    m_shownOffset = m_targetOffset = 0;
    layout();
    videoThumbnailerstart();
}

const QImage *ScreenDirectory::thumbnail(int index)
{
    if (index < 0 || size_t(index) >= m_thumbs.size())
        return nullptr;
    if (m_thumbState[size_t(index)] == Unknown) {
        const QString path = ZVideoloadThread::thumbnailPath(files.at(index));
        QImage image;
        if (image.load(path)) {
            m_thumbs[size_t(index)] = image;
            m_thumbState[size_t(index)] = Loaded;
        } else {
            m_thumbState[size_t(index)] = Missing;
        }
    }
    return m_thumbState[size_t(index)] == Loaded ? &m_thumbs[size_t(index)] : nullptr;
}

bool ScreenDirectory::hasThumbnail(int index) const
{
    return index >= 0 && size_t(index) < m_thumbState.size() && m_thumbState[size_t(index)] == Loaded;
}

int ScreenDirectory::selectedCount() const
{
    return int(std::count(m_selection.begin(), m_selection.end(), char(1)));
}

bool ScreenDirectory::isSelected(int index) const
{
    return index >= 0 && size_t(index) < m_selection.size() && m_selection[size_t(index)];
}

void ScreenDirectory::onPaint(QPainter &painter)
{
    if (files.isEmpty()) {
        EToolWidget *bar = EGlobal::getToolBar();
        const QString text = bar && !bar->SDCardStatus() ? tr("No sd card") : tr("This directory is empty");
        painter.setPen(QColor(255, 0, 0));
        const int textWidth = painter.fontMetrics().horizontalAdvance(text);
        painter.drawText((width - textWidth) / 2, height / 2, text);
        return;
    }
    const int cell = cellWidth();
    const int imageH = imageHeight();
    const int pitch = rowPitch();
    const int boxW = cell * 90 / 100;
    const int boxH = imageH * 90 / 100;
    for (int i = 0; i < files.size(); ++i) {
        const int top = (i / m_columns) * pitch - m_shownOffset;
        if (top > height)
            break;
        if (top + imageH < -20)
            continue;
        const int cx = (i % m_columns) * cell + cell / 2;
        const int cy = top + imageH / 2;
        const QRect box(cx - boxW / 2, cy - boxH / 2, boxW, boxH);
        if (const QImage *image = thumbnail(i))
            painter.drawImage(cx - image->width() / 2, cy - image->height() / 2, *image);
        else
            painter.fillRect(box, Qt::darkGray);
        if (!m_deleteMode && i == current) {
            painter.setOpacity(0.8);
            painter.drawPixmap(box, m_playMark);
            painter.setOpacity(1.0);
        } else if (m_deleteMode && isSelected(i)) {
            painter.drawPixmap(cx + 12, cy + 3, 20, 20, m_deleteMark);
        }
    }
    if (m_moving && m_contentHeight > height) {
        const int s = qBound(0, m_shownOffset, maxOffset());
        painter.drawImage(width - m_scrollIndicator.width(),
                          s * (height - m_scrollIndicator.height()) / (m_contentHeight - height), m_scrollIndicator);
    }
}

void ScreenDirectory::onResize()
{
    layout();
    Q_EMIT updateSignal();
}

void ScreenDirectory::onWheel(QWheelEvent *event)
{
    if (event->angleDelta().y() > 0)
        m_targetOffset -= height / 6;
    else
        m_targetOffset += height / 6;
    clampTarget();
    Q_EMIT startTimer();
}

int ScreenDirectory::easingStep(int d, int h)
{
    const double a = 0.1 * h;
    const double b = 0.95 * a;
    int step = d < 2 * b ? int(0.05 * a + b - std::sqrt(b * b - (d / 2.0) * (d / 2.0))) : int(a);
    return qMax(1, step);
}

void ScreenDirectory::onTimer()
{
    const int d = std::abs(m_targetOffset - m_shownOffset);
    if (d > 0) {
        const int step = easingStep(d, height);
        if (step > d)
            m_shownOffset = m_targetOffset;
        else
            m_shownOffset += m_targetOffset > m_shownOffset ? step : -step;
    } else if (!files.isEmpty()) {
        // A resting grid is repainted by what changes it, not every tick;
        // the empty list's message follows the card state, so it is.
        return;
    }
    Q_EMIT updateSignal();
}

void ScreenDirectory::speedSample(int y, bool reset)
{
    if (reset) {
        m_speed = 0;
    } else {
        const qint64 dt = qBound(qint64(1), m_lastSample.elapsed(), qint64(200));
        const double v = double(y - m_lastY) / double(dt);
        m_speed = std::abs(m_speed) < 0.1 ? v : 0.2 * m_speed + 0.8 * v;
    }
    m_lastY = y;
    m_lastSample.restart();
}

int ScreenDirectory::hitTest(int x, int y) const
{
    const int cell = cellWidth();
    if (cell <= 0 || x < 0 || y + m_shownOffset < 0)
        return -1;
    const int column = x / cell;
    const int row = (y + m_shownOffset) / rowPitch();
    const int index = row * m_columns + column;
    return index >= 0 && column < m_columns && index < files.size() ? index : -1;
}

void ScreenDirectory::fling()
{
    if (std::abs(m_speed) > 0.5)
        m_targetOffset = int(m_targetOffset - m_speed * 0.1 * height * 1.5);
    clampTarget();
}

bool ScreenDirectory::onSingletouch(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        m_dragStartOffset = m_shownOffset;
        m_moving = false;
        if (mouse->button() == Qt::LeftButton) {
            m_pressed = true;
            m_pressX = mouse->position().toPoint().x();
            m_pressY = mouse->position().toPoint().y();
            speedSample(m_pressY, true);
        }
        Q_EMIT updateSignal();
        return true;
    }
    case QEvent::MouseMove: {
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (m_pressed) {
            const int dy = at.y() - m_pressY;
            if (std::abs(dy) > 30 || std::abs(at.x() - m_pressX) > 30)
                m_moving = true;
            if (m_moving) {
                m_targetOffset = m_dragStartOffset - dy;
                Q_EMIT startTimer();
                onTimer();
            }
        } else if (at.y() > 0) {
            const int index = hitTest(at.x(), at.y());
            if (index >= 0) {
                current = index;
                Q_EMIT updateSignal();
            }
        }
        speedSample(at.y(), false);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;
        if (m_moving)
            fling();
        else
            onTap(mouse->position().toPoint().x(), mouse->position().toPoint().y());
        m_pressed = false;
        m_moving = false;
        Q_EMIT updateSignal();
        return true;
    }
    default:
        return false;
    }
}

void ScreenDirectory::onTap(int x, int y)
{
    const int index = hitTest(x, y);
    if (index < 0)
        return;
    current = index;
    if (m_deleteMode) {
        char &flag = m_selection[size_t(index)];
        flag = !flag;
        return;
    }
    qWarning("video tapped: %d", index);
    // Plays at once: the worker is asked to stop and makes this video's
    // picture on its next run.
    stopWorker();
    Q_EMIT loadFile(current, files.at(current));
}

void ScreenDirectory::onKeyPressEvent()
{
    stopWorker();
}

void ScreenDirectory::followCurrent()
{
    const int y = (current / m_columns) * rowPitch();
    if (y < m_targetOffset)
        m_targetOffset = y;
    if (y - m_targetOffset > height - rowPitch())
        m_targetOffset = y - height + rowPitch();
    clampTarget();
    m_shownOffset = m_targetOffset;
    Q_EMIT updateSignal();
}

void ScreenDirectory::left_move()
{
    if (current >= 1) {
        --current;
        followCurrent();
    }
}

void ScreenDirectory::right_move()
{
    if (current < files.size() - 1) {
        ++current;
        followCurrent();
    }
}

void ScreenDirectory::up_move()
{
    if (current - m_columns >= 0) {
        current -= m_columns;
        followCurrent();
    }
}

void ScreenDirectory::down_move()
{
    if (current + m_columns <= files.size() - 1) {
        current += m_columns;
        followCurrent();
    }
}

void ScreenDirectory::remove_mode()
{
    if (!m_deleteMode) {
        stopWorker();
        m_deleteMode = true;
    } else {
        m_deleteMode = false;
        std::fill(m_selection.begin(), m_selection.end(), 0);
    }
}

void ScreenDirectory::reset_mode()
{
    m_deleteMode = true;
}

void ScreenDirectory::selectAllFile()
{
    std::fill(m_selection.begin(), m_selection.end(), 1);
    Q_EMIT updateSignal();
}

void ScreenDirectory::unselectAllFile()
{
    std::fill(m_selection.begin(), m_selection.end(), 0);
    Q_EMIT updateSignal();
}

void ScreenDirectory::delete_File()
{
    if (selectedCount() == 0)
        return;
    for (int i = 0; i < files.size(); ++i) {
        qWarning("delete check %s: %d", qPrintable(files.at(i)), int(isSelected(i)));
        if (!isSelected(i))
            continue;
        // The cache name needs the video's time and size: before it goes.
        QFile::remove(ZVideoloadThread::thumbnailPath(files.at(i)));
        const QString video = ZVideoloadThread::videoPath(files.at(i));
        qWarning("delete %s", qPrintable(NativeName::shown(video)));
        // The listed name's own bytes: that file and no other.
        QString error;
        if (!NativeName::remove(video, &error))
            qWarning("delete %s failed: %s", qPrintable(NativeName::shown(video)), qPrintable(error));
    }
    // One flush for the whole selection, not one per file.
    ::sync();
    std::fill(m_selection.begin(), m_selection.end(), 0);
    Q_EMIT loadDir();
}

void ScreenDirectory::videoThumbnailerstart()
{
    if (!m_worker) {
        m_worker = new ZVideoloadThread;
        connect(m_worker, &QThread::finished, this, &ScreenDirectory::videoThumbnailerexit);
        connect(m_worker, &ZVideoloadThread::sendthumbimage, this, &ScreenDirectory::getThumbnailerimage);
    }
    const bool stopping = m_worker->isIdle();
    const bool changed = m_worker->setFiles(files);
    m_worker->Idle(false);
    if (!m_worker->isRunning())
        m_worker->start(QThread::InheritPriority);
    else if (stopping || changed)
        m_startPending = true;   // it may be on its way out: run again after
    // Else it is walking this very list: showing the list and starting the
    // worker for it in one action needs no second run.
}

// Nobody waits for the worker: it is asked to stop and released when it
// has finished.
void ScreenDirectory::stopWorker()
{
    m_startPending = false;
    if (m_worker && m_worker->isRunning()) {
        m_worker->Idle(true);
        return;
    }
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setWaitIrAdmode(false);
}

void ScreenDirectory::videoThumbnailerexit()
{
    if (m_startPending && m_worker && !m_worker->isIdle()) {
        m_startPending = false;
        m_worker->start(QThread::InheritPriority);
        return;
    }
    m_startPending = false;
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setWaitIrAdmode(false);
}

void ScreenDirectory::getThumbnailerimage(int index)
{
    // A report may come from a run over an older list.
    if (index < 0 || size_t(index) >= m_thumbState.size() || m_thumbState[size_t(index)] == Loaded)
        return;
    m_thumbState[size_t(index)] = Unknown;
    Q_EMIT updateSignal();
}
