#pragma once

#include <QtGlobal>

class QSettings;

// Every checked write of a settings file ends here: the settings object is
// synced and its status checked, a failure is logged, and the user is told
// once per failure streak, by a tip on the live view. The streak lasts
// until a write lands again; that write takes the tip away if it still
// shows. Called on the GUI thread.
class SettingsSync
{
public:
    static constexpr const char *TipText = QT_TRANSLATE_NOOP("SettingsSync", "Settings not stored!");

    // false when the file did not take the values; what names them in the
    // log.
    static bool commit(QSettings &settings, const char *what);

private:
    SettingsSync() = delete;
    static void tell();
    static void untell();
};
