#include "ir_indicator.h"

#include "paintflush.h"
#include "transientmark.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
QFont messageFont(bool bold)
{
    QFont font(QStringLiteral("wenquanyi"), 20, bold ? QFont::Bold : QFont::Normal, false);
    return font;
}

void makeTransparentWindow(QWidget *widget)
{
    widget->setWindowModality(Qt::WindowModal);
    widget->setFocusPolicy(Qt::NoFocus);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 0, 0));
    widget->setPalette(palette);
}
} // namespace

IR_indicator::IR_indicator(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    makeTransparentWindow(this);
    TransientMark::mark(this);
}

void IR_indicator::setString(const QString &message)
{
    m_message = message;
    const int half = QFontMetrics(messageFont(false)).horizontalAdvance(message) / 2;
    setGeometry(QRect(QPoint(160 - half, 105), QPoint(160 + half, 135)));
    update();
    show();
    PaintFlush::now();
}

void IR_indicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(133, 229, 73));
    painter.drawRect(rect());
    const QFont font = messageFont(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const int textWidth = QFontMetrics(font).horizontalAdvance(m_message);
    painter.drawText(QRect((width() - textWidth) / 2, 5, textWidth, height() - 5), 0, m_message);
}
