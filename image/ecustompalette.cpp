#include "ecustompalette.h"

#include "edialogtitle.h"

#include <QKeyEvent>
#include <QVBoxLayout>

ECustomPalette::ECustomPalette(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(1);
    m_title = new EDialogTitle(this);
    m_title->setFixedHeight(24);
    m_title->setText(tr("Custom Palette"));
    layout->addWidget(m_title);
    layout->addStretch();
    connect(m_title, &EDialogTitle::cancel, this, &ECustomPalette::slot_cancelClicked);
    connect(m_title, &EDialogTitle::done, this, &ECustomPalette::slot_cancelClicked);
}

void ECustomPalette::setChoose(bool chosen)
{
    m_chosen = chosen;
}

void ECustomPalette::slot_cancelClicked()
{
    close();
}

void ECustomPalette::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        slot_cancelClicked();
}
