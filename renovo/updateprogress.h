#pragma once

#include <QList>

// The progress bar's pace. A message (final flag, seconds, amount) sets the
// step from where the bar stands; each tick adds one step while the bar is
// below its limit: 30 before the final message, 100 after it. The sums are
// single precision and the bar shows them truncated.
class UpdateProgress
{
public:
    // Takes a message's values; those it does not give keep the previous
    // message's. False, and nothing changes, for a message the step cannot
    // come from: seconds below 1 (the step divides by them) or a step that
    // would move the bar backwards.
    bool take(const QList<int> &values, int barValue);
    // The bar's value after one tick, or -1 when the bar stays where it is.
    int tick(int barValue);

    int finalFlag() const { return m_final; }
    int seconds() const { return m_seconds; }
    int amount() const { return m_amount; }
    float step() const { return m_step; }
    float progress() const { return m_progress; }

    static constexpr int RunningLimit = 30;
    static constexpr int FinalLimit = 100;

private:
    int m_final = 0;
    int m_seconds = 0;
    int m_amount = 0;
    float m_step = 0.0f;
    float m_progress = 0.0f;
};
