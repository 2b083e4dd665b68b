#pragma once

// Ends a photo capture on the live view: the picture and the status bar's
// freeze mark are released, the encoder service is told "jpegenc stop"
// when it was started, and the capture panel is no longer busy.
class CaptureRelease
{
public:
    static void release(bool stopEncoder, const char *caller);

private:
    CaptureRelease() = delete;
};
