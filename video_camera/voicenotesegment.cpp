#include "voicenotesegment.h"

#include "encoderlink.h"
#include "ipckeys.h"
#include "sharedmemory.h"

bool VoiceNoteSegment::open(SharedMemory *segment)
{
    const key_t key = IpcKeys::key(EncoderLink::VoiceNoteKey);
    // A segment made by someone else with another size cannot be made
    // again at ours: it is taken as it is.
    return segment->create(key, EncoderLink::VoiceNoteSize) || segment->attach(key, 1);
}
