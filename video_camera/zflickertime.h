#pragma once

#include <QLabel>

// The record-time display. Thin for now: it keeps the recorded seconds and
// shows them as "hh:mm:ss"; the recording screens feed it from the encoder
// service and raise spacesignals() when the card fills up.
class ZFlickerTime : public QLabel
{
    Q_OBJECT
public:
    explicit ZFlickerTime(QWidget *parent = nullptr);

    void startflickerTimer();
    void stopflickerTimer();
    int seconds() const { return m_seconds; }
    void setSeconds(int seconds);

Q_SIGNALS:
    void spacesignals();

private:
    int m_seconds = 0;
};
