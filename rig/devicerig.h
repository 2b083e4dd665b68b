#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class RigLog;
class RigNodes;
class RigRequests;
class SimBoard;
class SimCardSlot;
class SimCore;

// The simulated camera served out of process at a device-shaped root: the
// board, ADC, power, screen and sound nodes through FUSE, the core on a
// pseudo-terminal linked at "/dev/ttyS1", the card and USB detect pipes,
// and the requests FUSE cannot answer (power, clock chip, sync) for a
// program started through rig-exec. The program under test sees them at
// "/" once the rig's root is its root (scripts/device-rig.sh). Logs and the
// ready mark go to the root's "/rig" folder.
class DeviceRig : public QObject
{
    Q_OBJECT
public:
    explicit DeviceRig(QObject *parent = nullptr);
    ~DeviceRig() override;

    bool start(const QString &root);
    void stop();

    static constexpr int FrameIntervalMs = 100;

private:
    bool linkNodes(QString *error) const;

    std::shared_ptr<SimBoard> m_board;
    std::unique_ptr<SimCore> m_core;
    std::unique_ptr<SimCardSlot> m_cardSlot;
    // Before the nodes and requests that append to them: outlive both.
    std::unique_ptr<RigLog> m_powerLog;
    std::unique_ptr<RigLog> m_clockLog;
    std::unique_ptr<RigNodes> m_nodes;
    std::unique_ptr<RigRequests> m_requests;
    QTimer m_frameTimer;
};
