#pragma once

#include "therma_global.h"

// Version of the library as the service pages show it.
THERMA_EXPORT const char *thermaVersion();
