#pragma once

#include "encoderstate.h"

#include <QImage>

#include "framesegment.h"
#include <QPointer>
#include <QWidget>

class QThread;

// The simulated 320x240 display: paints what the board would put on its
// video layer, with the application's transparent overlay on top.
class SimScreen : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 320;
    static constexpr int Height = 240;

    explicit SimScreen(QWidget *parent = nullptr);
    // Gives the overlay back unparented: it belongs to the application.
    ~SimScreen() override;

    // The application's top window; reparented to fill the screen while
    // the screen lives, never deleted by it.
    void setOverlay(QWidget *overlay);
    QWidget *overlay() const { return m_overlay; }

    // The board's picture, scaled to the screen; a null picture shows the
    // placeholder.
    void setBoardPicture(const QImage &picture);
    // The board's colour bar at (299, 56), beneath the overlay; null hides it.
    void setColorBar(const QImage &bar);
    // Both of one frame of the board: the layer is composed and published
    // once, and only when either has changed.
    void setBoardLayer(const QImage &picture, const QImage &bar);
    QImage colorBar() const { return m_colorBar; }
    static QImage placeholderPicture();
    // The board's layer as the panel shows it (zoom and rotation applied),
    // also published in the frame segment for encoder-sim.
    QImage videoLayer() const;
    void publishVideoLayer();
    // What the panel shows. On a frame-buffer platform (vnc, linuxfb, as
    // the camera's) it is read back from the frame buffer the platform
    // composed; elsewhere the screen with every other visible top-level
    // window (popups and dialogs live at screen coordinates) is drawn over
    // it where it stands, the last one shown or raised on top.
    QImage composed();
    static bool onFrameBuffer();

    // The panel as the power nodes leave it: the backlight value (0..8192,
    // lower is brighter) dims everything on the screen; a panel that is off
    // shows black.
    void setBacklight(int value);
    void setPanelOn(bool on);
    int backlight() const { return m_backlight; }
    bool panelOn() const { return m_panelOn; }
    // Shows a parentless window (popup, dialog, full-screen page) on the
    // simulated screen at its own screen position, beneath the shade.
    void showOnScreen(QWidget *window);

    // The zoom and rotation encoder-sim keeps, applied to the board's
    // picture about its centre; followed from its state file while shown.
    enum { EncoderPollMs = 200 };
    void setEncoderState(const EncoderState &state);
    EncoderState encoderState() const { return m_encoder; }
    void refreshEncoderState();

    // While a video plays, the window marked "ostrelVideoSurface" (the
    // playback screen) shows the player's picture under its items: a
    // frame the thumbnailer takes at the player's position, at most twice
    // a second (the camera plays on its hardware layer instead).
    enum { VideoFramePollMs = 500 };
    void refreshVideoFrame();
    void setVideoFrame(const QImage &frame);
    QImage videoFrame() const { return m_videoFrame; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateShade();
    void layerChanged();
    void drawBoard(QImage &layer) const;
    void paintLayerUnder(QWidget *window, const QRegion &region);
    QImage frameBufferImage();

    // Made once: a board without a palette sends a null picture each frame.
    const QImage m_placeholder;
    QImage m_picture;
    QImage m_colorBar;
    // The board's layer with the colour bar, as painted and published;
    // the first frame is published even when it shows the placeholder.
    QImage m_layer;
    bool m_layerComposed = false;
    FrameSegment m_frames;
    QPointer<QWidget> m_overlay;
    // Top-level windows in the order they were last shown or raised.
    QList<QPointer<QWidget>> m_stacking;
    // Clear windows that have painted the layer under themselves: they
    // paint again when it changes.
    QList<QPointer<QWidget>> m_clearWindows;
    QWidget *m_shade = nullptr;
    int m_backlight = 0;
    bool m_panelOn = true;
    EncoderState m_encoder;
    QImage m_videoFrame;
    QString m_frameKey;
    QThread *m_frameThread = nullptr;
};
