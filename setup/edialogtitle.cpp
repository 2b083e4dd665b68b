#include "edialogtitle.h"

#include "eglobal.h"
#include "egraphicsview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const s_style =
    "QPushButton#Done { background-color: rgb(1, 103, 233); border: 2px solid #8f8f91; border-radius: 6px; }"
    "QPushButton#Cancel { background-color: gray; border: 2px solid #8f8f91; border-radius: 6px; }"
    "QLabel { background-color: rgba(0, 0, 0, 0); color: white; }";

// No live view yet (tests, early start): nothing to tell.
void clearSetupVisible()
{
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setSetupVisibled(false);
}
} // namespace

EDialogTitle::EDialogTitle(QWidget *parent, Qt::WindowFlags flags)
    : ETitleBar(parent, flags, QMargins(1, 4, 2, 8))
{
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("Cancel"));
    m_doneButton = new QPushButton(tr("Done"), this);
    m_doneButton->setObjectName(QStringLiteral("Done"));
    for (QPushButton *button : {m_cancelButton, m_doneButton}) {
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_cancelButton, 0, Qt::AlignCenter);
    layout->addStretch();
    layout->addWidget(captionLabel());
    layout->addStretch();
    layout->addWidget(m_doneButton, 0, Qt::AlignCenter);

    setStyleSheet(QLatin1String(s_style));
    connect(m_cancelButton, &QPushButton::clicked, this, &EDialogTitle::cancelHandler);
    connect(m_doneButton, &QPushButton::clicked, this, &EDialogTitle::doneHandler);
}

EDialogTitle *EDialogTitle::headColumnDialog(QWidget *dialog, QVBoxLayout **column)
{
    dialog->setWindowFlags(Qt::FramelessWindowHint);
    dialog->setWindowModality(Qt::WindowModal);
    return headColumn<EDialogTitle>(dialog, 1, column);
}

void EDialogTitle::cancelHandler()
{
    clearSetupVisible();
    Q_EMIT cancel();
}

void EDialogTitle::doneHandler()
{
    clearSetupVisible();
    Q_EMIT done();
}
