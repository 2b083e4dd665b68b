#pragma once

#include <QFileInfo>
#include <QGraphicsView>
#include <QPixmap>
#include <QTimeLine>

class AudioInterface;
class EPhotosGraphicsView;
class GenieItem;
class PhotoButton;
class PhotoMessageBox;
class QLabel;
class QPushButton;
class QTimer;
class VoiceNoteCopy;
class VolumeInterface;
class annotateBrowser;

// The photo viewer: one photo over the whole screen with zoom (1.01 to the
// power of the level, no limits), rotation, previous / next, the text and
// voice notes, and deletion after a question with an animation into the
// bin. The browser hands it each photo and does the file work it asks for
// through its signals. The measurement layer is built over it but never
// asked to read a photo: the saved picture already carries the overlay.
class PhotosView : public QGraphicsView
{
    Q_OBJECT
public:
    static constexpr const char *VoiceNotePath = "/root/music.wav";
    // Text notes are read up to this many bytes (the rest is cut).
    enum { MaxTextNote = 10239 };

    PhotosView();
    ~PhotosView() override;

    void loadImage(const QFileInfo &file, int index, int count);
    void startphototimer() {}
    void stopphototimer() {}
    void setDelState(bool on) { m_delState = on; }
    bool getDelState() const { return m_delState; }

    // For the browser and the tests.
    int photoIndex() const { return m_photoindex; }
    int photoCount() const { return m_count; }
    QString loadedFileName() const { return m_loadfilename; }
    QString noteText() const { return m_noteText; }
    QString voiceNotePath() const { return m_voicePath; }
    VoiceNoteCopy *voiceNoteCopy() const { return m_voiceCopy; }
    // Says why a note of the photo is not offered (hidden when none).
    QLabel *noticeLabel() const { return m_notice; }
    int zoomLevel() const { return m_appliedZoom; }
    int rotation() const { return m_rotation; }
    QLabel *informationLabel() const { return m_info; }
    PhotoButton *button(const char *name) const;
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *binButton() const { return m_bin; }
    QPushButton *previousButton() const { return m_prev; }
    QPushButton *nextButton() const { return m_next; }
    PhotoButton *textNoteButton() const { return m_textNote; }
    PhotoButton *voiceNoteButton() const { return m_voiceNote; }
    PhotoMessageBox *question() const { return m_question; }
    GenieItem *genieItem() const { return m_genie; }
    QTimeLine *timeLine() { return &m_timeLine; }
    EPhotosGraphicsView *measurementLayer() const { return m_replay; }
    annotateBrowser *textPanel() const { return m_textBrowser; }
    AudioInterface *audioPanel() const { return m_audioInterface; }
    VolumeInterface *volumePanel() const { return m_volumeInterface; }
    QTimer *volumeHideTimer() const { return m_volumeTimer; }
    const QPixmap &photoPixmap() const { return m_pixmap; }
    bool barVisible() const;
    bool barEnabled() const;

Q_SIGNALS:
    void prevphotosig(int index);
    void nextphotosig(int index);
    void deletephotosig(int index);

private Q_SLOTS:
    void photoPressSlots(const QString &name);
    void photoReleasedSlots(const QString &name);
    void photoDeleteSlots();
    void getPrevPhotos();
    void getNextPhotos();
    void imageAnnotateSlots();
    void imageMusicSlots();
    void SoundShow_Slots();
    int set_volume(int value);
    int get_volume();
    void sliderMoved_slots(int value);
    void sliderReleased_slots();
    void sliderPressed_slots();
    void deleteInterface();
    void photoDone_slots();
    void photocancel_slots();
    void updateGenieEffect(int frame);
    void finishGenie();
    void showCreateUi();
    void hideCreateUi();
    void hideVolumeUi();
    void voiceNoteCopied(bool copied);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    void loadImage_p();
    static QImage readPicture(const QString &path);
    void resetView();
    void checkAnnotateMusic(const QFileInfo &file);
    void showNotice(const QString &text);
    void updatePhotoInformation(const QString &path);
    void photoZoom(int level);
    void create_Ui();
    // The bar: shown, hidden, enabled and disabled together.
    QList<QPushButton *> barButtons() const;
    void enableCreateUi();
    void disableCreateUi();
    bool notePanelVisible() const;
    static bool cardPresent();

    QPixmap m_pixmap;
    QLabel *m_info = nullptr;
    QLabel *m_notice = nullptr;
    VoiceNoteCopy *m_voiceCopy = nullptr;
    QString m_loadfilename;
    QString m_voicePath;
    QString m_noteText;
    int m_photoindex = 0;
    int m_count = 0;
    int m_appliedZoom = 0;
    int m_requestedZoom = 0;
    int m_rotation = 0;
    bool m_delState = true;
    // The photo confirmed for deletion, held through the animation.
    int m_deletingIndex = -1;
    QPushButton *m_prev = nullptr;
    QPushButton *m_next = nullptr;
    PhotoButton *m_zoomIn = nullptr;
    PhotoButton *m_rotate = nullptr;
    PhotoButton *m_zoomOut = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_bin = nullptr;
    PhotoButton *m_back = nullptr;
    PhotoButton *m_textNote = nullptr;
    PhotoButton *m_voiceNote = nullptr;
    PhotoMessageBox *m_question = nullptr;
    GenieItem *m_genie = nullptr;
    QTimeLine m_timeLine;
    QTimer *m_volumeTimer = nullptr;
    annotateBrowser *m_textBrowser = nullptr;
    AudioInterface *m_audioInterface = nullptr;
    VolumeInterface *m_volumeInterface = nullptr;
    EPhotosGraphicsView *m_replay = nullptr;
};
