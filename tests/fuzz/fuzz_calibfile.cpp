// libFuzzer entry point: one calibration file, parsed into a table.
#include "calibrationfile.h"
#include "fuzzroot.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzRoot root;
    const QString path = root.write("etc/calc_len0_temp0.conf", data, size);
    TempInfoTab table = CalibrationFile::emptyTable();
    const bool sound = CalibrationFile::readTable(path, &table);
    if (table.num > TEMP_TAB_POINTS)
        std::abort();
    if (sound) {
        if (table.num < 2)
            std::abort();
        for (int i = 1; i < table.num; ++i) {
            if (table.ad[i] <= table.ad[i - 1] || table.temp[i] <= table.temp[i - 1])
                std::abort();
        }
    }
    return 0;
}
