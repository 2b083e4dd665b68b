#include "zlineedit.h"

ZLineEdit::ZLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void ZLineEdit::ZsetName(const QString &name)
{
    m_name = name;
}

void ZLineEdit::mousePressEvent(QMouseEvent *)
{
    Q_EMIT emit_lineedit(m_name);
}
