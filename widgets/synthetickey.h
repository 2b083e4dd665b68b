#pragma once

#include <QString>

class QWidget;

// The key codes of the touch keyboards and pads travel as text in each
// button's accessible name ("0x51"); a tap turns into one key press.
class SyntheticKey
{
public:
    // Parses a base-16 key code ("0x" accepted); false when empty or not a
    // number.
    static bool parseCode(const QString &name, int *key);
    // Modifier and system keys that a pad never sends.
    static bool isSuppressed(int key);
    // Event text for a caption: trimmed, "&&" stands for "&", the space bar
    // (whose caption is empty) types a blank.
    static QString textFor(int key, const QString &caption);
    // Delivers one key press (never a release) synchronously; false when
    // there is no receiver.
    static bool press(QWidget *target, int key, const QString &text);

private:
    SyntheticKey() = delete;
};
