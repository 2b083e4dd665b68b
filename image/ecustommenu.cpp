#include "ecustommenu.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton *entry(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setFlat(true);
    button->setFixedHeight(32);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(2);
    return line;
}

void colour(QPushButton *button, bool on)
{
    button->setStyleSheet(on ? QStringLiteral("QPushButton{color:white}") : QStringLiteral("QPushButton{color:grey}"));
}
} // namespace

ECustomMenu::ECustomMenu(QWidget *parent, int)
    : QFrame(parent)
{
    setFixedSize(120, 100);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_add = entry(tr("Add"), this);
    m_remove = entry(tr("Remove"), this);
    m_rename = entry(tr("Rename"), this);
    layout->addWidget(m_add);
    layout->addWidget(separator(this));
    layout->addWidget(m_remove);
    layout->addWidget(separator(this));
    layout->addWidget(m_rename);
    setStyleSheet(QStringLiteral("QPushButton{text-align: center; color: white; background-color: rgb(0,0,0);}"
                                 "QPushButton:pressed{background-color: rgb(0,255,0);}"));
    for (QPushButton *button : {m_add, m_remove, m_rename}) {
        colour(button, true);
        connect(button, &QPushButton::clicked, this, &QWidget::hide);
    }
    connect(m_add, &QPushButton::clicked, this, &ECustomMenu::slot_clickedAdd);
    connect(m_remove, &QPushButton::clicked, this, &ECustomMenu::slot_clickedRemove);
    connect(m_rename, &QPushButton::clicked, this, &ECustomMenu::slot_clickedRename);
}

void ECustomMenu::setAddEnable(bool on)
{
    m_addEnable = on;
    colour(m_add, on);
}

void ECustomMenu::setRemoveEnable(bool on)
{
    m_removeEnable = on;
    colour(m_remove, on);
}

void ECustomMenu::setRenameEnable(bool on)
{
    m_renameEnable = on;
    colour(m_rename, on);
}

void ECustomMenu::slot_clickedAdd()
{
    if (m_addEnable)
        emit signal_add();
}

void ECustomMenu::slot_clickedRemove()
{
    if (m_removeEnable)
        emit signal_remove();
}

void ECustomMenu::slot_clickedRename()
{
    if (m_renameEnable)
        emit signal_rename();
}

void ECustomMenu::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
}

void ECustomMenu::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPixmap frame(QStringLiteral(":/images/custommenu.png"));
    painter.drawPixmap(QRect(-2, -4, width() + 6, height() + 12), frame);
}
