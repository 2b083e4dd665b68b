#pragma once

#include <QString>
#include <QWidget>

class Key_Num;
class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;

// Full-screen frameless board for typing the year, month or day of the date
// dialog. It keeps the typed value in shape every 10 ms and tells the dialog
// on the "kdatetimeinterface" channel which field is finished; the dialog
// reads textEdit and disposes of the board.
class UserNumKey_Board : public QWidget
{
    Q_OBJECT
public:
    enum Mode { NoField = 0, YearField = 1, MonthField = 2, DayField = 3 };

    explicit UserNumKey_Board(QWidget *parent = nullptr);

    static QString channelName();
    // Upper bound for the day of a month 1..12; 0 for any other month,
    // which puts no bound on the day.
    int dayBound(int month) const;

    QPushButton *okButton = nullptr;
    QTextEdit *textEdit = nullptr;
    QLabel *label = nullptr;
    Key_Num *keypad = nullptr;
    QTimer *pollTimer = nullptr;
    QString yearText;
    QString monthText;
    QString dayText;
    int mode = NoField;
    int daysInMonth[13] = {};

public Q_SLOTS:
    void complete_slots();
    void timeout_update();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void keepFirst(int count);
    void moveCursorTo(int position);
    void bound(int maximum);
};
