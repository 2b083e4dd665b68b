#pragma once

class SharedMemory;

// The voice-note segment the recorder fills and the capture panel appends
// from: made at its full size when it can be, else whatever segment already
// holds the key, at its real size. Callers never go past size().
class VoiceNoteSegment
{
public:
    static bool open(SharedMemory *segment);

private:
    VoiceNoteSegment() = delete;
};
