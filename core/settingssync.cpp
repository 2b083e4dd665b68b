#include "settingssync.h"

#include "atomicfile.h"
#include "etipshost.h"
#include "indicator.h"
#include "tablefilelimit.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSettings>
#include <QWidget>

namespace {
// The live view told of the current failure streak, while that view lives;
// none while writes land.
QPointer<QWidget> s_toldView;
ETipsHost *s_told = nullptr;

QString tip()
{
    return QCoreApplication::translate("SettingsSync", SettingsSync::TipText);
}
} // namespace

bool SettingsSync::commit(QSettings &settings, const char *what)
{
    // A settings object saves through a symbolic link, onto whatever it
    // leads to: the link gives way to a file of its own first.
    AtomicFile::replaceLink(settings.fileName(), TableFileLimit::MAX_BYTES);
    settings.sync();
    if (settings.status() == QSettings::NoError) {
        untell();
        return true;
    }
    qWarning("%s: %s not stored", qPrintable(settings.fileName()), what);
    tell();
    return false;
}

void SettingsSync::tellOver(QWidget *window)
{
    if (!window || !window->isVisible())
        return;
    auto *indicator = new Indicator(window);
    indicator->setString(tip(), 0);
}

void SettingsSync::tell()
{
    // Without a live view there is nobody to tell yet: the next failure
    // tries again.
    ETipsHost *view = ETipsHost::instance();
    if (!view || (s_toldView && s_told == view))
        return;
    view->setTipsText(tip());
    view->setTipsVisibled(true);
    s_told = view;
    s_toldView = view->tipsView();
}

void SettingsSync::untell()
{
    if (s_toldView && s_told->getTipsText() == tip())
        s_told->setTipsVisibled(false);
    s_told = nullptr;
    s_toldView = nullptr;
}
