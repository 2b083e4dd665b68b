#include "synthetickey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

bool SyntheticKey::parseCode(const QString &name, int *key)
{
    bool ok = false;
    const int value = name.toInt(&ok, 16);
    if (ok && key)
        *key = value;
    return ok;
}

bool SyntheticKey::isSuppressed(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Print:
    case Qt::Key_Insert:
        return true;
    default:
        return false;
    }
}

QString SyntheticKey::textFor(int key, const QString &caption)
{
    const QString text = caption.trimmed();
    if (text == QLatin1String("&&"))
        return QStringLiteral("&");
    if (key == Qt::Key_Space)
        return QStringLiteral(" ");
    return text;
}

bool SyntheticKey::press(QWidget *target, int key, const QString &text)
{
    if (!target)
        return false;
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text, false, 1);
    QApplication::sendEvent(target, &event);
    return true;
}
