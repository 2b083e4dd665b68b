#pragma once

#include "framesegment.h"

#include <QImage>

// What encoder-sim encodes: the board's layer as the simulated screen
// publishes it in the frame segment. The screen writes the segment as
// often as encoder-sim reads it, so a read may meet a write: it is tried
// again after a short pause, and when it still finds nothing whole the
// last whole picture stands. Nothing but the scene is ever given.
class ScenePicture
{
public:
    enum { ReadAttempts = 20, RetryPauseMs = 1 };

    // The scene now, else the last whole one; null while none has come
    // (no segment yet, or nothing whole in it).
    QImage take();
    bool hasScene() const { return !m_last.isNull(); }

private:
    FrameSegment m_segment;
    QImage m_last;
};
