#include "fontfamilies.h"

#include <QFont>
#include <QStringList>

void FontFamilies::install()
{
    QFont::insertSubstitutions(QStringLiteral("wenquanyi"),
                               {QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("WenQuanYi Micro Hei")});
    QFont::insertSubstitutions(QStringLiteral("unifont"),
                               {QStringLiteral("Unifont"), QStringLiteral("WenQuanYi Zen Hei")});
}
