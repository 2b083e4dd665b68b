#include "settingssync.h"

#include "eglobal.h"
#include "egraphicsview.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSettings>

namespace {
// The live view told of the current failure streak; none while writes land.
QPointer<EGraphicsView> s_told;

QString tip()
{
    return QCoreApplication::translate("SettingsSync", SettingsSync::TipText);
}
} // namespace

bool SettingsSync::commit(QSettings &settings, const char *what)
{
    settings.sync();
    if (settings.status() == QSettings::NoError) {
        untell();
        return true;
    }
    qWarning("%s: %s not stored", qPrintable(settings.fileName()), what);
    tell();
    return false;
}

void SettingsSync::tell()
{
    // Without a live view there is nobody to tell yet: the next failure
    // tries again.
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (!view || s_told == view)
        return;
    view->setTipsText(tip());
    view->setTipsVisibled(true);
    s_told = view;
}

void SettingsSync::untell()
{
    if (!s_told)
        return;
    if (s_told->getTipsText() == tip())
        s_told->setTipsVisibled(false);
    s_told = nullptr;
}
