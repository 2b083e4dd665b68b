#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>

// encoder-sim's photo and version side. "jpegenc save <path>" writes a
// 640x480 JPEG of the board's layer (from the frame segment, or a test
// pattern without one), 416 zero bytes, a block of its own and u32 N,
// through a temporary file renamed to path, then answers "jpegsave" on
// "/tmp/photos_ir"; "version start" answers on "/tmp/version". A save it
// cannot write (a folder that refuses the file, a card that fills) is
// answered all the same, with nothing at path: the service is done with
// it, and the camera learns from the file what became of it. Switches in a
// control file under the root, read for every command, make it misbehave
// the ways a real service can.
class EncoderPhoto : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *SwitchFile = "/tmp/encoder-sim.switches";
    static constexpr const char *Version = "encoder-sim 1.0";
    // How late a late reply comes (through Intervals).
    enum { LateMs = 2500, BlockSize = 64 };

    // One word per line of the switch file.
    struct Switches
    {
        bool replyLate = false;       // "reply-late"
        bool replyNever = false;      // "reply-never"
        bool replyCapitals = false;   // "reply-capitals"
        bool replyMerged = false;     // "reply-merged": with another message
        bool tornJpeg = false;        // "torn-jpeg": the file ends mid-JPEG
        bool badLength = false;       // "bad-length": N past the end
        bool noCommandPipe = false;   // "no-command-pipe": read at start
        bool exitMidWrite = false;    // "exit-mid-write"
        bool cardFull = false;        // "card-full": the write stops half-way, no space left
        bool versionSilent = false;   // "version-silent": no version reply
        static Switches parse(const QByteArray &text);
        static Switches load();
    };

    // The switch file's words (the video side has its own), empty without it.
    static QByteArray switchText();

    // A save cut off (encoder-sim killed) leaves its temporary, the
    // camera's hidden ".<name>.part" with ".enc", in the photo folder; a
    // start removes those and nothing else. The number removed.
    static int removeStaleTemporaries();

    explicit EncoderPhoto(QObject *parent = nullptr);

    // true when command was one of this side's.
    bool handle(const QByteArray &command);

    // The file bytes for picture under the switches.
    static QByteArray servicePhoto(const QImage &picture, const Switches &switches);
    // Stands for the board's layer where there is none (encoder-sim on its
    // own, without the simulated screen).
    static QImage testPattern();
    // The board's layer, or the test pattern while there is none.
    static QImage currentPicture();

private:
    void reply(const Switches &switches);
};
