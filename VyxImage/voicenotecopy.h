#pragma once

#include "encoderlink.h"
#include "photoreader.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>

// Copies a photo's voice note into the file the note player plays, on a
// thread of its own and in bounded pieces, so neither the screen nor the
// memory waits on a long note. The copy replaces the file only whole (a
// temporary file beside it, synced, then renamed) with the mode the
// camera gives its files. Copies run one after another; a new one cancels
// those before it, and only the last one asked for reports. Destroying it
// cancels the copy in progress and joins the thread.
class VoiceNoteCopy : public QObject
{
    Q_OBJECT
public:
    // The longest note the camera records: the recorder's capture never
    // goes past its segment (a WAV header and the longest recording), so a
    // longer note was not made by the camera and is not copied.
    static constexpr qint64 MaxBytes = EncoderLink::VoiceNoteSize;
    enum { PieceBytes = 64 * 1024 };

    explicit VoiceNoteCopy(QObject *parent = nullptr);
    ~VoiceNoteCopy() override;

    // Copies range of the photo at photoPath (a host path, by its own
    // bytes) to target (resolved through Paths); finished() tells how it
    // went, unless another start() or cancel() comes first.
    void start(const QString &photoPath, const PhotoReader::Range &range, const QString &target);
    void cancel();

    // The copy itself, on the calling thread; false when the range does not
    // lie inside the photo or is longer than MaxBytes, a read falls short, a
    // write fails or cancelled() turns true (the target is then untouched).
    static bool copy(const QString &photoPath, const PhotoReader::Range &range, const QString &target,
                     const std::function<bool()> &cancelled);

Q_SIGNALS:
    // On the owner's thread, for the last copy asked for.
    void finished(bool copied);

private:
    QThread m_thread;
    QObject *m_worker = nullptr;
    std::atomic<int> m_generation{0};
};
