#include "storedsettings.h"
#include "zsettime.h"

#include "clocksetter.h"
#include "datetimeparts.h"
#include "edialogtitle.h"
#include "messagechannel.h"
#include "padplacement.h"
#include "systemclock.h"
#include "usersettime_board.h"
#include "zlineedit.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>

#include <cstdio>

ZSetTime::ZSetTime(QWidget *parent, Qt::WindowFlags)
    : QFrame(parent)
{
    title = DateTimeParts::buildFrame(this, QStringLiteral("SetTime"));
    Create_Ui();
    const QTime now = SystemClock::instance()->now().time();
    if (m_format == 12) {
        const QString shown = now.toString(QStringLiteral("hh:mm AP"));
        m_hour = shown.left(2);
        m_minute = shown.mid(3, 2);
        amPmButton->setText(shown.right(2));
    } else {
        m_hour = QString::asprintf("%02d", now.hour());
        m_minute = QString::asprintf("%02d", now.minute());
    }
    hourEdit->setText(m_hour);
    minuteEdit->setText(m_minute);
}

void ZSetTime::Create_Ui()
{
    connect(title, &EDialogTitle::cancel, this, &ZSetTime::set_cancelslots);
    connect(title, &EDialogTitle::done, this, &ZSetTime::set_okslots);

    for (ZLineEdit **field : {&hourEdit, &minuteEdit}) {
        auto *edit = new ZLineEdit(this);
        edit->ZsetName(field == &hourEdit ? QStringLiteral("hour") : QStringLiteral("minute"));
        DateTimeParts::styleField(edit);
        edit->setAlignment(Qt::AlignCenter);
        connect(edit, &ZLineEdit::emit_lineedit, this, &ZSetTime::set_lineedit);
        *field = edit;
    }
    hourAdd = stepButton(QStringLiteral("+"), 30, &ZSetTime::set_hour_add);
    hourSub = stepButton(QStringLiteral("-"), 35, &ZSetTime::set_hour_sub);
    minuteAdd = stepButton(QStringLiteral("+"), 30, &ZSetTime::set_minute_add);
    minuteSub = stepButton(QStringLiteral("-"), 35, &ZSetTime::set_minute_sub);
    amPmButton = stepButton(QStringLiteral("AM"), font().pointSize(), &ZSetTime::set_timeformatbutton);

    const QString format = StoredSettings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat)
                               .value(QStringLiteral("Timeformat")).toString();
    int hourX = 60;
    int minuteX = 121;
    if (format == QLatin1String("12")) {
        title->setText(tr("12-Hour"));
        m_format = 12;
        hourX = 21;
        minuteX = 83;
        amPmButton->setGeometry(145, 70, 65, 31);
    } else {
        title->setText(tr("24-Hour"));
        m_format = 24;
        amPmButton->hide();
    }
    DateTimeParts::placeColumn(hourAdd, hourEdit, hourSub, hourX, 51);
    DateTimeParts::placeColumn(minuteAdd, minuteEdit, minuteSub, minuteX, 51);
}

void ZSetTime::setTexts(const QString &hour, const QString &minute)
{
    m_hour = hour;
    m_minute = minute;
    hourEdit->setText(m_hour);
    minuteEdit->setText(m_minute);
}

int ZSetTime::to24Hour(int hour12, bool pm)
{
    if (pm)
        return hour12 == 12 ? 12 : hour12 + 12;
    return hour12 == 12 ? 0 : hour12;
}

void ZSetTime::focusField(ZLineEdit *field)
{
    ZLineEdit *other = field == hourEdit ? minuteEdit : hourEdit;
    other->setFocusPolicy(Qt::NoFocus);
    field->setFocusPolicy(Qt::StrongFocus);
    field->setFocus(Qt::OtherFocusReason);
}

void ZSetTime::set_hour_add()
{
    focusField(hourEdit);
    m_hour = DateTimeParts::stepAround(m_hour, +1, minHour(), maxHour());
    hourEdit->setText(m_hour);
}

void ZSetTime::set_hour_sub()
{
    focusField(hourEdit);
    m_hour = DateTimeParts::stepAround(m_hour, -1, minHour(), maxHour());
    hourEdit->setText(m_hour);
}

void ZSetTime::set_minute_add()
{
    focusField(minuteEdit);
    m_minute = DateTimeParts::stepAround(m_minute, +1, 0, 59);
    minuteEdit->setText(m_minute);
}

void ZSetTime::set_minute_sub()
{
    focusField(minuteEdit);
    m_minute = DateTimeParts::stepAround(m_minute, -1, 0, 59);
    minuteEdit->setText(m_minute);
}

void ZSetTime::set_timeformatbutton()
{
    amPmButton->setText(amPmButton->text() == QLatin1String("AM") ? QStringLiteral("PM") : QStringLiteral("AM"));
}

void ZSetTime::set_lineedit(const QString &name)
{
    ZLineEdit *field = nullptr;
    QString shown;
    if (name == QLatin1String("hour")) {
        field = hourEdit;
        shown = m_hour;
    } else if (name == QLatin1String("minute")) {
        field = minuteEdit;
        shown = m_minute;
    } else {
        return;
    }
    disposeBoard(); // one board at a time
    focusField(field);
    auto *board = new USersetTime_Board;
    board->title = name;
    board->text = shown;
    board->textEdit->setPlainText(shown);
    QTextCursor cursor = board->textEdit->textCursor();
    cursor.setPosition(shown.size());
    board->textEdit->setTextCursor(cursor);
    connect(board, &USersetTime_Board::send_timestr, this, &ZSetTime::get_timestr);
    m_board = board;
    PadPlacement::show(board);
}

void ZSetTime::get_timestr(const QString &title, const QString &value)
{
    const QTime now = SystemClock::instance()->now().time();
    if (title == QLatin1String("hour")) {
        qDebug("hour [%s]", qPrintable(value));
        int hour = value.toInt();
        if (value.isEmpty())
            hour = m_format == 12 ? now.toString(QStringLiteral("hh AP")).left(2).toInt() : now.hour();
        // The board's poll may not have run yet: the range is checked here too.
        hour = qBound(minHour(), hour, maxHour());
        m_hour = QString::asprintf("%02d", hour);
        hourEdit->setText(m_hour);
    } else if (title == QLatin1String("minute")) {
        qDebug("minute [%s]", qPrintable(value));
        const int minute = value.isEmpty() ? now.minute() : qBound(0, value.toInt(), 59);
        m_minute = QString::asprintf("%02d", minute);
        minuteEdit->setText(m_minute);
    }
    disposeBoard();
    if (title == QLatin1String("close")) {
        close();
        Q_EMIT send_timeclosesignals();
        MessageChannel::send(QStringLiteral("setupwindow"), QStringLiteral("close"));
    }
}

void ZSetTime::set_okslots()
{
    // One read of the clock for the date.
    QDate date = SystemClock::instance()->now().date();
    if (date.year() < 2000)
        date = QDate(2000, date.month(), date.day());
    int hour = qBound(minHour(), m_hour.toInt(), maxHour());
    const int minute = qBound(0, m_minute.toInt(), 59);
    if (m_format == 12) {
        const bool pm = amPmButton->text() == QLatin1String("PM");
        std::printf(pm ? "======== %d ======== \n" : "else ======== %d ======== \n", hour);
        std::fflush(stdout);
        hour = to24Hour(hour, pm);
    }
    ClockSetter::apply(date, QTime(hour, minute), "ZSetTime");
    Q_EMIT send_timeclosesignals();
}

void ZSetTime::set_cancelslots()
{
    Q_EMIT send_timeclosesignals();
}

void ZSetTime::keyPressEvent(QKeyEvent *event)
{
    DateTimeParts::answerKey(event, [this] { Q_EMIT send_timeclosesignals(); }, [this] { set_okslots(); });
}

// The board is still inside its own handler when its result arrives.
void ZSetTime::disposeBoard()
{
    DateTimeParts::dispose(m_board);
    m_board = nullptr;
}

USersetTime_Board *ZSetTime::board() const
{
    return m_board;
}

QPushButton *ZSetTime::stepButton(const QString &text, int pointSize, void (ZSetTime::*slot)())
{
    QPushButton *button = DateTimeParts::stepButton(this, text, pointSize);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}
