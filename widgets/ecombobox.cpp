#include "ecombobox.h"

#include <QHBoxLayout>
#include <QLabel>

EComboBox::EComboBox(const QStringList &list, QWidget *parent, Qt::WindowFlags)
    : QPushButton(parent)
    , m_list(list)
{
    setFocusPolicy(Qt::NoFocus);
    setFlat(true);
    setFixedHeight(24);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_label = new QLabel(QString(), this);
    layout->addStretch(0);
    layout->addWidget(m_label, 0);
    layout->addStretch(0);
}

void EComboBox::setCurrentIndex(int index)
{
    if (m_list.isEmpty())
        return;
    m_index = qBound(0, index, int(m_list.size()) - 1);
    m_label->setText(m_list.at(m_index));
}

void EComboBox::setText(const QString &text)
{
    m_label->setText(text);
}

QString EComboBox::text() const
{
    return m_label->text();
}

void EComboBox::setStringList(const QStringList &list)
{
    m_list = list;
    m_index = m_list.isEmpty() ? 0 : qBound(0, m_index, int(m_list.size()) - 1);
}

void EComboBox::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
}
