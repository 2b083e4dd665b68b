#include "custompalettestore.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "ependingsettings.h"
#include "settingssync.h"
#include "storedsettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace {
const char *const s_topKeys[] = {"ColorTable_Mode", "Custom_ColorTable_Index"};

QMap<QString, QVariant> snapshot(QSettings &settings)
{
    QMap<QString, QVariant> values;
    settings.beginGroup(QStringLiteral("CustomPalette"));
    for (const QString &key : settings.allKeys())
        values.insert(QStringLiteral("CustomPalette/") + key, settings.value(key));
    settings.endGroup();
    for (const char *key : s_topKeys) {
        if (settings.contains(QLatin1String(key)))
            values.insert(QLatin1String(key), settings.value(QLatin1String(key)));
    }
    return values;
}
} // namespace

bool CustomPaletteStore::commit(const std::function<void(QSettings &)> &change)
{
    // Nothing pending may land later on top of this write, or be lost by it.
    EPendingSettings::instance()->flush();
    const QString path = QStringLiteral("Parameter/Setting");
    // A file that cannot even be read is not replaced from what little the
    // process would see of it, and nothing is left pending for later.
    const QFileInfo file(path);
    if (file.exists() && !file.isFile()) {
        qWarning("CustomPaletteStore: Parameter/Setting is no file; nothing written");
        return false;
    }
    StoredSettings settings(path, QSettings::NativeFormat);
    settings.setAtomicSyncRequired(true);
    if (settings.status() != QSettings::NoError) {
        qWarning("CustomPaletteStore: Parameter/Setting cannot be read; nothing written");
        return false;
    }
    const QMap<QString, QVariant> before = snapshot(settings);
    change(settings);
    if (SettingsSync::commit(settings, "the palettes"))
        return true;
    qWarning("CustomPaletteStore: the palettes stay as they were");
    settings.remove(QStringLiteral("CustomPalette"));
    for (const char *key : s_topKeys)
        settings.remove(QLatin1String(key));
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        settings.setValue(it.key(), it.value());
    return false;
}

void CustomPaletteStore::reportFailure()
{
    if (EGraphicsView *view = EGlobal::getGraphicsView()) {
        view->setTipsText(QCoreApplication::translate("CustomPaletteStore", "Cannot save the palettes!"));
        view->setTipsVisibled(true);
    }
}
