#include "filenamesystem.h"
