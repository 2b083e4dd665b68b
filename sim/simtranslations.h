#pragma once

#include <QString>

// The compiled translation catalogues of this build, put into the root's
// "language/" where the program loads them, as on the camera.
class SimTranslations
{
public:
    // OSTREL_TRANSLATIONS when set, else this build's "language/".
    static QString directory();
    // Copies every "ostrel_*.qm" that is missing or differs; the number
    // copied, -1 when one could not be written.
    static int install(const QString &rootDir);

private:
    SimTranslations() = delete;
};
