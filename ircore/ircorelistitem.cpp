#include "ircorelistitem.h"

IRCoreListItem::IRCoreListItem(QWidget *parent, Qt::WindowFlags flags)
    : PageList(tr("Settings"), {tr("Two Calib"), tr("Para Setting"), tr("B2")}, parent, flags)
{
    setFixedWidth(120);
    connect(this, &PageList::closeRequested, this, &IRCoreListItem::signal_close);
}
