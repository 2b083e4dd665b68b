#pragma once

#include <QString>

// The nine languages of the user interface: the key stored as "Lang" and
// the name the user reads, in the order the lists show them. The start-up
// checks the stored key here before it builds a translation file name from
// it, so a damaged key never names a file.
class LanguageTable
{
public:
    static constexpr int Count = 9;

    static QString key(int index);
    static QString name(int index);
    // -1 when text is no key (display names are no keys).
    static int indexOfKey(const QString &text);
    // The stored key when it is one of the nine, else "English".
    static QString checkedKey(const QString &stored);
    // "language/ostrel_" followed by the checked key.
    static QString translationFile(const QString &stored);
    // "wenquanyi" for English and Chinese, "unifont" for the others.
    static QString fontFamily(const QString &stored);
    // "Lang" of "Parameter/Setting", checked.
    static QString storedKey();

private:
    LanguageTable() = delete;
};
