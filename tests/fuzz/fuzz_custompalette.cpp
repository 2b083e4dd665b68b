// libFuzzer entry point: "Parameter/Setting" as the custom palette list and
// the colour bar read it: the names, then every slot's record and, when its
// anchors are new, its table.
#include "custompalettenames.h"
#include "custompaletterecord.h"
#include "fuzzroot.h"

#include <QSet>
#include <QSettings>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

// What a record's table is made of: the table is a pure function of these,
// so a slot whose anchors are the ones it had on the last input (most
// slots, most inputs) needs no second build of its 256 entries.
struct Anchors
{
    std::array<int, CustomPaletteRecord::QuarterCount> positions{};
    std::array<bool, CustomPaletteRecord::QuarterCount> enabled{};
    std::array<uint8_t, 3 * CustomPaletteRecord::PointCount> colours{};
    bool operator==(const Anchors &o) const { return positions == o.positions && enabled == o.enabled && colours == o.colours; }
    bool operator!=(const Anchors &o) const { return !(*this == o); }

    static Anchors of(const CustomPaletteRecord &record)
    {
        Anchors a;
        for (int q = 0; q < CustomPaletteRecord::QuarterCount; ++q) {
            a.positions[q] = record.position(q);
            a.enabled[q] = record.enabled(q);
        }
        for (int n = 0; n < CustomPaletteRecord::PointCount; ++n) {
            a.colours[3 * n] = record.point(n).r;
            a.colours[3 * n + 1] = record.point(n).g;
            a.colours[3 * n + 2] = record.point(n).b;
        }
        return a;
    }
};

void checkTable(const CustomPaletteRecord &record)
{
    const RgbTable table = record.table();
    const YuvTable yuv = CustomPaletteRecord::toYuv(table);
    for (int i = 0; i < 256; ++i) {
        if (table[i].pad != 0 || yuv[i].y < 16 || yuv[i].y > 235 || yuv[i].u < 16 || yuv[i].u > 240 || yuv[i].v < 16 || yuv[i].v > 240)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Fixed storage, no allocation: the leak check after an input sees the
    // heap as the input left it.
    static std::array<std::optional<Anchors>, CustomPaletteRecord::SlotCount> checked;
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
        const Anchors anchors = Anchors::of(record);
        if (checked[slot] != anchors) {
            checkTable(record);
            checked[slot] = anchors;
        }
    }
    return 0;
}
