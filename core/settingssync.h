#pragma once

#include <QtGlobal>

class QSettings;
class QWidget;

// Every checked write of a settings file ends here: the settings object is
// synced and its status checked, a failure is logged, and the user is told
// once per failure streak, by a tip on the live view. The streak lasts
// until a write lands again; that write takes the tip away if it still
// shows. Called on the GUI thread. A screen that covers the live view
// (the setup window) has the failure told over it at once as well.
class SettingsSync
{
public:
    static constexpr const char *TipText = QT_TRANSLATE_NOOP("SettingsSync", "Settings not stored!");

    // false when the file did not take the values; what names them in the
    // log.
    static bool commit(QSettings &settings, const char *what);

    // A short tip with the same words over window, for the failure of a
    // value the user just changed there: the live view's tip is hidden
    // under it until it closes. Nothing for a window not shown.
    static void tellOver(QWidget *window);

private:
    SettingsSync() = delete;
    static void tell();
    static void untell();
};
