#include "tempboard.h"

TempBoard::~TempBoard() = default;
