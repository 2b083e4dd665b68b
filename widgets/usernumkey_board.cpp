#include "usernumkey_board.h"

#include "key_num.h"
#include "messagechannel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

namespace {

const int s_daysInMonth[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int s_pollMs = 10;

const char s_boardSheet[] = "background-color: rgb(173, 173, 173);";
const char s_okSheet[] = "background-color: rgb(112, 128, 144);\ncolor:rgb(255, 255, 255) ;";
const char s_textSheet[] = "background-color: rgb(255, 255, 255);\ncolor: rgb(0, 0, 0);\n"
                           "border-width: 2px;\nborder-color: rgb(255, 0, 0);\nborder-style: solid;";
const char s_backSheet[] = "background-color: rgb(0, 0, 0);";

int asNumber(const QString &text)
{
    return text.toInt(); // not a number counts as 0
}

} // namespace

UserNumKey_Board::UserNumKey_Board(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("UserNumKeyboard"));
    setWindowTitle(QStringLiteral("Form"));
    resize(320, 240);
    setStyleSheet(QLatin1String(s_boardSheet));
    okButton = new QPushButton(QStringLiteral("ok"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(270, 20, 41, 41);
    okButton->setFocusPolicy(Qt::NoFocus);
    okButton->setStyleSheet(QLatin1String(s_okSheet));
    textEdit = new QTextEdit(this);
    textEdit->setObjectName(QStringLiteral("textEdit"));
    textEdit->setGeometry(1, 1, 261, 81);
    textEdit->setStyleSheet(QLatin1String(s_textSheet));
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(0, 82, 321, 161);
    label->setStyleSheet(QLatin1String(s_backSheet));

    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    textEdit->setFocus(Qt::OtherFocusReason);
    textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    okButton->setText(QStringLiteral("OK"));

    keypad = new Key_Num(this);
    keypad->setGeometry(0, 85, 320, 150);

    connect(okButton, &QPushButton::clicked, this, &UserNumKey_Board::complete_slots);
    pollTimer = new QTimer(this);
    connect(pollTimer, &QTimer::timeout, this, &UserNumKey_Board::timeout_update);
    pollTimer->start(s_pollMs);

    mode = NoField;
    std::copy(std::begin(s_daysInMonth), std::end(s_daysInMonth), std::begin(daysInMonth));
}

QString UserNumKey_Board::channelName()
{
    return QStringLiteral("kdatetimeinterface");
}

int UserNumKey_Board::dayBound(int month) const
{
    return month >= 1 && month <= 12 ? daysInMonth[month] : 0;
}

void UserNumKey_Board::complete_slots()
{
    if (pollTimer->isActive())
        pollTimer->stop();
    static const char *const messages[] = {nullptr, "year", "month", "day"};
    if (mode < YearField || mode > DayField)
        return;
    qDebug("[ %d ] \n", asNumber(textEdit->toPlainText()));
    // Nothing of the board is touched after the message: its receiver
    // disposes of the board.
    MessageChannel::send(channelName(), QLatin1String(messages[mode]));
}

void UserNumKey_Board::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (event->key() == Qt::Key_Escape)
        MessageChannel::send(channelName(), QStringLiteral("close"));
}

void UserNumKey_Board::moveCursorTo(int position)
{
    QTextCursor cursor = textEdit->textCursor();
    cursor.setPosition(position);
    textEdit->setTextCursor(cursor);
}

void UserNumKey_Board::keepFirst(int count)
{
    textEdit->setPlainText(textEdit->toPlainText().left(count));
    moveCursorTo(count);
}

void UserNumKey_Board::bound(int maximum)
{
    const QString text = textEdit->toPlainText();
    if (text.size() >= 3) {
        keepFirst(2);
    } else if (text.size() == 2) {
        if (maximum > 0 && asNumber(text) > maximum)
            keepFirst(1);
    } else if (text.size() == 1) {
        moveCursorTo(1);
    }
}

void UserNumKey_Board::timeout_update()
{
    switch (mode) {
    case YearField:
        if (textEdit->toPlainText().size() >= 5) {
            keepFirst(4);
            qDebug("===== %d ===== \n", textEdit->textCursor().position());
        }
        break;
    case MonthField:
        bound(12);
        break;
    case DayField:
        bound(dayBound(asNumber(monthText)));
        break;
    default:
        break;
    }
}
