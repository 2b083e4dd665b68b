#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into received() on the event loop, so a program
// asked to stop leaves through its normal exit path and its destructors
// stop what it started. One instance per process.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void received(int signal);

private:
    QSocketNotifier *m_notifier = nullptr;
};
