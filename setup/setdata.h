#pragma once

#include <QPointer>
#include <QWidget>

class MessageChannel;
class UserNumKey_Board;
class ZLineEdit;

// The date fields of the date and time page: touching a field opens the
// number board for it; the board's messages on "kdatetimeinterface" bring
// the typed value back.
class setData : public QWidget
{
    Q_OBJECT
public:
    explicit setData(QWidget *parent = nullptr);

    ZLineEdit *yearEdit = nullptr;
    ZLineEdit *monthEdit = nullptr;
    ZLineEdit *dayEdit = nullptr;

    UserNumKey_Board *board() const { return m_board; }

Q_SIGNALS:
    void setDateSignals();

public Q_SLOTS:
    void set_lineedit(const QString &name);
    void datetime_received(const QString &message, const QByteArray &data);
    void send_setDate_signals();

private:
    void disposeBoard();

    MessageChannel *m_channel = nullptr;
    QPointer<UserNumKey_Board> m_board;
};
