#pragma once

#include "therma_global.h"

#include <QSettings>
#include <QString>

// A settings object on a stored file ("Parameter/Setting", "etc/MixOffset",
// …). It opens the file itself when the file is missing or TableFileLimit
// lets it be read, or when a folder stands there (nothing is read, writes
// fail and are reported). Any other refused one - far too large, a pipe, a
// device, a link to nowhere - that start-up could not set aside is neither
// read nor rewritten: the object opens a stand-in under "/tmp" instead,
// emptied at its first use in a run, so the program works on its defaults
// and keeps this run's changes there.
class THERMA_EXPORT StoredSettings : public QSettings
{
public:
    explicit StoredSettings(const QString &file, QSettings::Format format = QSettings::NativeFormat);

    // The host file a settings object on path opens.
    static QString hostPathFor(const QString &path);
    // Where the stand-in of path lives.
    static QString standInFor(const QString &path);

    static constexpr const char *StandInFolder = "/tmp/stored-stand-in";
};
