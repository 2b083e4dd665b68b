#pragma once

#include <QString>
#include <QStringList>

#include <csignal>
#include <optional>
#include <utility>

class EMainWindow;
class QSettings;

// What ostrel does around its main window: apply the stored settings to
// the board and the live view, install the crash handler, blank the third
// framebuffer, start the encoder's capture and, when the event loop ends
// (a language change), replace the process with a fresh copy of itself.
class StartUp
{
public:
    // Applies "Parameter/Setting" and "etc/MixOffset" in the fixed order;
    // installs the key filter on the window and the file-name generator.
    static void init(EMainWindow *window);

    // Before anything reads them: scratch files of saves killed half-way
    // are removed, a settings file far too large is set aside, and one
    // that is a symbolic link gives way to a file of its own.
    static void checkStoredFiles();

    static void setuptrap();
    // Async-signal-safe: the full fault address, the backtrace, _exit(1).
    static void fault_trap(int signal, siginfo_t *info, void *context);

    // On the camera, before the application object takes the frame buffer:
    // the update wizard ends only after the start-up script it runs has
    // started this program again, and its screen and console mode go when
    // it ends. Waits up to WizardLeaveMs; false when it is still running.
    static bool waitForUpdateWizard();
    static constexpr int WizardLeaveMs = 5000;

    static constexpr const char *BlankedFramebuffer = "/dev/fb/2";
    // BlankedFramebuffer blanked; a missing node is ignored.
    static void blankFramebuffer();
    // "capture start" to the encoder service; false when nobody reads.
    static bool startCapture();

    // The program's own file, taken once at start before anything changes
    // the working folder.
    static void rememberProgram(int argc, char **argv);
    // Re-executes the remembered program with the original arguments, with
    // only descriptors 0-2 open. Returns only when that fails.
    static void restart();

    // "a~b" limits for a temperature range index; none when the text is
    // not exactly two numbers apart by one "~" or when min >= max.
    static std::optional<std::pair<int, int>> rangeLimits(const QString &text);
    // The limits of range 0-2 as "Parameter/Setting" holds them under
    // "BiaoDing/TempRange<n>" (with the factory texts as defaults); none for
    // another index or an unusable text.
    static std::optional<std::pair<int, int>> storedRangeLimits(int range);
    // The same from a settings object already open on that file.
    static std::optional<std::pair<int, int>> storedRangeLimits(const QSettings &settings, int range);

private:
    StartUp() = delete;
};
