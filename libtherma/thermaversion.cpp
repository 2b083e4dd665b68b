#include "thermaversion.h"

const char *thermaVersion()
{
    return "0.1";
}
