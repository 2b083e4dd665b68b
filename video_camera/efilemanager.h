#pragma once

#include "recordformat.h"

// The record of this moment: addFilePara / addIRData gather the values of
// the stored format (RecordFormat) from the settings, the board and the
// live view.
class EFileManager : public RecordFormat
{
public:
    // Gathered from the settings files and the clock.
    static FileParaValues currentFileParaValues();
    // Gathered from the board, the live view and the settings; missing parts
    // stay at their defaults.
    static ImageParaValues currentImageParaValues();

    // The header of this moment: 160 bytes, or empty when size is not 160.
    // Also hands the mix offsets to the board.
    static int addFilePara(void *buffer, int size);
    // The record, then the frame when size allows; -1 for a null buffer.
    static int addIRData(void *buffer, int size);
    static int video_addIRData(void *buffer, int size, int second);
    // The board's frame, 221,184 bytes (zeros without a board).
    static QByteArray currentFrame();

private:
    EFileManager() = delete;
};
