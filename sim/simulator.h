#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>

class SimBoard;
class SimCardSlot;
class SimRtc;
class SimCore;
class SimIRCore;
class SimEncoder;

// Wires every seam to its simulated side for `ostrel --simulate`: prepares
// the root, makes it the path root and the working directory, installs the
// recording command runner and the simulated clock, installs the simulated
// board as the library's board, puts the simulated core on "/dev/ttyS1" and
// runs encoder-sim. While it runs, the board's scene moves on and every new
// picture is announced with boardPicture(). It refuses a root that is "/"
// or a folder it did not make (see SimRoot), before touching anything.
class Simulator : public QObject
{
    Q_OBJECT
public:
    explicit Simulator(QObject *parent = nullptr);
    ~Simulator() override;

    // rootDir empty: OSTREL_ROOT, else "./sim-root". On failure the reason
    // is on stderr and exitCode() says how the program should end.
    bool start(const QString &rootDir = QString());
    // Only the root part of start(): the recording runner, the simulated
    // clock, the prepared root as path root and working directory. Programs
    // that need no board (renovo) stop here.
    bool enterRoot(const QString &rootDir = QString());
    void stop();
    // 2 when the root was refused, 1 when it could not be prepared.
    int exitCode() const { return m_exitCode; }

    QString root() const { return m_root; }
    static QString defaultRoot();

    SimBoard *board() const { return m_board.get(); }
    SimCore *core() const { return m_core.get(); }
    SimCardSlot *cardSlot() const { return m_cardSlot.get(); }
    // The core library's side, installed as IRCoreLibrary::instance().
    SimIRCore *irCore() const { return m_irCore; }

    // Scene step of the simulated board, in milliseconds of scene time.
    static constexpr int FrameIntervalMs = 100;
    // The core's shutter commands and what the external one settles to.
    static constexpr uint8_t OutsideShutterCode = 0x52;
    static constexpr uint8_t InsideShutterCode = 0x31;
    static constexpr uint8_t InsideShutterNoVskCode = 0x51;
    static constexpr uint16_t BackgroundAD = 0x8000;
    static constexpr int BackgroundFrames = 4;

Q_SIGNALS:
    // The picture the board draws now, every frame; null until something
    // has uploaded a palette, as the real board shows nothing before that.
    // With it the board's colour bar, null while it is switched off.
    void boardPicture(const QImage &picture, const QImage &colorBar);

private:
    void linkCore();
    void nextFrame();

    QString m_root;
    int m_exitCode = 0;
    std::unique_ptr<SimEncoder> m_encoder;
    std::shared_ptr<SimBoard> m_board;
    std::shared_ptr<SimRtc> m_rtc;
    std::unique_ptr<SimCore> m_core;
    QTimer m_frameTimer;
    std::unique_ptr<SimCardSlot> m_cardSlot;
    SimIRCore *m_irCore = nullptr;
};
