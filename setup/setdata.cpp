#include "setdata.h"

#include "messagechannel.h"
#include "systemclock.h"
#include "usernumkey_board.h"
#include "zlineedit.h"

#include <QTextEdit>

namespace {
bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
} // namespace

setData::setData(QWidget *parent)
    : QWidget(parent)
{
    struct Field
    {
        ZLineEdit **edit;
        const char *name;
        int x;
    };
    for (const Field &field : {Field{&yearEdit, "year", 10}, Field{&monthEdit, "month", 110}, Field{&dayEdit, "day", 210}}) {
        auto *edit = new ZLineEdit(this);
        edit->ZsetName(QLatin1String(field.name));
        edit->setGeometry(field.x, 60, 90, 40);
        connect(edit, &ZLineEdit::emit_lineedit, this, &setData::set_lineedit);
        *field.edit = edit;
    }
    m_channel = new MessageChannel(UserNumKey_Board::channelName(), this);
    connect(m_channel, &MessageChannel::received, this, &setData::datetime_received);
}

void setData::set_lineedit(const QString &name)
{
    int mode = UserNumKey_Board::NoField;
    ZLineEdit *field = nullptr;
    if (name == QLatin1String("year")) {
        mode = UserNumKey_Board::YearField;
        field = yearEdit;
    } else if (name == QLatin1String("month")) {
        mode = UserNumKey_Board::MonthField;
        field = monthEdit;
    } else if (name == QLatin1String("day")) {
        mode = UserNumKey_Board::DayField;
        field = dayEdit;
    } else {
        return;
    }
    disposeBoard(); // one board at a time
    auto *board = new UserNumKey_Board;
    board->yearText = yearEdit->text();
    if (mode >= UserNumKey_Board::MonthField)
        board->monthText = monthEdit->text();
    if (mode == UserNumKey_Board::DayField) {
        board->dayText = dayEdit->text();
        board->daysInMonth[2] = isLeapYear(yearEdit->text().toInt()) ? 29 : 28;
    }
    board->textEdit->setPlainText(field->text());
    board->mode = mode;
    const int right = mode == UserNumKey_Board::YearField ? 4 : field->text().size() == 2 ? 2 : 1;
    QTextCursor cursor = board->textEdit->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, right);
    board->textEdit->setTextCursor(cursor);
    board->show();
    m_board = board;

    for (ZLineEdit *edit : {yearEdit, monthEdit, dayEdit})
        edit->setFocusPolicy(edit == field ? Qt::StrongFocus : Qt::NoFocus);
    field->setFocus();
}

void setData::datetime_received(const QString &message, const QByteArray &)
{
    if (m_board) {
        const int value = m_board->textEdit->toPlainText().toInt();
        if (message == QLatin1String("year")) {
            int year = value;
            if (year < 2000)
                year = qMax(2000, SystemClock::instance()->now().date().year());
            yearEdit->setText(QString::asprintf("%04d", year));
        } else if (message == QLatin1String("month") || message == QLatin1String("day")) {
            ZLineEdit *field = message == QLatin1String("month") ? monthEdit : dayEdit;
            field->setText(QString::asprintf("%02d", value == 0 ? 1 : value));
        }
    }
    disposeBoard();
    if (message == QLatin1String("close")) {
        close();
        send_setDate_signals();
        MessageChannel::send(QStringLiteral("setupwindow"), QStringLiteral("close"));
    }
}

void setData::send_setDate_signals()
{
    Q_EMIT setDateSignals();
}

// The board may still be inside its own handler: close it now, delete it
// when control is back in the event loop.
void setData::disposeBoard()
{
    if (!m_board)
        return;
    m_board->close();
    m_board->deleteLater();
    m_board = nullptr;
}
