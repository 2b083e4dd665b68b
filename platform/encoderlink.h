#pragma once

#include <QByteArray>

// Everything the application and the encoder service agree on: pipes,
// command texts, reply tokens and the frame segment. encoder-sim takes the
// same texts from here.
namespace EncoderLink {

// Pipes (system paths, resolved through Paths).
constexpr const char *CommandPipe = "/tmp/service_ir";
constexpr const char *PhotoReplyPipe = "/tmp/photos_ir";
constexpr const char *SaveRequestPipe = "/tmp/QSaveImage";
constexpr const char *VideoMainPipe = "/tmp/videomain";
constexpr const char *VideoTimePipe = "/tmp/videotime";
constexpr const char *VersionPipe = "/tmp/version";
// The card's folders the application has photos and recordings written to;
// the service removes its own unfinished files there when it starts.
constexpr const char *PhotoFolder = "/media/mmc/image/";
constexpr const char *VideoFolder = "/media/mmc/videoFile/";
// The side data the application writes beside a recording, one record a
// second; the service appends it to the video when it stops.
constexpr const char *VideoSideFile = "/root/tmp.avi";

// Commands.
constexpr const char *CaptureStart = "capture start";
constexpr const char *CaptureStop = "capture stop";
constexpr const char *ResumeStart = "resume start";
constexpr const char *ResumeStop = "resume stop";
constexpr const char *JpegStart = "jpegenc start";
constexpr const char *JpegStop = "jpegenc stop";
constexpr const char *JpegSavePrefix = "jpegenc save ";
constexpr const char *MultimediaStartPrefix = "multimedia start ";
constexpr const char *MultimediaStop = "multimedia stop";
constexpr const char *VersionStart = "version start";
inline QByteArray jpegSave(const QByteArray &path) { return QByteArray(JpegSavePrefix) + path; }

// Replies and internal messages.
constexpr const char *SaveRequest = "save";       // any case
constexpr const char *JpegSaved = "jpegsave";     // any case
constexpr const char *VideoStop = "videostop";
constexpr const char *FadSave = "fadsave";
constexpr const char *FadStop = "fadstop";
constexpr const char *VideoTime = "video";

// Turns of the photo reply wait, each ReplyTurnMs long (through Intervals).
constexpr int ReplyTurns = 10;
constexpr int ReplyTurnMs = 1000;
constexpr int VersionWaitMs = 2000;

// System V keys (through IpcKeys) and sizes.
constexpr int VoiceNoteKey = 0x15243;
constexpr int VoiceNoteSize = 1040044;
constexpr int VideoSecondsKey = 0x25431;
constexpr int VideoSecondsSize = 8;
// The simulator's board video layer for encoder-sim.
constexpr int FrameKey = 0x35711;
constexpr int FrameWidth = 640;
constexpr int FrameHeight = 480;

// What a photo the service writes looks like.
constexpr int PhotoWidth = 640;
constexpr int PhotoHeight = 480;

} // namespace EncoderLink
