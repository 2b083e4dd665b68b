#pragma once

#include "fpgatypes.h"
#include "temptypes.h"
#include "therma_global.h"

class FPGABottom;
class TempHandler;
class TempModel;

// Readings of the measurement objects: the front positions a board slot,
// reads what the board measured there and converts it with the object's
// own parameters or the global ones.
//
// A reading is never made of stale data or of another object's
// parameters: a slot that cannot be positioned or read, and a TempSetup
// the object handler rejects, give an error result and the status "NULL".
class THERMA_EXPORT MeasurementReader
{
public:
    enum Kind { SPOT = 0, HOTTEST = 1, COLDEST = 2 };
    enum Result { DONE = 0, READ_FAILED = -1, SETUP_REJECTED = -2 };
    // Spot slots through which the profile lines measure.
    enum { LINE1_SLOT = 4, LINE2_SLOT = 5 };

    MeasurementReader(FPGABottom &board, TempModel &model);
    MeasurementReader(const MeasurementReader &) = delete;
    MeasurementReader &operator=(const MeasurementReader &) = delete;

    // A bad slot number or kind is READ_FAILED with nothing written.
    int spot(int n, int kind, ParaMode_t mode, const TempSetup &setup, _fpga_point &point, IrTempStru &out);
    // The AD at point through spot slot n; 0 when the slot cannot be used.
    int spotAD(int n, _fpga_point &point);
    int line(int line, ParaMode_t mode, const TempSetup &setup, _fpga_point &point, IrTempStru &out);
    int area(int n, _area &rect, ParaMode_t mode, const TempSetup &setup, _area_val &val, Area_Temp &out);
    // Temperatures at the bottom (level) and top (level + span) of the
    // colour scale, with the global parameters.
    void scaleEnds(int level, int span, IrTempStru *low, IrTempStru *high);

    // 4 for line 1, 5 for line 2, 0 for any other number.
    static int lineSlot(int line);

private:
    // The handler to convert with, or null when the object's setup is
    // rejected (the object handler then keeps its previous parameters).
    TempHandler *handlerFor(ParaMode_t mode, const TempSetup &setup);
    static IrTempStru converted(TempHandler &handler, unsigned int ad);
    static void markFailed(IrTempStru &out);
    int readSlot(int slot, _fpga_point &point, unsigned short *ad);

    FPGABottom &m_board;
    TempModel &m_model;
};
