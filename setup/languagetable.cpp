#include "languagetable.h"

#include "setupsettings.h"

namespace {
struct Language
{
    const char *key;
    const char *name; // UTF-8
};

const Language s_languages[LanguageTable::Count] = {
    {"English", "English"},
    {"Chinese", "\xE7\xAE\x80\xE4\xBD\x93\xE4\xB8\xAD\xE6\x96\x87"},
    {"ChineseF", "\xE7\xB9\x81\xE9\xAB\x94\xE4\xB8\xAD\xE6\x96\x87"},
    {"German", "Deutsch"},
    {"French", "Fran\xC3\xA7" "ais"},
    {"Netherlands", "Netherlands"},
    {"Swedish", "Svenska"},
    {"Italian", "Italiano"},
    {"Spanish", "Espa\xC3\xB1ol"},
};
} // namespace

QString LanguageTable::key(int index)
{
    return index >= 0 && index < Count ? QString::fromLatin1(s_languages[index].key) : QString();
}

QString LanguageTable::name(int index)
{
    return index >= 0 && index < Count ? QString::fromUtf8(s_languages[index].name) : QString();
}

int LanguageTable::indexOfKey(const QString &text)
{
    for (int i = 0; i < Count; ++i)
        if (text == QLatin1String(s_languages[i].key))
            return i;
    return -1;
}

QString LanguageTable::checkedKey(const QString &stored)
{
    return indexOfKey(stored) >= 0 ? stored : key(0);
}

QString LanguageTable::translationFile(const QString &stored)
{
    return QStringLiteral("language/ostrel_") + checkedKey(stored);
}

QString LanguageTable::fontFamily(const QString &stored)
{
    const QString checked = checkedKey(stored);
    return checked == QLatin1String("English") || checked == QLatin1String("Chinese") ? QStringLiteral("wenquanyi")
                                                                                       : QStringLiteral("unifont");
}

QString LanguageTable::storedKey()
{
    return checkedKey(SetupSettings::readString("Lang", QStringLiteral("English")));
}
