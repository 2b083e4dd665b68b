#include "espinbox.h"

#include <QEvent>
#include <QLineEdit>
#include <QLocale>

#include <cmath>
#include <limits>

ESpinBox::ESpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    lineEdit()->setReadOnly(true);
    // The row's own arrows step the value and tell the owner; built-in
    // buttons would change it behind the owner's back.
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setFocusPolicy(Qt::NoFocus);
}

double ESpinBox::scale() const
{
    return std::pow(10.0, m_decimals);
}

int ESpinBox::scaled(double value) const
{
    const double product = double(float(value * scale()));
    if (!std::isfinite(product))
        return product < 0 ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    const double rounded = std::round(product);
    if (rounded <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (rounded >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(rounded);
}

// Rounded to nearest: truncating would turn 0.01 into 0.00 at two decimals
// when the float product lands just below 1.
void ESpinBox::setRange(float min, float max)
{
    QSpinBox::setRange(scaled(min), scaled(max));
}

void ESpinBox::setValue(float value)
{
    QSpinBox::setValue(scaled(value));
}

double ESpinBox::value() const
{
    return QSpinBox::value() / scale();
}

double ESpinBox::singleStep_float() const
{
    return QSpinBox::singleStep() / scale();
}

void ESpinBox::setSingleStep(double step, bool keep)
{
    if (keep || m_stepNotRemembered)
        m_originStep = step;
    m_stepNotRemembered = false;
    QSpinBox::setSingleStep(scaled(step));
}

void ESpinBox::setObjectName(const QString &name)
{
    if (name == QLatin1String("Emiss"))
        lineEdit()->installEventFilter(this);
    QSpinBox::setObjectName(name);
}

bool ESpinBox::eventFilter(QObject *watched, QEvent *event)
{
    // A disabled widget still passes its events through the filters: a
    // greyed value must not answer a tap.
    if (event->type() == QEvent::MouseButtonRelease && isEnabled())
        Q_EMIT clicked();
    return QObject::eventFilter(watched, event);
}

QString ESpinBox::textFromValue(int value) const
{
    const qint64 v = value;
    switch (m_decimals) {
    case 0:
        return QString::number(value);
    case 1: {
        const qint64 q = v / 10;
        const qint64 r = v % 10;
        if (q == 0 && r < 0)
            return QStringLiteral("-%1.%2").arg(q).arg(-r);
        return QStringLiteral("%1.%2").arg(q).arg(qAbs(r));
    }
    case 2: {
        const qint64 q = v / 100;
        const qint64 r = v % 100;
        const qint64 a = qAbs(r);
        if (q == 0 && r < 0)
            return QStringLiteral("-%1.%2%3").arg(q).arg(a / 10).arg(a % 10);
        return QStringLiteral("%1.%2%3").arg(q).arg(a / 10).arg(a % 10);
    }
    default:
        return QSpinBox::textFromValue(value);
    }
}

bool ESpinBox::parse(const QString &text, int *value) const
{
    QString body = text;
    if (!prefix().isEmpty() && body.startsWith(prefix()))
        body.remove(0, prefix().size());
    if (!suffix().isEmpty() && body.endsWith(suffix()))
        body.chop(suffix().size());
    body = body.trimmed();
    bool ok = false;
    if (m_decimals == 1 || m_decimals == 2) {
        const double number = QLocale::c().toDouble(body, &ok);
        if (ok)
            *value = scaled(number);
    } else {
        *value = locale().toInt(body, &ok);
    }
    return ok;
}

int ESpinBox::valueFromText(const QString &text) const
{
    int v = QSpinBox::value();
    parse(text, &v);
    return v;
}

QValidator::State ESpinBox::validate(QString &input, int &) const
{
    int v = 0;
    if (!parse(input, &v))
        return QValidator::Intermediate;
    return (v >= minimum() && v <= maximum()) ? QValidator::Acceptable : QValidator::Intermediate;
}
