#include "setdata.h"

#include "clocksetter.h"
#include "datetimeparts.h"
#include "edialogtitle.h"
#include "messagechannel.h"
#include "padplacement.h"
#include "storedsettings.h"
#include "systemclock.h"
#include "usernumkey_board.h"
#include "zlineedit.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>

#include <cstdio>

setData::setData(QWidget *parent, Qt::WindowFlags)
    : QFrame(parent)
{
    title = DateTimeParts::buildFrame(this, QStringLiteral("SetData"));
    title->setText(tr("Set Data"));
    connect(title, &EDialogTitle::cancel, this, &setData::set_cancelButton);
    connect(title, &EDialogTitle::done, this, &setData::set_okButton);

    for (ZLineEdit **field : {&yearEdit, &monthEdit, &dayEdit}) {
        auto *edit = new ZLineEdit(this);
        edit->ZsetName(field == &yearEdit ? QStringLiteral("year")
                       : field == &monthEdit ? QStringLiteral("month")
                                             : QStringLiteral("day"));
        connect(edit, &ZLineEdit::emit_lineedit, this, &setData::set_lineedit);
        DateTimeParts::styleField(edit);
        *field = edit;
    }
    yearAdd = stepButton(QStringLiteral("+"), 30, &setData::set_addyearedit);
    yearSub = stepButton(QStringLiteral("-"), 35, &setData::set_subyearedit);
    monthAdd = stepButton(QStringLiteral("+"), 30, &setData::set_addmonthedit);
    monthSub = stepButton(QStringLiteral("-"), 35, &setData::set_submonthedit);
    dayAdd = stepButton(QStringLiteral("+"), 30, &setData::set_adddayedit);
    daySub = stepButton(QStringLiteral("-"), 35, &setData::set_subdayedit);

    m_channel = new MessageChannel(UserNumKey_Board::channelName(), this);
    connect(m_channel, &MessageChannel::received, this, &setData::datetime_received);

    const QDate today = SystemClock::instance()->now().date();
    m_year = QString::asprintf("%04d", today.year());
    m_month = QString::asprintf("%02d", today.month());
    m_day = QString::asprintf("%02d", today.day());
    if (today.year() < 2000) {
        // A clock that lost its battery: bring both clocks to 2000 at once.
        m_year = QStringLiteral("2000");
        set_okButton();
    }
    showTexts();

    const QString format = StoredSettings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat)
                               .value(QStringLiteral("Dateformat")).toString();
    struct Column
    {
        ZLineEdit *field;
        QPushButton *add;
        QPushButton *sub;
        int x;
        int width;
    };
    const Column year{yearEdit, yearAdd, yearSub, 0, 81};
    const Column month{monthEdit, monthAdd, monthSub, 0, 51};
    const Column day{dayEdit, dayAdd, daySub, 0, 51};
    QList<Column> columns;
    QList<int> xs;
    if (format == QLatin1String("mdy")) {
        title->setText(tr("mm/dd/yyyy"));
        columns = {month, day, year};
        xs = {20, 73, 127};
    } else if (format == QLatin1String("dmy")) {
        title->setText(tr("dd/mm/yyyy"));
        columns = {day, month, year};
        xs = {20, 73, 127};
    } else {
        title->setText(tr("yyyy/mm/dd"));
        columns = {year, month, day};
        xs = {20, 104, 158};
    }
    for (int i = 0; i < columns.size(); ++i) {
        const Column &c = columns.at(i);
        DateTimeParts::placeColumn(c.add, c.field, c.sub, xs.at(i), c.width);
    }
}

void setData::setTexts(const QString &year, const QString &month, const QString &day)
{
    m_year = year;
    m_month = month;
    m_day = day;
    showTexts();
}

void setData::showTexts()
{
    yearEdit->setText(m_year);
    monthEdit->setText(m_month);
    dayEdit->setText(m_day);
}

void setData::focusField(ZLineEdit *field)
{
    for (ZLineEdit *edit : {yearEdit, monthEdit, dayEdit})
        edit->setFocusPolicy(edit == field ? Qt::StrongFocus : Qt::NoFocus);
    field->setFocus(Qt::OtherFocusReason);
}

int setData::monthValue() const
{
    return qBound(1, m_month.toInt(), 12);
}

void setData::set_addyearedit()
{
    focusField(yearEdit);
    const int v = m_year.toInt();
    if (v <= 9998)
        m_year = QString::asprintf("%04d", v + 1);
    yearEdit->setText(m_year);
}

void setData::set_subyearedit()
{
    focusField(yearEdit);
    const int v = m_year.toInt();
    if (v >= 2001)
        m_year = QString::asprintf("%04d", v - 1);
    yearEdit->setText(m_year);
}

void setData::set_addmonthedit()
{
    focusField(monthEdit);
    m_month = DateTimeParts::stepAround(m_month, +1, 1, 12);
    monthEdit->setText(m_month);
}

void setData::set_submonthedit()
{
    focusField(monthEdit);
    m_month = DateTimeParts::stepAround(m_month, -1, 1, 12);
    monthEdit->setText(m_month);
}

void setData::set_adddayedit()
{
    focusField(dayEdit);
    m_day = DateTimeParts::stepAround(m_day, +1, 1, ClockSetter::daysInMonth(monthValue(), m_year.toInt()));
    dayEdit->setText(m_day);
}

void setData::set_subdayedit()
{
    focusField(dayEdit);
    m_day = DateTimeParts::stepAround(m_day, -1, 1, ClockSetter::daysInMonth(monthValue(), m_year.toInt()));
    dayEdit->setText(m_day);
}

void setData::set_lineedit(const QString &name)
{
    std::printf("setData [%s] \n", name.toLatin1().constData());
    std::fflush(stdout);
    int mode = UserNumKey_Board::NoField;
    ZLineEdit *field = nullptr;
    QString shown;
    if (name == QLatin1String("year")) {
        mode = UserNumKey_Board::YearField;
        field = yearEdit;
        shown = m_year;
    } else if (name == QLatin1String("month")) {
        mode = UserNumKey_Board::MonthField;
        field = monthEdit;
        shown = m_month;
    } else if (name == QLatin1String("day")) {
        mode = UserNumKey_Board::DayField;
        field = dayEdit;
        shown = m_day;
    } else {
        return;
    }
    disposeBoard(); // one board at a time
    focusField(field);
    auto *board = new UserNumKey_Board;
    board->yearText = m_year;
    if (mode >= UserNumKey_Board::MonthField)
        board->monthText = m_month;
    if (mode == UserNumKey_Board::DayField) {
        board->dayText = m_day;
        board->daysInMonth[2] = ClockSetter::isLeapYear(m_year.toInt()) ? 29 : 28;
        qDebug("year= %d month = %d ", m_year.toInt(), m_month.toInt());
    }
    board->textEdit->setPlainText(shown);
    board->mode = mode;
    const int right = mode == UserNumKey_Board::YearField ? 4 : shown.size() == 2 ? 2 : 1;
    QTextCursor cursor = board->textEdit->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, right);
    board->textEdit->setTextCursor(cursor);
    m_board = board;
    PadPlacement::show(board);
}

int setData::validYear(int year)
{
    if (year >= 2000 && year <= 9999)
        return year;
    return qMax(2000, SystemClock::instance()->now().date().year());
}

void setData::datetime_received(const QString &message, const QByteArray &)
{
    qDebug("setData::datetime_received");
    // Only an open board has a value to read; a stray message changes nothing.
    if (!m_board)
        return;
    const QString typed = m_board->textEdit->toPlainText();
    const int value = typed.toInt();
    if (message == QLatin1String("year")) {
        qDebug("year [%s] ", qPrintable(typed));
        m_year = value >= 2000 && value <= 9999 ? typed : QString::asprintf("%04d", validYear(value));
        yearEdit->setText(m_year);
    } else if (message == QLatin1String("month")) {
        qDebug("month [%s] ", qPrintable(typed));
        m_month = QString::asprintf("%02d", qBound(1, value, 12));
        monthEdit->setText(m_month);
    } else if (message == QLatin1String("day")) {
        qDebug("day [%s] ", qPrintable(typed));
        m_day = QString::asprintf("%02d", value <= 0 ? 1 : value);
        dayEdit->setText(m_day);
    }
    disposeBoard();
    if (message == QLatin1String("close")) {
        close();
        Q_EMIT send_setDate_signals();
        MessageChannel::send(QStringLiteral("setupwindow"), QStringLiteral("close"));
    }
}

void setData::set_okButton()
{
    qDebug("=====================================");
    qDebug("============set_okButton=============");
    qDebug("=====================================");
    const int year = validYear(m_year.toInt());
    const int month = monthValue();
    const int day = qBound(1, m_day.toInt(), ClockSetter::daysInMonth(month, year));
    // One read, so the hour and the minute belong together.
    const QTime now = SystemClock::instance()->now().time();
    ClockSetter::apply(QDate(year, month, day), now, "setData");
    Q_EMIT send_setDate_signals();
}

void setData::set_cancelButton()
{
    Q_EMIT send_setDate_signals();
}

void setData::keyPressEvent(QKeyEvent *event)
{
    DateTimeParts::answerKey(event, [this] { Q_EMIT send_setDate_signals(); }, [this] { set_okButton(); });
}

// The board may still be inside its own handler: close it now, delete it
// when control is back in the event loop.
void setData::disposeBoard()
{
    DateTimeParts::dispose(m_board);
    m_board = nullptr;
}

UserNumKey_Board *setData::board() const
{
    return m_board;
}

QPushButton *setData::stepButton(const QString &text, int pointSize, void (setData::*slot)())
{
    QPushButton *button = DateTimeParts::stepButton(this, text, pointSize);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}
