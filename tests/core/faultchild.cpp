// Started by tst_startup: installs the crash handler and faults.
#include "startup.h"

#include <cstdint>

int main()
{
    StartUp::setuptrap();
    // A write to an unmapped page the compiler cannot see: the sanitizers
    // check null and misaligned pointers, not this, so the handler meets
    // the fault as it would in the camera.
    volatile std::uintptr_t address = 16;
    *reinterpret_cast<volatile int *>(address) = 1;
    return 0;
}
