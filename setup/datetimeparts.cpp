#include "datetimeparts.h"

#include "zlineedit.h"

#include <QPushButton>

QPushButton *DateTimeParts::stepButton(QWidget *parent, const QString &text, int pointSize)
{
    auto *button = new QPushButton(text, parent);
    QFont font = button->font();
    font.setPointSize(pointSize);
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("background-color: rgb(112, 128, 144); color: white;"));
    return button;
}

void DateTimeParts::styleField(ZLineEdit *field)
{
    field->setFocusPolicy(Qt::NoFocus);
    field->setStyleSheet(QStringLiteral("QLineEdit{background-color: rgb(255, 255, 255); border: none;}"
                                        "QLineEdit:focus{border: 2px solid rgb(255, 0, 0);}"));
}

void DateTimeParts::dispose(QWidget *window)
{
    if (!window)
        return;
    window->close();
    window->deleteLater();
}
