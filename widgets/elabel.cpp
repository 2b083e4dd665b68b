#include "elabel.h"

#include <QMouseEvent>

namespace {
const char *const s_plainStyle =
    "color: rgb(255,255,255); background-color: rgba(0,0,0,5); margin-left: 2px; text-align: left;";
// A caption named "Value" (the number of a value row) stands flush left.
const char *const s_textStyle =
    "QPushButton { color: rgb(255,255,255); background-color: rgba(0,0,0,5); margin-left: 2px; text-align: left; }"
    "QPushButton#Value { color: rgb(255,255,255); background-color: rgba(0,0,0,5); margin-left: 0px; text-align: left; }";
}

ELabel::ELabel(QWidget *parent)
    : QPushButton(parent)
{
    setUp();
    setStyleSheet(QLatin1String(s_plainStyle));
}

ELabel::ELabel(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setUp();
    setStyleSheet(QLatin1String(s_textStyle));
}

void ELabel::setUp()
{
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void ELabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ELabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void ELabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void ELabel::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
}
