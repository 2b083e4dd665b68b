#include "datetimeparts.h"

#include "key_num.h"
#include "zlineedit.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

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

DateTimeParts::BoardFace DateTimeParts::buildBoardFace(QWidget *board)
{
    board->setStyleSheet(QStringLiteral("background-color: rgb(173, 173, 173);"));
    BoardFace face{};
    face.okButton = new QPushButton(QStringLiteral("OK"), board);
    face.okButton->setGeometry(270, 20, 41, 41);
    face.okButton->setFocusPolicy(Qt::NoFocus);
    face.okButton->setStyleSheet(QStringLiteral("background-color: rgb(112, 128, 144); color: white;"));
    face.textEdit = new QTextEdit(board);
    face.textEdit->setGeometry(1, 1, 261, 81);
    face.textEdit->setStyleSheet(QStringLiteral("background-color: white; color: black; border: 2px solid red;"));
    QFont font = face.textEdit->font();
    font.setPointSize(28);
    face.textEdit->setFont(font);
    auto *label = new QLabel(board);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(0, 82, 321, 161);
    label->setStyleSheet(QStringLiteral("background-color: black;"));
    face.keypad = new Key_Num(board);
    face.keypad->setGeometry(0, 85, 320, 150);
    face.textEdit->setFocus();
    return face;
}
