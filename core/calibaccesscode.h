#pragma once

#include <QString>

// The two texts that open calibration mode: the fixed one, and one that
// changes every ten minutes, derived from the clock and a secret kept in
// the program (64-bit FNV-1a over the secret and the step, six digits).
class CalibAccessCode
{
public:
    enum { StepSeconds = 600 };

    static QString fixedCode();
    // The code of the step holding utcSeconds.
    static QString codeAt(qint64 utcSeconds);
    // The code of the step SystemClock gives now.
    static QString currentCode();
    // The fixed code, or the code of the current step (exact match).
    static bool accepts(const QString &text);

private:
    CalibAccessCode() = delete;
};
