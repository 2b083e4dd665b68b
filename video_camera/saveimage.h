#pragma once

#include <QObject>

class FifoReader;

// The save thread's pipe side, thin until the capture screens exist: it
// makes "/tmp/QSaveImage", and each "save" (first four characters, any
// case) ends the capture as a finished save does: the picture and the
// freeze mark are released, "jpegenc stop" goes to the encoder service and
// the capture panel's busy state returns to 0. It writes no file.
class SaveImage : public QObject
{
    Q_OBJECT
public:
    // How long the picture stays frozen for one save.
    enum { FinishMs = 400 };

    explicit SaveImage(QObject *parent = nullptr);
    ~SaveImage() override;

    // false when the pipe cannot be made.
    bool start();
    void stop();
    static bool isSaveRequest(const QByteArray &data);

Q_SIGNALS:
    // After a "save" was handled.
    void saved();

private:
    void onReceived(const QByteArray &data);

    FifoReader *m_reader;
};
