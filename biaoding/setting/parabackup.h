#pragma once

#include <QString>

#include <atomic>

// The parameter backup to the card: the working directory's "Parameter"
// and "etc" copied under "/media/mmc/os320/<serial>". Runs on a worker:
// it only touches files. A serial number is 1 to 20 characters of
// 0-9, A-Z, a-z and "-", so it always names one folder inside "os320".
class ParaBackup
{
public:
    static bool validSerial(const QString &serial);
    static QString destination(const QString &serial);
    // Copies the two folders of sourceDir into destination, checking every
    // file, then flushes the file systems. True only when all of it copied.
    // A raised cancel flag stops it before the next file (and the flush):
    // its owner then waits for one file at most.
    static bool run(const QString &sourceDir, const QString &destination, QString *error = nullptr,
                    const std::atomic_bool *cancel = nullptr);

private:
    ParaBackup() = delete;
    static bool copyTree(const QString &from, const QString &to, QString *error, const std::atomic_bool *cancel);
};
