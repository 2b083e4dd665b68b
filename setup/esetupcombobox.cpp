#include "esetupcombobox.h"

#include <QHBoxLayout>
#include <QLabel>

ESetupComboBox::ESetupComboBox(const QString &title, QWidget *parent, Qt::WindowFlags)
    : QPushButton(parent)
{
    setObjectName(title);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(30);

    auto *caption = new QLabel(title, this);
    m_valueLabel = new QLabel(this);
    m_arrowLabel = new QLabel(this);
    m_arrowLabel->setPixmap(QPixmap(QStringLiteral(":images/setup_arrow_right.png"))
                                .scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_arrowLabel->setFixedWidth(16);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(2);
    layout->addWidget(caption);
    layout->addStretch();
    layout->addWidget(m_valueLabel);
    layout->addWidget(m_arrowLabel);
}

void ESetupComboBox::setText(const QString &value)
{
    m_valueLabel->setText(value);
}

QString ESetupComboBox::text() const
{
    return m_valueLabel->text();
}

void ESetupComboBox::removeIcon()
{
    m_arrowLabel->hide();
}
