#include "datetimeparts.h"

#include "edialogtitle.h"
#include "key_num.h"
#include "messagechannel.h"
#include "zlineedit.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

EDialogTitle *DateTimeParts::buildFrame(QFrame *dialog, const QString &name)
{
    dialog->resize(230, 140);
    dialog->setObjectName(name);
    dialog->setWindowFlags(Qt::FramelessWindowHint);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setStyleSheet(QStringLiteral("QFrame#%1{border: 1px solid #8f8f91; border-radius: 6px;}").arg(name));
    auto *title = new EDialogTitle(dialog);
    title->setFixedSize(230, 30);
    return title;
}

void DateTimeParts::placeColumn(QPushButton *add, ZLineEdit *field, QPushButton *sub, int x, int width)
{
    add->setGeometry(x, 40, width, 31);
    field->setGeometry(x, 70, width, 31);
    sub->setGeometry(x, 100, width, 31);
}

QString DateTimeParts::stepAround(const QString &value, int direction, int min, int max)
{
    const int v = value.toInt();
    if (direction > 0)
        return QString::asprintf("%02d", v >= max ? min : v + 1);
    return QString::asprintf("%02d", v <= min ? max : v - 1);
}

void DateTimeParts::answerKey(QKeyEvent *event, const std::function<void()> &closed, const std::function<void()> &done)
{
    if (event->key() == Qt::Key_Escape) {
        closed();
        MessageChannel::send(QStringLiteral("setupwindow"), QStringLiteral("close"));
    } else if (event->key() == Qt::Key_Return) {
        done();
    }
}

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
