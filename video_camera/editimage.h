#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

// Puts the on-screen overlay into a photo: the grab is scaled to the photo's
// 640x480 and blended over it with Lighten, so the light marks, texts and
// the colour bar appear and the dark parts leave the picture alone. The
// grab is a seam: by default the visible top-level windows rendered on a
// transparent 320x240 image without the board's layer, which is what the
// camera's framebuffer holds, less what is marked transient (TransientMark:
// the name of the photo being saved, notices, tips). The framebuffer itself
// is not read: it is composed an event-loop turn after a change, so it may
// still show an indicator hidden just before.
class EditImage
{
public:
    using Grabber = std::function<QImage()>;
    // Set on a window that paints the board's layer under its children.
    static constexpr const char *BoardLayerProperty = "ostrelBoardLayer";

    EditImage();

    void setGrabber(Grabber grabber) { m_grabber = std::move(grabber); }
    static QImage grabTopLevelWindows();

    // Reads the photo from path.
    void loadImage(const QString &path);
    void loadImageData(const QByteArray &jpeg);
    // grabScreen(), composition(), saveImage().
    bool modifiedImage();
    void grabScreen();
    void composition();
    // Writes the canvas to the path as a JPEG.
    bool saveImage();

    // The whole step on bytes: the composed JPEG, or empty when the photo
    // cannot be read (the caller then keeps the service's JPEG).
    QByteArray composeJpeg(const QByteArray &jpeg);

    // The canvas as JPEG bytes; empty when there is no photo to show.
    QByteArray composeJpegFromCanvas() const;

    const QImage &canvas() const { return m_canvas; }
    const QImage &screenGrab() const { return m_grab; }

private:
    QImage m_canvas;
    QImage m_photo;
    QImage m_grab;
    QString m_path;
    Grabber m_grabber;
};
