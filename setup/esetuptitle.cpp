#include "esetuptitle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const s_style =
    "QPushButton:pressed { background-color: rgb(1, 103, 233); margin-left: 0px; }"
    "QLabel { background-color: rgba(0, 0, 0, 0); color: white; }";
}

ESetupTitle::ESetupTitle(QWidget *parent, Qt::WindowFlags flags)
    : ETitleBar(parent, flags, QMargins(2, 4, 4, 8))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(captionLabel());
    layout->addStretch();

    // Not in the layout: no page shows it.
    m_cancelButton = makePictureCancel();
    m_cancelButton->hide();

    setStyleSheet(QLatin1String(s_style));
}

ESetupTitle *ESetupTitle::addToPage(QWidget *page, const QString &caption)
{
    QVBoxLayout *layout = nullptr;
    ESetupTitle *bar = headColumn<ESetupTitle>(page, 0, &layout);
    bar->setText(caption);
    layout->addStretch();
    return bar;
}
