#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The picture geometry encoder-sim keeps from the zoom and rotate commands,
// and the file under the simulator root that hands it to the simulated
// screen. Zoom is in tenths (10..200), the angle in degrees (0..360).
class EncoderState
{
public:
    static constexpr const char *StateFile = "/tmp/encoder-sim.state";
    enum { ZoomNeutral = 10, ZoomMax = 200, AngleMax = 360 };

    int zoom = ZoomNeutral;
    int angle = 0;

    // One read from the pipe into its commands: each line is one, with or
    // without the trailing newline; blank lines are dropped.
    static QList<QByteArray> split(const QByteArray &data);
    // Applies one command; false when it is no zoom or rotate command.
    bool apply(const QByteArray &command);
    bool isNeutral() const { return zoom == ZoomNeutral && angle == 0; }

    QByteArray serialize() const;
    // A missing or damaged file reads as neutral.
    static EncoderState parse(const QByteArray &text);
    bool save() const;
    static EncoderState load();

    bool operator==(const EncoderState &other) const { return zoom == other.zoom && angle == other.angle; }
    bool operator!=(const EncoderState &other) const { return !(*this == other); }
};
