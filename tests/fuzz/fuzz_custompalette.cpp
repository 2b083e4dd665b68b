// libFuzzer entry point: "Parameter/Setting" as the custom palette list and
// the colour bar read it: the names, then every slot's record and table.
#include "custompalettenames.h"
#include "custompaletterecord.h"
#include "fuzzroot.h"

#include <QSet>
#include <QSettings>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzRoot root;
    root.write("Parameter/Setting", data, size);
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    const QList<CustomPaletteNames::Entry> names = CustomPaletteNames::read(settings);
    if (names.size() > CustomPaletteRecord::SlotCount)
        std::abort();
    QSet<int> seen;
    for (const CustomPaletteNames::Entry &entry : names) {
        if (entry.slot < 0 || entry.slot >= CustomPaletteRecord::SlotCount || seen.contains(entry.slot))
            std::abort();
        if (entry.name.isEmpty() || entry.name.size() > CustomPaletteNames::MaxLength)
            std::abort();
        seen.insert(entry.slot);
    }
    for (int slot = 0; slot < CustomPaletteRecord::SlotCount; ++slot) {
        const CustomPaletteRecord record = CustomPaletteRecord::read(settings, slot);
        if (!(1 <= record.position(0) && record.position(0) < record.position(1) && record.position(1) < record.position(2)
              && record.position(2) <= 254))
            std::abort();
        if (!(record.minTemp() + 1.0f <= record.maxTemp() + 1e-3f))
            std::abort();
        for (int q = 0; q < CustomPaletteRecord::QuarterCount; ++q) {
            const int on = record.enabled(q) ? 1 : 0;
            if (on != 0 && on != 1)
                std::abort();
        }
        const RgbTable table = record.table();
        const YuvTable yuv = CustomPaletteRecord::toYuv(table);
        for (int i = 0; i < 256; ++i) {
            if (table[i].pad != 0 || yuv[i].y < 16 || yuv[i].y > 235 || yuv[i].u < 16 || yuv[i].u > 240 || yuv[i].v < 16 || yuv[i].v > 240)
                std::abort();
        }
    }
    return 0;
}
