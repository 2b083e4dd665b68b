#pragma once

#include <QString>
#include <QWidget>

class Key_Num;
class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;

// Full-screen board for typing the hour or the minute of the time dialog.
// A 10 ms poll keeps the text to two digits within the field's range; OK
// reports the title and the text, Escape the title "close".
class USersetTime_Board : public QWidget
{
    Q_OBJECT
public:
    explicit USersetTime_Board(QWidget *parent = nullptr);

    QString title;
    QString text;
    int timeFormat = 24;

    QTextEdit *textEdit = nullptr;
    QPushButton *okButton = nullptr;
    Key_Num *keypad = nullptr;
    QTimer *pollTimer = nullptr;

Q_SIGNALS:
    void send_timestr(const QString &title, const QString &value);

public Q_SLOTS:
    void exit_Button_slots();
    void real_update_time();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Create_Ui();
    void moveCursorTo(int position);
};
