#include "usekeyboarddialog.h"

#include "widgetkeyboard.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>

namespace {
const char s_textSheet[] = "QTextEdit {\nborder-width: 2px;\nborder-style: solid;\n"
                           "border-color: rgba(255, 0, 0,200);\nborder-radius: 5px;\n}";
}

UseKeyBoardDialog::UseKeyBoardDialog(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    setCursor(Qt::BlankCursor);

    setObjectName(QStringLiteral("KeyBoardDialog"));
    setWindowTitle(QStringLiteral("Form"));
    resize(320, 240);
    setFocusPolicy(Qt::NoFocus);

    button = new QPushButton(this);
    button->setObjectName(QStringLiteral("button"));
    button->setGeometry(257, 11, 61, 31);
    textEdit = new QTextEdit(this);
    textEdit->setObjectName(QStringLiteral("textEdit"));
    textEdit->setGeometry(3, 5, 251, 85);
    textEdit->setStyleSheet(QLatin1String(s_textSheet));
    button_2 = new QPushButton(this);
    button_2->setObjectName(QStringLiteral("button_2"));
    button_2->setGeometry(258, 49, 61, 31);

    textEdit->setFocus(Qt::OtherFocusReason);
    textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    button->setText(tr("Done"));
    button_2->setText(tr("Cancel"));
    button->setFocusPolicy(Qt::NoFocus);
    button_2->setFocusPolicy(Qt::NoFocus);

    keyboard = new WidgetKeyboard(this);
    keyboard->setFocusPolicy(Qt::NoFocus);
    keyboard->setGeometry(0, 90, 320, 150);

    connect(button, &QPushButton::clicked, this, &UseKeyBoardDialog::btnShow_clicked);
    connect(button_2, &QPushButton::clicked, this, &UseKeyBoardDialog::btnHide_clicked);
}

void UseKeyBoardDialog::setCurrentText(const QString &text)
{
    textEdit->setPlainText(text);
    textEdit->moveCursor(QTextCursor::End);
}

void UseKeyBoardDialog::btnShow_clicked()
{
    const QString text = textEdit->toPlainText();
    qWarning("Func %s Line %d Dat %s Size %d \n", "btnShow_clicked", 42, text.toLatin1().constData(),
             int(text.size()));
    Q_EMIT Keyboard_exit(true);
}

void UseKeyBoardDialog::btnHide_clicked()
{
    // The keyboard is only put away: an owner that keeps the dialog shows it
    // again, and then it needs its keyboard back.
    keyboard->hide();
    Q_EMIT Keyboard_exit(false);
}

void UseKeyBoardDialog::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    keyboard->show();
}

void UseKeyBoardDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        btnHide_clicked();
    event->accept();
}
