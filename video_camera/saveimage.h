#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <thread>

class EditImage;
class FifoReader;
class FilenameSystem;
class QTimer;
class ReplyTokenizer;

// Turns a frozen picture into a photo file. "save" on "/tmp/QSaveImage"
// starts one save: a free name, "jpegenc save" with the hidden temporary
// beside it, up to ten reply turns on "/tmp/photos_ir", then the overlay is
// grabbed on the GUI thread and the composition, the trailer, the fsync and
// the rename to the chosen name run on a worker (PhotoComposition, the one
// composition path: a card that refuses the file is remounted once and the
// step tried again) that is joined before the next save and at stop. Every
// way out ends the capture: the picture runs again, "jpegenc stop" goes out
// and the panel is free; a failure leaves no file and shows a tip. A card
// pulled during a save fails it too: at once while the reply is awaited,
// or when the worker is done (a photo it renamed in time stays).
class SaveImage : public QObject
{
    Q_OBJECT
public:
    explicit SaveImage(QObject *parent = nullptr);
    ~SaveImage() override;

    // Opens both pipes; false when the request pipe cannot be made.
    bool start();
    // Stops the readers, joins the worker. Idempotent.
    void stop();

    void setEditImage(EditImage *edit);
    EditImage *editImage() const { return m_edit.get(); }
    bool isBusy() const { return m_busy; }

    // The card watcher lost the card.
    void cardRemoved();

    void Set_FileName(const QString &name) { m_fileName = name; }
    QString Get_FileName() const { return m_fileName; }
    // Full paths of the photo and its temporary under the image folder.
    static QString photoPath(const QString &name);
    static QString temporaryPath(const QString &name);

Q_SIGNALS:
    void showIRWrapsignals(const QString &name);
    // The service has written the photo at path (its temporary), the name
    // indicator still up; right after, the indicator goes, the overlay is
    // grabbed and the composition begins.
    void freezeImagesignals(const QString &path);
    void hideIRWrapsignals();
    // After the rename: the photo is complete under name.
    void photoSaved(const QString &name);
    void saveFailed(const QString &reason);
    // After every save request that was handled, saved or not.
    void saved();

private:
    void onRequest(const QByteArray &data);
    void onReply(const QByteArray &data);
    void onTurn();
    void beginSave();
    void finishPhoto();
    void onWritten(bool ok, const QString &reason);
    void abort(const QString &reason);
    void endCapture();
    void joinWorker();
    FilenameSystem *names();

    FifoReader *m_requests;
    FifoReader *m_replies;
    std::unique_ptr<ReplyTokenizer> m_requestTokens;
    std::unique_ptr<ReplyTokenizer> m_replyTokens;
    std::unique_ptr<EditImage> m_edit;
    std::unique_ptr<FilenameSystem> m_ownNames;
    QTimer *m_turnTimer;
    std::thread m_worker;
    QString m_fileName;
    int m_turns = 0;
    int m_imageMode = 0;
    bool m_busy = false;
    bool m_waiting = false;
    bool m_cardLost = false;
};
