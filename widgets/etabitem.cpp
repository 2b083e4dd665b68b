#include "etabitem.h"

#include "arrowrow.h"
#include "echeckitem.h"

#include <QHBoxLayout>
#include <QImage>
#include <QPixmap>
#include <QPushButton>

namespace {
const int s_rowHeight = ArrowRow::Height;
const char *const s_style =
    "QPushButton:pressed { background-color: rgb(0, 255, 0); border-style: inset; margin-left: 0px; padding-left: 4px; }"
    "QPushButton { text-align: left center; background-color: red; color: white; padding-left: 2px; }"
    "QPushButton#Setting:pressed, QPushButton#Mode:pressed { background-color: rgb(0, 255, 0); border-style: inset;"
    " margin-left: 0px; padding-left: 16px; }"
    "QPushButton#Setting, QPushButton#Mode { text-align: left center; background-color: red; color: white;"
    " margin-left: 0px; padding-left: 14px; }";

QPushButton *sideButton(QWidget *parent, const QPixmap &picture, const QString &name)
{
    auto *button = new QPushButton(parent);
    button->setFixedWidth(s_rowHeight);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedHeight(s_rowHeight);
    button->setIcon(QIcon(picture));
    button->setIconSize(QSize(s_rowHeight, s_rowHeight));
    button->setObjectName(name);
    return button;
}
}

ETabItem::ETabItem(const QString &text, QWidget *parent)
    : QWidget(parent)
{
    QHBoxLayout *layout = ArrowRow::frame(this, text);

    m_checkItem = new ECheckItem(text, this, 0);
    m_checkItem->setFlat(true);
    m_checkItem->setFocusPolicy(Qt::NoFocus);
    m_checkItem->setFixedHeight(s_rowHeight);
    m_mode = sideButton(this, QPixmap(QStringLiteral(":/images/mode.png")), QStringLiteral("Mode"));
    m_setting = sideButton(this, QPixmap::fromImage(QImage(QStringLiteral(":/images/setting_big_24.png")), Qt::MonoOnly),
                           QStringLiteral("Setting"));

    layout->addWidget(m_checkItem, 0);
    layout->addWidget(m_mode, 0);
    layout->addWidget(m_setting, 0);

    setStyleSheet(QLatin1String(s_style));
    connect(m_checkItem, qOverload<const QString &>(&ECheckItem::clicked), this, &ETabItem::clickedCheckItemHandler);
    connect(m_mode, &QPushButton::clicked, this, &ETabItem::clickedModeItemHandler);
    connect(m_setting, &QPushButton::clicked, this, &ETabItem::clickedArrowItemHandler);
}

bool ETabItem::checked() const
{
    return m_checkItem->checked();
}

void ETabItem::setChecked(bool on)
{
    m_checkItem->setChecked(on);
}

void ETabItem::removeCheck()
{
    m_checkItem->removeCheck();
}

QString ETabItem::text() const
{
    return m_checkItem->text();
}

void ETabItem::setText(const QString &text)
{
    m_checkItem->setText(text);
}

void ETabItem::removeMode()
{
    m_mode->hide();
}

void ETabItem::removeSetup()
{
    m_setting->hide();
}

void ETabItem::clickedCheckItemHandler()
{
    Q_EMIT clickedCheck(objectName());
}

void ETabItem::clickedArrowItemHandler()
{
    Q_EMIT clickedSetup(objectName());
}

void ETabItem::clickedModeItemHandler()
{
    Q_EMIT clickedMode(objectName());
}
