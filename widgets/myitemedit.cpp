#include "myitemedit.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
const char s_rowSheet[] = "QPushButton {\nbackground-color: rgb(255,255,255);\nborder-style: solid;\n"
                          "border-color: #8f8f91;\nborder-width: 2px;\nborder-radius: 6px;\n}\n"
                          "QPushButton:Pressed {\nbackground-color: rgb(1, 103, 233);\nborder-style: solid;\n"
                          "border-color: #8f8f91;\nborder-width: 2px;\nborder-radius: 6px;\n"
                          "color: rgb(0,0,0);\n}\n";
}

MyItemEdit::MyItemEdit(const QString &title, int id, QWidget *parent)
    : QPushButton(parent)
    , m_id(id)
{
    setObjectName(title);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    m_title = new QLabel(title, this);
    m_value = new QLabel(QString(), this);
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addSpacing(5);
    layout->addWidget(m_title);
    layout->addStretch();
    layout->addWidget(m_value);
    layout->addSpacing(5);
    setLayout(layout);
    setStyleSheet(QLatin1String(s_rowSheet));
    connect(this, &QPushButton::clicked, this, &MyItemEdit::slot_pressed);
}

QString MyItemEdit::title() const
{
    return m_title->text();
}

void MyItemEdit::setTitle(const QString &title)
{
    m_title->setText(title);
}

QString MyItemEdit::text() const
{
    return m_value->text();
}

void MyItemEdit::setText(const QString &text)
{
    m_value->setText(text);
}

void MyItemEdit::slot_pressed()
{
    Q_EMIT sign_pressed(m_id);
}
