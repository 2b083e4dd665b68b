#pragma once

#include <QFrame>
#include <QPointer>

class EDialogTitle;
class QPushButton;
class USersetTime_Board;
class ZLineEdit;

// The time dialog: hour and minute with "+" and "-" each and, on the 12-hour
// clock, an AM/PM button. A tap on a field opens the time entry board. Done
// sets the system clock and the clock chip to today at the chosen time.
class ZSetTime : public QFrame
{
    Q_OBJECT
public:
    explicit ZSetTime(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    QString hourText() const { return m_hour; }
    QString minuteText() const { return m_minute; }
    void setTexts(const QString &hour, const QString &minute);
    int timeFormat() const { return m_format; }
    USersetTime_Board *board() const;

    QPushButton *hourAdd = nullptr;
    QPushButton *hourSub = nullptr;
    QPushButton *minuteAdd = nullptr;
    QPushButton *minuteSub = nullptr;
    ZLineEdit *hourEdit = nullptr;
    ZLineEdit *minuteEdit = nullptr;
    EDialogTitle *title = nullptr;
    QPushButton *amPmButton = nullptr;

    // The hour of the 24-hour clock for an hour of the 12-hour clock.
    static int to24Hour(int hour12, bool pm);

Q_SIGNALS:
    void send_timeclosesignals();

public Q_SLOTS:
    void set_lineedit(const QString &name);
    void get_timestr(const QString &title, const QString &value);
    void set_hour_add();
    void set_hour_sub();
    void set_minute_add();
    void set_minute_sub();
    void set_okslots();
    void set_cancelslots();
    void set_timeformatbutton();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Create_Ui();
    QPushButton *stepButton(const QString &text, int pointSize, void (ZSetTime::*slot)());
    void focusField(ZLineEdit *field);
    void disposeBoard();
    int maxHour() const { return m_format == 12 ? 12 : 23; }
    int minHour() const { return m_format == 12 ? 1 : 0; }

    QPointer<USersetTime_Board> m_board;
    QString m_hour;
    QString m_minute;
    int m_format = 24;
};
