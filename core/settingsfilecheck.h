#pragma once

#include <QString>

// "Parameter/Setting" holds a few kilobytes, and every settings object that
// opens it reads it whole. Before the first of them at start-up, the
// scratch files of saves killed half-way are removed, and a file the table
// readers would refuse as well (far too large, or no regular file) is set
// aside beside it under a name of its own, with a warning: the camera then
// starts on its defaults as without the file and writes a fresh one. The
// refused file itself is kept for whoever wants to look at it. One that
// cannot be set aside (every name taken, a folder that takes no renames)
// stays unread all the same: StoredSettings gives the run a stand-in.
class SettingsFileCheck
{
public:
    static constexpr const char *FileName = "Parameter/Setting";
    static constexpr const char *AsideName = "Parameter/Setting.too-large";
    // Names tried after AsideName: AsideName-2 … AsideName-MaxAside.
    enum { MaxAside = 9 };

    // Where the refused file went; empty when nothing was set aside.
    static QString run();

private:
    SettingsFileCheck() = delete;
    static bool renameWithoutReplacing(const QString &from, const QString &to);
};
