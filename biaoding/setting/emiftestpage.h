#pragma once

#include "actionpage.h"

// Page "EMIF": tests the bus to the main board's FPGA by reading its two
// test offsets, which answer 0x55 and 0xAA. Nothing is written.
class EmifTestPage : public ActionPage
{
    Q_OBJECT
public:
    enum : uint32_t { LowOffset = 0xF555, HighOffset = 0xFAAA };

    explicit EmifTestPage(QWidget *parent = nullptr);

    QPushButton *testButton() const { return actionButton(); }
    static bool testBus();

public Q_SLOTS:
    void slot_emifTest();
};
