#pragma once

#include <functional>

class QSettings;

// One atomic replacement of "Parameter/Setting" for the custom palettes:
// pending coalesced writes go first, then the change is synced and
// checked. When the file cannot be written it keeps its old content and
// the process's view of the palette keys is put back, so no later write
// of another screen carries the failed change into the file.
class CustomPaletteStore
{
public:
    static bool commit(const std::function<void(QSettings &)> &change);
    // Shows the failure on the live view.
    static void reportFailure();
};
