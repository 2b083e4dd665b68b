#include "esetupswitch.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
QPixmap face(const char *path)
{
    return QPixmap(QLatin1String(path)).scaled(64, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
} // namespace

ESetupSwitch::ESetupSwitch(const QString &title, QWidget *parent, Qt::WindowFlags)
    : QPushButton(parent)
    , m_onPixmap(face(":images/setup_switch_on.png"))
    , m_offPixmap(face(":images/setup_switch_off.png"))
{
    setObjectName(title);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(30);

    m_titleLabel = new QLabel(title, this);
    m_stateLabel = new QLabel(this);
    m_stateLabel->setPixmap(m_offPixmap);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(5);
    layout->addWidget(m_titleLabel);
    layout->addStretch();
    layout->addWidget(m_stateLabel);
}

void ESetupSwitch::setOpen(bool open)
{
    m_open = open;
    m_stateLabel->setPixmap(open ? m_onPixmap : m_offPixmap);
    update();
}
