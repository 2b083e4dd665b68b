#pragma once

#include <QFrame>
#include <QPointer>

class EDialogTitle;
class MessageChannel;
class QPushButton;
class UserNumKey_Board;
class ZLineEdit;

// The date dialog: year, month and day with "+" and "-" each, in the order
// of the stored date format. A tap on a field opens the number board, whose
// result comes back on "kdatetimeinterface". Done sets the system clock and
// the clock chip to the chosen date at the current hour and minute.
class setData : public QFrame
{
    Q_OBJECT
public:
    explicit setData(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // The values; the fields only show them.
    QString yearText() const { return m_year; }
    QString monthText() const { return m_month; }
    QString dayText() const { return m_day; }
    void setTexts(const QString &year, const QString &month, const QString &day);

    ZLineEdit *yearEdit = nullptr;
    ZLineEdit *monthEdit = nullptr;
    ZLineEdit *dayEdit = nullptr;
    QPushButton *yearAdd = nullptr;
    QPushButton *yearSub = nullptr;
    QPushButton *monthAdd = nullptr;
    QPushButton *monthSub = nullptr;
    QPushButton *dayAdd = nullptr;
    QPushButton *daySub = nullptr;
    EDialogTitle *title = nullptr;

    UserNumKey_Board *board() const;

Q_SIGNALS:
    void send_setDate_signals();

public Q_SLOTS:
    void set_lineedit(const QString &name);
    void set_addyearedit();
    void set_addmonthedit();
    void set_adddayedit();
    void set_subyearedit();
    void set_submonthedit();
    void set_subdayedit();
    void datetime_received(const QString &message, const QByteArray &data);
    void set_okButton();
    void set_cancelButton();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *stepButton(const QString &text, int pointSize, void (setData::*slot)());
    void focusField(ZLineEdit *field);
    void showTexts();
    void disposeBoard();
    // A year outside 2000..9999 becomes the system's year, at least 2000.
    static int validYear(int year);
    int monthValue() const;

    QPointer<UserNumKey_Board> m_board;
    MessageChannel *m_channel = nullptr;
    QString m_year;
    QString m_month;
    QString m_day;
};
