#include "simscreen.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

SimScreen::SimScreen(QWidget *parent)
    : QWidget(parent)
    , m_picture(placeholderPicture())
{
    setFixedSize(Width, Height);
    setWindowTitle(QStringLiteral("ostrel (simulated camera)"));
}

SimScreen::~SimScreen()
{
    if (m_overlay && m_overlay->parent() == this)
        m_overlay->setParent(nullptr);
}

void SimScreen::setOverlay(QWidget *overlay)
{
    m_overlay = overlay;
    if (!overlay)
        return;
    overlay->setParent(this);
    overlay->setAttribute(Qt::WA_TranslucentBackground);
    overlay->setGeometry(0, 0, Width, Height);
    overlay->show();
}

void SimScreen::setBoardPicture(const QImage &picture)
{
    m_picture = picture.isNull() ? placeholderPicture() : picture;
    update();
}

QImage SimScreen::placeholderPicture()
{
    // A dull background with one warm and one cold blob, so the overlay can
    // be judged against something that looks like a thermal picture.
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient background(0, 0, 0, Height);
    background.setColorAt(0, QColor(40, 0, 80));
    background.setColorAt(1, QColor(120, 20, 90));
    p.fillRect(image.rect(), background);
    QRadialGradient warm(QPointF(110, 130), 50);
    warm.setColorAt(0, QColor(255, 250, 200));
    warm.setColorAt(0.5, QColor(250, 160, 20));
    warm.setColorAt(1, QColor(250, 160, 20, 0));
    p.setBrush(warm);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(110, 130), 50, 50);
    QRadialGradient cold(QPointF(230, 90), 35);
    cold.setColorAt(0, QColor(0, 0, 30));
    cold.setColorAt(1, QColor(0, 0, 30, 0));
    p.setBrush(cold);
    p.drawEllipse(QPointF(230, 90), 35, 35);
    return image;
}

void SimScreen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(rect(), m_picture);
}

QImage SimScreen::composed()
{
    QImage image = grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    const QPoint origin = geometry().topLeft();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window == this || !window->isVisible() || window->isMinimized())
            continue;
        p.drawPixmap(window->geometry().topLeft() - origin, window->grab());
    }
    return image;
}
