#include "brightconfig.h"

#include "brightnesssetting.h"
#include "clcd_power.h"
#include "eglobal.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
constexpr int TrackLeft = 38;
constexpr int TrackTop = 12;
constexpr int TrackHeight = 23;

QPixmap sun(const char *path, int size)
{
    return QPixmap(QLatin1String(path)).scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
} // namespace

BrightConfig::BrightConfig(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("BrightConfig"));
    setFixedHeight(50);
}

void BrightConfig::setValue(int position)
{
    m_value = position;
    update();
}

void BrightConfig::updateLcdPwm(int position)
{
    const int value = BrightnessSetting::backlightValue(position);
    if (CLcd_power *lcd = EGlobal::get_LcdPower())
        lcd->lcd_pwm(value);
    update();
}

bool BrightConfig::inTrack(const QPoint &point, int top)
{
    return point.x() > BrightnessSetting::Min && point.x() <= BrightnessSetting::Max && point.y() >= top
           && point.y() <= 50;
}

void BrightConfig::mousePressEvent(QMouseEvent *event)
{
    m_pressed = inTrack(event->position().toPoint(), 1);
}

void BrightConfig::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (inTrack(point, 1)) {
        if (m_pressed) {
            setValue(point.x());
            updateLcdPwm(point.x());
        }
        return;
    }
    // Leaving the track ends the drag at the end it left by: the panel
    // shows what Done will store. The track's left edge itself (x 38)
    // leaves the position where the drag had it.
    if (m_pressed && point.y() >= 1 && point.y() <= 50 && point.x() != BrightnessSetting::Min) {
        const int end = BrightnessSetting::clamp(point.x());
        if (end != m_value) {
            setValue(end);
            updateLcdPwm(end);
        }
    }
    m_pressed = false;
}

void BrightConfig::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (!inTrack(point, 0)) {
        m_pressed = false;
        return;
    }
    if (m_pressed) {
        setValue(point.x());
        updateLcdPwm(point.x());
    }
}

void BrightConfig::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    drawBg(&painter);
    drawLeftimage(&painter);
    drawBar(&painter);
    drawLightBar(&painter);
    drawRightimage(&painter);
    drawText(&painter);
}

void BrightConfig::drawBg(QPainter *painter)
{
    painter->save();
    painter->setPen(QColor(0x8f, 0x8f, 0x91));
    painter->setBrush(Qt::white);
    painter->drawRoundedRect(QRectF(10, 0, width() - 25, height() - 1), 6, 6);
    painter->restore();
}

void BrightConfig::drawLeftimage(QPainter *painter)
{
    painter->save();
    painter->drawPixmap(10, 10, sun(":/images/sun_p.png", 28));
    painter->restore();
}

void BrightConfig::drawBar(QPainter *painter)
{
    drawBand(painter, (width() - 55) - TrackLeft, QColor(128, 128, 128), QColor(105, 105, 105));
}

void BrightConfig::drawLightBar(QPainter *painter)
{
    drawBand(painter, m_value - TrackLeft, QColor(255, 177, 42), QColor(225, 156, 37));
}

// The track and its lit part: one rounded band from the track's left end,
// shaded from top to bottom.
void BrightConfig::drawBand(QPainter *painter, int bandWidth, const QColor &top, const QColor &bottom)
{
    painter->save();
    QLinearGradient gradient(TrackLeft, TrackTop, TrackLeft, TrackTop + TrackHeight);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->drawRoundedRect(QRectF(TrackLeft, TrackTop, bandWidth, TrackHeight), 2, 2);
    painter->restore();
}

void BrightConfig::drawRightimage(QPainter *painter)
{
    painter->save();
    painter->drawPixmap(width() - 52, 9, sun(":/images/sun.png", 32));
    painter->restore();
}

void BrightConfig::drawText(QPainter *painter)
{
    painter->save();
    painter->setPen(Qt::white);
    painter->setFont(QFont(QStringLiteral("wenquanyi"), 12, QFont::Normal));
    painter->drawText(QRect(93, 16, 35, 19), QStringLiteral("%1%").arg(BrightnessSetting::percent(m_value)));
    painter->restore();
}
