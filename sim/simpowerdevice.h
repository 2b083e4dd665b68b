#pragma once

#include "powerdevice.h"

#include <QList>
#include <QObject>
#include <QSet>

#include <memory>

// The board's GPIO and PWM nodes off the board: keeps the panel, backlight,
// FPGA supply, charger, hold and kill lines, records every request and
// every sync in order, and can be told to fail a node or a request or to
// leave the argument of a reading request untouched. GUI thread only.
class SimPowerDevice : public QObject, public PowerDevice
{
    Q_OBJECT
public:
    // GPIO and PWM request numbers as the drivers take them.
    enum GpioRequest : unsigned long {
        GpioKill = 1, GpioHold = 3, GpioSetLcd = 7, GpioGetLcd = 8,
        GpioFpgaOff = 9, GpioFpgaOn = 10, GpioChargerStatus = 12
    };
    enum PwmRequest : unsigned long { PwmBacklight = 1 };

    struct Event
    {
        bool sync = false;            // a sync, not a request
        Node node = Gpio;
        unsigned long request = 0;
        int argument = 0;             // as sent
        int result = 0;
    };

    explicit SimPowerDevice(QObject *parent = nullptr);

    // Makes device the one PowerDevice::create() hands out; null restores
    // the board's nodes.
    static void install(const std::shared_ptr<SimPowerDevice> &device);

    // PowerDevice
    bool open(Node node) override;
    bool isOpen(Node node) const override;
    int request(Node node, unsigned long request, int *argument) override;
    bool sync() override;

    // ---- lines ----
    bool panelOn() const { return m_panel; }
    int backlight() const { return m_backlight; }
    bool fpgaPowered() const { return m_fpga; }
    bool holding() const { return m_hold; }
    bool powerCut() const { return m_killed; }
    void setPanelOn(bool on);
    void setCharger(int status) { m_charger = status; }

    // ---- record ----
    QList<Event> events() const { return m_events; }
    void clearEvents() { m_events.clear(); }
    int syncCount() const;
    // Index of the first request (node, request, argument) in events(), or -1.
    int indexOf(Node node, unsigned long request, int argument) const;
    int indexOfSync() const;

    // ---- faults ----
    void setPresent(Node node, bool present);
    // Every request with this number on the node fails (-1 with EIO).
    void failRequest(Node node, unsigned long request);
    // Reading requests leave the argument as it was sent.
    void setLeaveArgument(bool leave) { m_leaveArgument = leave; }

Q_SIGNALS:
    // The panel, backlight or power lines changed.
    void linesChanged();

private:
    int answer(Node node, unsigned long request, int *argument);

    bool m_present[2] = {true, true};
    bool m_open[2] = {false, false};
    QSet<unsigned long> m_failing[2];
    bool m_leaveArgument = false;

    bool m_panel = true;
    int m_backlight = 0;
    bool m_fpga = true;
    int m_charger = 0;
    bool m_hold = false;
    bool m_killed = false;
    QList<Event> m_events;
};
