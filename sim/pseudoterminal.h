#pragma once

#include <QString>

// A pseudo-terminal pair: the master side for a simulated device, the slave
// side's name for the program under test. The slave is held open (raw) so
// the line stays up while the program closes and reopens its end.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isValid() const { return m_master >= 0 && m_slave >= 0; }
    int masterFd() const { return m_master; }
    QString slaveName() const { return m_slaveName; }
    // Makes a symbolic link to the slave at a system path under the root
    // ("/dev/ttyS1"), replacing a link left by an earlier run.
    bool linkAt(const QString &systemPath) const;

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slaveName;
};
