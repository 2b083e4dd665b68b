#include "calibaccesscode.h"

#include "systemclock.h"

#include <cstdint>

namespace {

const unsigned char Secret[16] = {0x5a, 0x1f, 0xc3, 0x77, 0x08, 0xe4, 0x92, 0x3b,
                                  0xd6, 0x61, 0x0c, 0xa8, 0x4f, 0xb5, 0x27, 0x9e};

uint64_t fnv1a(uint64_t hash, unsigned char byte)
{
    return (hash ^ byte) * 0x100000001b3ULL;
}

} // namespace

QString CalibAccessCode::fixedCode()
{
    return QStringLiteral("Blue Harbor");
}

QString CalibAccessCode::codeAt(qint64 utcSeconds)
{
    // Floor division: a clock before 1970 still lands in one step.
    qint64 step = utcSeconds / StepSeconds;
    if (utcSeconds < 0 && utcSeconds % StepSeconds != 0)
        --step;
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char byte : Secret)
        hash = fnv1a(hash, byte);
    const uint64_t bits = uint64_t(step);
    for (int i = 0; i < 8; ++i)
        hash = fnv1a(hash, static_cast<unsigned char>(bits >> (8 * i)));
    return QStringLiteral("%1").arg(qulonglong(hash % 1000000ULL), 6, 10, QLatin1Char('0'));
}

QString CalibAccessCode::currentCode()
{
    return codeAt(SystemClock::instance()->now().toSecsSinceEpoch());
}

bool CalibAccessCode::accepts(const QString &text)
{
    return text == fixedCode() || text == currentCode();
}
