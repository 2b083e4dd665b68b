#include "indicator.h"

#include "intervals.h"
#include "paintflush.h"
#include "picturecache.h"
#include "transientmark.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QTimeLine>

namespace {
constexpr int s_fullStrengthSteps = 20;
constexpr double s_fadePerStep = 0.02;
constexpr int s_frameIntervalMs = 40;
}

Indicator::Indicator(QWidget *parent)
    : QWidget(parent)
{
    TransientMark::mark(this);
    if (parent) {
        m_centerX = (parent->width() - 1) / 2;
        m_centerY = (parent->height() - 1) / 2;
    }
}

void Indicator::setString(const QString &text, int kind)
{
    m_kind = kind;
    m_text = text;
    QFont font(QStringLiteral("wenquanyi"));
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const int halfWidth = metrics.horizontalAdvance(text) - 14;
    const int h = metrics.height();
    // A text narrower than the margin still gets a box one pixel wide.
    setGeometry(QRect(QPoint(m_centerX - qMax(0, halfWidth), m_centerY - h),
                      QPoint(m_centerX + qMax(0, halfWidth), m_centerY + h)));
    run();
}

void Indicator::setImage(int kind)
{
    m_kind = kind;
    m_imagePath = QStringLiteral(":/images/SD.bmp");
    setGeometry(QRect(QPoint(m_centerX - 25, m_centerY - 25), QPoint(m_centerX + 25, m_centerY + 25)));
    run();
}

void Indicator::run()
{
    show();
    runInternal();
    PaintFlush::now();
}

void Indicator::runInternal()
{
    auto *timeLine = new QTimeLine(Intervals::ms(nominalDurationMs()), this);
    timeLine->setFrameRange(13, 90);
    timeLine->setUpdateInterval(Intervals::ms(s_frameIntervalMs));
    connect(timeLine, &QTimeLine::finished, this, &QObject::deleteLater);
    connect(timeLine, &QTimeLine::frameChanged, this, &Indicator::updateStep);
    timeLine->start();
}

void Indicator::setOpacity(qreal opacity)
{
    m_opacity = opacity;
    update();
}

void Indicator::updateStep(int)
{
    if (m_kind != 0)
        return;
    if (m_steps++ <= s_fullStrengthSteps)
        return;
    setOpacity(m_opacity - s_fadePerStep);
}

void Indicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_kind == 0)
        paintText(painter);
    else
        paintPicture(painter);
}

void Indicator::paintText(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QLinearGradient gradient(0, 0, 0, height() - 1);
    gradient.setColorAt(0, QColor(148, 255, 82));
    gradient.setColorAt(1, QColor(133, 229, 73));
    painter.setBrush(gradient);
    painter.drawRoundedRect(rect(), 1.0, 1.0, Qt::AbsoluteSize);
    painter.setPen(Qt::white);
    painter.setOpacity(m_opacity);
    painter.drawText(rect(), Qt::AlignCenter, m_text);
}

void Indicator::paintPicture(QPainter &painter)
{
    // Every picture indicator shows the one card picture, read once.
    static const QString s_sharedPath = m_imagePath;
    painter.setOpacity(m_opacity);
    const QImage picture = PictureCache::image(s_sharedPath);
    if (!picture.isNull())
        painter.drawImage(rect(), picture);
}
