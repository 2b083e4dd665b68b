#include "updateprogress.h"

#include <QtGlobal>

bool UpdateProgress::take(const QList<int> &values, int barValue)
{
    const int finalFlag = values.size() > 0 ? values.at(0) : m_final;
    const int seconds = values.size() > 1 ? values.at(1) : m_seconds;
    const int amount = values.size() > 2 ? values.at(2) : m_amount;
    if (seconds < 1) {
        qWarning("progress message ignored: %d seconds", seconds);
        return false;
    }
    const float from = static_cast<float>(qBound(0, barValue, FinalLimit));
    const float step = finalFlag != 0 ? (FinalLimit - from) / static_cast<float>(seconds)
                                      : static_cast<float>(amount / seconds);
    if (step < 0.0f) {
        qWarning("progress message ignored: amount %d would move the bar back", amount);
        return false;
    }
    m_final = finalFlag;
    m_seconds = seconds;
    m_amount = amount;
    m_step = step;
    m_progress = from;
    return true;
}

int UpdateProgress::tick(int barValue)
{
    const int limit = m_final != 0 ? FinalLimit : RunningLimit;
    if (barValue >= limit)
        return -1;
    const float next = m_progress + m_step;
    // The bar shows the sum truncated and takes nothing above its maximum;
    // the sum stays there with it. A sum a rounding error above 100 still
    // shows as 100.
    if (static_cast<int>(next) > FinalLimit)
        return -1;
    m_progress = next;
    return static_cast<int>(m_progress);
}
