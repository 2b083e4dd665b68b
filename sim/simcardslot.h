#pragma once

#include <QString>

// The card slot and the USB socket of the simulated camera: the card-detect
// and USB-detect devices are named pipes under the root, held open for
// writing here so their reader never sees an end of file, and the card's
// partition node exists (a card is in the slot at power-on).
// scripts/sim-card.sh writes the events from outside.
class SimCardSlot
{
public:
    SimCardSlot() = default;
    ~SimCardSlot();
    SimCardSlot(const SimCardSlot &) = delete;
    SimCardSlot &operator=(const SimCardSlot &) = delete;

    // Under the current path root.
    bool open();
    void close();

    // One 4-byte event: card 0 in, 1 out; USB 0 off, 1 host, 2 suspended.
    bool writeCard(int value);
    bool writeUsb(int value);

private:
    int m_card = -1;
    int m_usb = -1;
};
