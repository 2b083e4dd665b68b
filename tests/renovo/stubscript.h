#pragma once

#include "finishpage.h"
#include "testroot.h"

#include <QFile>
#include <QStringList>

// The stub update script (renovo-stub.sh here) at the script's place in a
// test root, and the environment that tells it what to play.
namespace StubScript {

inline const QStringList &variables()
{
    static const QStringList names = {QStringLiteral("RENOVO_STUB_MESSAGES"), QStringLiteral("RENOVO_STUB_PAUSE"),
                                      QStringLiteral("RENOVO_STUB_SPLIT"), QStringLiteral("RENOVO_STUB_END"),
                                      QStringLiteral("RENOVO_STUB_OUTPUT"), QStringLiteral("RENOVO_STUB_LINE"),
                                      QStringLiteral("RENOVO_STUB_UNBROKEN"), QStringLiteral("RENOVO_STUB_BACKGROUND")};
    return names;
}

// Executable unless told not: a copy without the bit cannot start.
inline bool place(const TestRoot &root, bool executable = true)
{
    QFile stub(TestRoot::testData(QStringLiteral("renovo-stub.sh")));
    if (!stub.open(QIODevice::ReadOnly))
        return false;
    const QString script = QString::fromLatin1(FinishPage::UpdateScript);
    if (!root.writeFile(script, stub.readAll()))
        return false;
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    return QFile(root.hostPath(script)).setPermissions(permissions);
}

inline void set(const char *name, const QByteArray &value)
{
    qputenv(name, value);
}

inline void clear()
{
    for (const QString &name : variables())
        qunsetenv(name.toLatin1().constData());
}

} // namespace StubScript
