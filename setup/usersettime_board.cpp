#include "storedsettings.h"
#include "usersettime_board.h"

#include "datetimeparts.h"
#include "intervals.h"
#include "key_num.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>
#include <QTimer>

USersetTime_Board::USersetTime_Board(QWidget *parent)
    : QWidget(parent)
{
    resize(320, 240);
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    Create_Ui();
    pollTimer = new QTimer(this);
    connect(pollTimer, &QTimer::timeout, this, &USersetTime_Board::real_update_time);
    pollTimer->start(Intervals::ms(10));
    const QString format = StoredSettings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat)
                               .value(QStringLiteral("Timeformat")).toString();
    timeFormat = format == QLatin1String("12") ? 12 : 24;
}

void USersetTime_Board::Create_Ui()
{
    const DateTimeParts::BoardFace face = DateTimeParts::buildBoardFace(this);
    textEdit = face.textEdit;
    okButton = face.okButton;
    keypad = face.keypad;
    connect(okButton, &QPushButton::clicked, this, &USersetTime_Board::exit_Button_slots);
}

void USersetTime_Board::moveCursorTo(int position)
{
    QTextCursor cursor = textEdit->textCursor();
    cursor.setPosition(position);
    textEdit->setTextCursor(cursor);
}

void USersetTime_Board::real_update_time()
{
    const QString current = textEdit->toPlainText();
    if (current.size() > 2) {
        textEdit->setPlainText(current.left(2));
        moveCursorTo(2);
        return;
    }
    if (current.size() == 1) {
        moveCursorTo(1);
        return;
    }
    if (current.size() != 2)
        return;
    const int value = current.toInt();
    int maximum = 59;
    if (title == QLatin1String("hour"))
        maximum = timeFormat == 12 ? 12 : 23;
    else if (title != QLatin1String("minute"))
        return;
    if (value > maximum) {
        textEdit->setPlainText(current.left(1));
        moveCursorTo(1);
    }
}

void USersetTime_Board::exit_Button_slots()
{
    text = textEdit->toPlainText();
    Q_EMIT send_timestr(title, text);
}

void USersetTime_Board::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        Q_EMIT send_timestr(QStringLiteral("close"), QString());
}
