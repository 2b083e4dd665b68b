#include "eircoreadjustitem.h"

#include "arrowrepeat.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

EIRCoreAdjustItem::EIRCoreAdjustItem(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setWindowModality(Qt::WindowModal);
    setFixedHeight(30);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_down = new QPushButton(this);
    m_down->setObjectName(QStringLiteral("Left"));
    m_down->setIcon(QIcon(QStringLiteral(":/images/setup_arrow_left.png")));
    m_up = new QPushButton(this);
    m_up->setObjectName(QStringLiteral("Right"));
    m_up->setIcon(QIcon(QStringLiteral(":/images/setup_arrow_right.png")));
    for (QPushButton *arrow : {m_down, m_up}) {
        arrow->setFlat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setFixedWidth(32);
        arrow->setIconSize(QSize(16, 16));
    }
    m_value = new QPushButton(QStringLiteral("0"), this);
    m_value->setObjectName(QStringLiteral("Value"));
    m_value->setFlat(true);
    m_value->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_down);
    layout->addWidget(m_value, 1);
    layout->addWidget(m_up);
    setStyleSheet(QStringLiteral("EIRCoreAdjustItem{background:white;} QPushButton{color:black;}"));
    setAttribute(Qt::WA_StyledBackground);

    m_repeat = new ArrowRepeat(m_down, m_up, this);
    m_repeat->followArrows();
    connect(m_repeat, &ArrowRepeat::stepRequested, this,
            [this](int direction, int ticks) { setValue(m_current + direction * stride(ticks, m_step), true); });
    connect(m_value, &QPushButton::pressed, this, [this] { Q_EMIT clicked(objectName()); });
}

int EIRCoreAdjustItem::stride(int ticks, int step)
{
    if (ticks <= 9)
        return step;
    if (ticks <= 19)
        return 10 * step;
    if (ticks <= 39)
        return 100 * step;
    return 0;
}

void EIRCoreAdjustItem::setRange(int min, int max)
{
    m_min = min;
    m_max = max;
}

void EIRCoreAdjustItem::setValue(int value, bool notify)
{
    m_current = qBound(m_min, value, m_max);
    m_value->setText(QString::number(m_current));
    if (notify)
        Q_EMIT valueChanged(objectName(), m_current);
}

int EIRCoreAdjustItem::value() const
{
    return m_current;
}

void EIRCoreAdjustItem::keyPressEvent(QKeyEvent *)
{
    qDebug("%s %s", "ircore/ircoreadjustitem", "keyPressEvent");
    m_repeat->stop();
    close();
    Q_EMIT signal_close(objectName());
}
