#include "pseudoterminal.h"

#include <paths.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0) {
        perror("posix_openpt");
        return;
    }
    char name[128];
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 || ::ptsname_r(m_master, name, sizeof name) != 0) {
        perror("pseudo-terminal set-up");
        ::close(m_master);
        m_master = -1;
        return;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slaveName = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (m_slave >= 0) {
        termios options;
        if (::tcgetattr(m_slave, &options) == 0) {
            ::cfmakeraw(&options);
            ::tcsetattr(m_slave, TCSANOW, &options);
        }
    }
}

PseudoTerminal::~PseudoTerminal()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PseudoTerminal::linkAt(const QString &systemPath) const
{
    if (!isValid())
        return false;
    const QString link = Paths::resolve(systemPath);
    QDir().mkpath(QFileInfo(link).absolutePath());
    ::unlink(QFile::encodeName(link).constData());
    return ::symlink(QFile::encodeName(m_slaveName).constData(), QFile::encodeName(link).constData()) == 0;
}
