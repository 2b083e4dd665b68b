#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

// A recording made without the application, for tests and for trying the
// video player: a warm disc crossing a cool scene, 10 frames a second, and
// side data as the application writes it, one record a second (its second
// counter 0, 1, 2 ...), each with spot 1 on the disc and its temperature.
// encoder-sim writes it with "--make-recording PATH SECONDS".
class SampleRecording
{
public:
    enum { MaxSeconds = 3600 };

    // hostPath is the host's own path; false (with a message) on failure.
    static bool write(const QString &hostPath, int seconds, QString *error);

    // The scene at a frame and the spot's place on the 320x240 screen.
    static QImage frame(int index, int frames);
    static QPoint discCentre(int index, int frames);
    static float discTemperature(int second);
    // The side data: the 416-byte start and one record per second.
    static QByteArray sideData(int seconds);

private:
    SampleRecording() = delete;
};
