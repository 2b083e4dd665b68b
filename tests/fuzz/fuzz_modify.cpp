// libFuzzer entry point: one correction file, loaded into the factors.
#include "fuzzroot.h"
#include "modifyfactors.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzRoot root;
    root.write("Parameter/Modify", data, size);
    ModifyFactors factors;
    factors.updateModify(0, 0);
    for (int i = 0; i < ModifyFactors::Count; ++i) {
        const float f = factors.factor(i);
        if (f == 0.0f || !std::isfinite(f))
            std::abort();
    }
    if (factors.givenCount() > 0 && factors.minModifyTemp() > factors.maxModifyTemp())
        std::abort();
    return 0;
}
