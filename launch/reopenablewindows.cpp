#include "reopenablewindows.h"

#include <QApplication>
#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QWidget>

namespace {

// QWidget::destroy() is protected; this reaches it as a subclass would.
struct NativeSide : QWidget
{
    static void drop(QWidget *widget) { (widget->*(&NativeSide::destroy))(true, true); }
};

} // namespace

ReopenableWindows::ReopenableWindows(QObject *parent)
    : QObject(parent)
{
}

void ReopenableWindows::install()
{
    static QPointer<ReopenableWindows> installed;
    if (!qApp || installed)
        return;
    installed = new ReopenableWindows(qApp);
    qApp->installEventFilter(installed);
}

bool ReopenableWindows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::PlatformSurface || !watched->isWidgetType())
        return false;
    if (static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
        != QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    // QWidget::destroy() clears "created" before the surface goes and drops
    // the store itself; only a surface lost under a living widget is stale.
    if (!widget->isWindow() || !widget->testAttribute(Qt::WA_WState_Created) || !widget->backingStore())
        return false;
    // Later: the close that destroys the surface may have been called from
    // an event the window itself is handling.
    QPointer<QWidget> guard(widget);
    QMetaObject::invokeMethod(this, [guard] {
        if (guard && guard->isWindow())
            renew(guard);
    }, Qt::QueuedConnection);
    return false;
}

void ReopenableWindows::renew(QWidget *window)
{
    // Shown again before this ran: it already stands on a surface without
    // a store, so it is built anew where it is.
    const bool shown = window->testAttribute(Qt::WA_WState_Created) && window->isVisible();
    if (shown)
        window->hide();
    NativeSide::drop(window);
    if (shown)
        window->show();
}
