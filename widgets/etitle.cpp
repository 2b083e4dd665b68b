#include "etitle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
const int s_buttonWidth = 48;
const char *const s_style =
    "QPushButton#Cancel, QPushButton#Cancel:pressed { background-color: rgb(1, 103, 233); margin-left: 0px; padding-left: 0px; }"
    "QLabel { background-color: rgba(0,0,0, 0); color: white; }";
}

ETitle::ETitle(QWidget *parent, Qt::WindowFlags flags)
    : ETitleBar(parent, flags, QMargins(2, 4, 4, 8))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_cancel = makePictureCancel();

    QLabel *caption = captionLabel();
    // Long titles are clipped by the label, never pushed aside.
    caption->setMinimumWidth(0);
    caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    layout->addSpacing(s_buttonWidth);
    layout->addStretch();
    layout->addWidget(caption, 1, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(m_cancel, 0, Qt::AlignVCenter);

    setStyleSheet(QLatin1String(s_style));
}
