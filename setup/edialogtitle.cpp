#include "edialogtitle.h"

#include "eglobal.h"
#include "egraphicsview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

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
    : QWidget(parent, flags)
{
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("Cancel"));
    m_doneButton = new QPushButton(tr("Done"), this);
    m_doneButton->setObjectName(QStringLiteral("Done"));
    m_captionLabel = new QLabel(this);
    m_captionLabel->setObjectName(QStringLiteral("Title"));
    for (QPushButton *button : {m_cancelButton, m_doneButton}) {
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_cancelButton, 0, Qt::AlignCenter);
    layout->addStretch();
    layout->addWidget(m_captionLabel);
    layout->addStretch();
    layout->addWidget(m_doneButton, 0, Qt::AlignCenter);

    setStyleSheet(QLatin1String(s_style));
    connect(m_cancelButton, &QPushButton::clicked, this, &EDialogTitle::cancelHandler);
    connect(m_doneButton, &QPushButton::clicked, this, &EDialogTitle::doneHandler);
}

void EDialogTitle::setText(const QString &text)
{
    m_captionLabel->setText(text);
}

QString EDialogTitle::text() const
{
    return m_captionLabel->text();
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

void EDialogTitle::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(QRectF(-1.0, -4.0, width() + 3, height() + 12), QPixmap(QStringLiteral(":/images/setup_title.png")),
                       QRectF());
}
