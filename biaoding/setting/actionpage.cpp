#include "actionpage.h"

#include "esetuptitle.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ActionPage::ActionPage(const QString &title, const QString &buttonText, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(5);
    auto *caption = new ESetupTitle(this);
    caption->setText(title);
    caption->setFixedHeight(24);
    m_button = new QPushButton(buttonText, this);
    m_button->setObjectName(QStringLiteral("Action"));
    m_button->setFixedHeight(32);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("Result"));
    m_result->setFixedHeight(26);
    m_result->setAlignment(Qt::AlignCenter);
    layout->addWidget(caption);
    layout->addWidget(m_button);
    layout->addWidget(m_result);
    layout->addStretch();
}
