// libFuzzer entry point: a calibration table as its writers see it,
// loaded, saved whole and loaded again.
#include "calibrationfile.h"
#include "calibtable.h"
#include "fuzzroot.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The grid points of a saved table, as the library must find them: false
// when one is no 16-bit AD or they do not rise.
bool risingGrid(const CalibTable &table, int *count)
{
    bool ok = false;
    const int minTemp = table.value(QStringLiteral("ParaSet/MinTemp")).toString().toInt(&ok);
    if (!ok)
        return false;
    const int wanted = table.value(QStringLiteral("ParaSet/TempNum")).toString().toInt();
    qint64 last = -1;
    *count = 0;
    for (const CalibTable::Row &row : table.rows()) {
        bool canonical = false;
        const int t = row.temp.toInt(&canonical);
        if (!canonical || QString::number(t) != row.temp || t < minTemp || (t - minTemp) % 10 != 0)
            continue;
        if (*count >= wanted)
            break;
        bool hex = false;
        const qint64 ad = CalibTable::adValue(row.ad, &hex);
        if (!hex || ad < 0 || ad > 0xFFFF || ad <= last)
            return false;
        last = ad;
        ++*count;
    }
    return true;
}

const char *const Input = "etc/calc_len0_temp0.conf";
const char *const Saved = "etc/calc_len0_temp1.conf";

void loadSaveLoad(const QString &path)
{
    CalibTable first;
    if (!first.load(path))
        return;
    for (int i = 1; i < first.rowCount(); ++i) {
        if (CalibTable::tempValue(first.rows().at(i).temp) < CalibTable::tempValue(first.rows().at(i - 1).temp))
            std::abort();
    }
    const QString saved = QString::fromLatin1(Saved);
    CalibTable written = first;
    if (!written.save(saved))
        return;
    CalibTable second;
    if (!second.load(saved))
        std::abort();
    // Rows and every key the writer does not own come back as they were.
    if (second.rows() != written.rows())
        std::abort();
    for (const CalibTable::Row &row : first.rows()) {
        if (!row.ad.isEmpty() && second.ad(row.temp) != row.ad)
            std::abort();
    }
    int count = 0;
    if (risingGrid(second, &count) && count >= 2 && count <= CalibTable::MaxPoints) {
        TempInfoTab table = CalibrationFile::emptyTable();
        if (!CalibrationFile::readTable(saved, &table) || table.num != count)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzRoot root;
    loadSaveLoad(root.write(Input, data, size));
    // Both tables' parses go with the input: a table is parsed whole, and
    // a second run of every input that grew it would cost a sixth of the
    // time.
    FuzzRoot::release(Input);
    FuzzRoot::release(Saved);
    return 0;
}
