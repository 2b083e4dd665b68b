// Started by tst_startup: installs the crash handler and faults.
#include "startup.h"

int main()
{
    StartUp::setuptrap();
    volatile int *nowhere = nullptr;
    *nowhere = 1;
    return 0;
}
