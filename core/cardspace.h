#pragma once

#include <QtGlobal>

// Room on the memory card in whole MiB, less what the radiometric side file
// of a recording ("/root/tmp.avi") already holds: a photo needs at least
// 1 MiB, a video 6. The live view answers these for the screens; the
// record-time display asks here, beneath the view.
class CardSpace
{
public:
    // Size of the side file in whole MiB; 0 without one.
    static int sideFileMiB();
    // Free MiB on the card less the side file; statfs failing gives
    // minus the side file.
    static qint64 freeMiB();
    static bool tooFullForPhoto() { return freeMiB() < 1; }
    static bool tooFullForVideo() { return freeMiB() < 6; }

private:
    CardSpace() = delete;
};
