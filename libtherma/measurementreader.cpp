#include "measurementreader.h"

#include "fpgabottom.h"
#include "tempmodel.h"

#include <QtGlobal>

#include <cstring>

MeasurementReader::MeasurementReader(FPGABottom &board, TempModel &model)
    : m_board(board)
    , m_model(model)
{
}

TempHandler *MeasurementReader::handlerFor(ParaMode_t mode, const TempSetup &setup)
{
    if (mode != PARA_OWN)
        return &m_model.systemHandler();
    if (!m_model.objectHandler().setTempSetup(setup)) {
        qWarning("reading: object parameters rejected (emissivity %f, distance %f, offset %f)",
                 double(setup.emiss), double(setup.dist), double(setup.offset));
        return nullptr;
    }
    return &m_model.objectHandler();
}

IrTempStru MeasurementReader::converted(TempHandler &handler, unsigned int ad)
{
    IrTempStru r;
    std::memset(&r, 0, sizeof r);
    r = handler.irAD2Temp(ad);
    return r;
}

void MeasurementReader::markFailed(IrTempStru &out)
{
    std::strncpy(out.status, "NULL", sizeof out.status - 1);
    out.status[sizeof out.status - 1] = '\0';
}

int MeasurementReader::lineSlot(int line)
{
    return line == 1 ? LINE1_SLOT : (line == 2 ? LINE2_SLOT : 0);
}

int MeasurementReader::readSlot(int slot, _fpga_point &point, unsigned short *ad)
{
    if (m_board.fpga_point_position_set(static_cast<unsigned char>(slot), &point) != FPGABottom::FPGA_OK)
        return READ_FAILED;
    // The AD of a slot that was just positioned but could not be read would
    // be whatever the board held before: not a reading.
    if (m_board.fpga_point_ad_get(static_cast<unsigned char>(slot), ad) != FPGABottom::FPGA_OK)
        return READ_FAILED;
    return DONE;
}

int MeasurementReader::spot(int n, int kind, ParaMode_t mode, const TempSetup &setup,
                            _fpga_point &point, IrTempStru &out)
{
    if (n < 0 || n >= FPGABottom::SPOT_SLOTS || kind < SPOT || kind > COLDEST)
        return READ_FAILED;
    TempHandler *handler = handlerFor(mode, setup);
    if (!handler) {
        markFailed(out);
        return SETUP_REJECTED;
    }
    unsigned short ad = 0;
    if (kind == SPOT) {
        if (readSlot(n, point, &ad) != DONE) {
            markFailed(out);
            return READ_FAILED;
        }
    } else {
        _point_max hottest{0, 0, 0};
        _point_min coldest{0, 0, 0};
        const bool read = kind == HOTTEST ? m_board.fpga_point_max_get(&hottest) == FPGABottom::FPGA_OK
                                          : m_board.fpga_point_min_get(&coldest) == FPGABottom::FPGA_OK;
        if (!read) {
            point = _fpga_point{0, 0};
            markFailed(out);
            return READ_FAILED;
        }
        const _point_max extreme = kind == HOTTEST ? hottest : _point_max{coldest.ad, coldest.x, coldest.y};
        point = _fpga_point{extreme.x, extreme.y};
        ad = extreme.ad;
    }
    out = converted(*handler, ad);
    return DONE;
}

int MeasurementReader::spotAD(int n, _fpga_point &point)
{
    if (n < 0 || n >= FPGABottom::SPOT_SLOTS)
        return 0;
    unsigned short ad = 0;
    return readSlot(n, point, &ad) == DONE ? ad : 0;
}

int MeasurementReader::line(int line, ParaMode_t mode, const TempSetup &setup, _fpga_point &point,
                            IrTempStru &out)
{
    TempHandler *handler = handlerFor(mode, setup);
    if (!handler) {
        markFailed(out);
        return SETUP_REJECTED;
    }
    unsigned short ad = 0;
    if (readSlot(lineSlot(line), point, &ad) != DONE) {
        markFailed(out);
        return READ_FAILED;
    }
    out = converted(*handler, ad);
    return DONE;
}

int MeasurementReader::area(int n, _area &rect, ParaMode_t mode, const TempSetup &setup, _area_val &val,
                            Area_Temp &out)
{
    if (n < 0 || n >= FPGABottom::AREA_SLOTS)
        return READ_FAILED;
    TempHandler *handler = handlerFor(mode, setup);
    const auto failed = [&out](int result) {
        markFailed(out.max);
        markFailed(out.min);
        markFailed(out.avg);
        return result;
    };
    if (!handler)
        return failed(SETUP_REJECTED);
    if (m_board.fpga_area_set(static_cast<unsigned char>(n), &rect) != FPGABottom::FPGA_OK)
        return failed(READ_FAILED);
    std::memset(&val, 0, sizeof val);
    if (m_board.fpga_area_val_get(static_cast<unsigned char>(n), &val) != FPGABottom::FPGA_OK)
        return failed(READ_FAILED);
    out.max = converted(*handler, val.max);
    out.min = converted(*handler, val.min);
    out.avg = converted(*handler, val.avg);
    return DONE;
}

void MeasurementReader::scaleEnds(int level, int span, IrTempStru *low, IrTempStru *high)
{
    TempHandler &handler = m_model.systemHandler();
    handler.setTempSetup(m_model.storedSystemTempSetup());
    if (high)
        *high = converted(handler, unsigned(qMax(0, level + span)));
    if (low)
        *low = converted(handler, unsigned(qMax(0, level)));
}
