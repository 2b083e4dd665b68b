#pragma once

#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPoint>

class QTimer;

// One thumbnail tile of the photo browser: the cached thumbnail (or a
// placeholder looked at again every five seconds until the thumbnail
// exists), the deletion mark and the note marks. A press and a release
// report the tile's name; the browser reads where they were.
class ThumItem : public QLabel
{
    Q_OBJECT
public:
    explicit ThumItem(QWidget *parent = nullptr);

    void setThumItemFileName(const QString &name) { m_name = name; }
    QString thumItemFileName() const { return m_name; }

    // Shows photo's thumbnail and reads its note marks, unless the tile
    // already shows that thumbnail.
    void loadThumbnails(const QFileInfo &photo);
    static QString getThumbsMd5(const QFileInfo &photo);
    // The note marks stored in photo: text note, voice note.
    static void checkFileAnnotateMusic(const QFileInfo &photo, bool *text, bool *voice);

    void setDeleteImageFlag(bool on);
    bool getDeleteImageFlag() const { return m_delete; }
    bool hasTextNote() const { return m_text; }
    bool hasVoiceNote() const { return m_voice; }
    bool showsPlaceholder() const { return m_placeholder; }
    QString thumbnailPath() const { return m_thumbPath; }
    QTimer *retryTimer() const { return m_retry; }
    // Global positions of the last press and release on the tile.
    QPoint pressPos() const { return m_pressPos; }
    QPoint releasePos() const { return m_releasePos; }

    static constexpr const char *Placeholder = ":/images/cvimages/nullimage.png";

Q_SIGNALS:
    void clicked(const QString &name);
    void mouseRelease(const QString &name);

public Q_SLOTS:
    void timeoutupdate();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    QString m_thumbPath;
    QPixmap m_pixmap;
    QTimer *m_retry;
    bool m_delete = false;
    bool m_text = false;
    bool m_voice = false;
    bool m_placeholder = false;
    QPoint m_pressPos;
    QPoint m_releasePos;
};
