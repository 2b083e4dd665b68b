#include "storedsettings.h"
#include "zdatetimepage.h"

#include "datetimeparts.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "esetupswitch.h"
#include "esetuptitle.h"
#include "etoolwidget.h"
#include "filenamesystem.h"
#include "setdata.h"
#include "settingssync.h"
#include "zdateformat.h"
#include "zdatetimeitem.h"
#include "zsettime.h"

#include <QLabel>
#include <QSettings>
#include <QVBoxLayout>

ZDateTimePage::ZDateTimePage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    auto *bar = new ESetupTitle(this);
    bar->setFixedHeight(24);
    bar->setText(tr("set DateTime"));
    layout->addWidget(bar);

    dateItem = addRow(tr("Set Date"), "ZDateItem");
    timeItem = addRow(tr("Set Time"), "ZTimeItem");
    timeSwitch = new ESetupSwitch(tr("24-hour"), this);
    timeSwitch->setFixedHeight(30);
    timeSwitch->setFlat(true);
    timeSwitch->setFocusPolicy(Qt::NoFocus);
    timeSwitch->setOpen(true);
    formatItem = addRow(tr("Date format"), nullptr);
    layout->addWidget(dateItem);
    layout->addWidget(timeItem);
    layout->addWidget(timeSwitch);
    layout->addWidget(formatItem);
    layout->addStretch();
    connect(dateItem, &QPushButton::pressed, this, &ZDateTimePage::zdateItem_slots);
    connect(timeItem, &QPushButton::pressed, this, &ZDateTimePage::zTimeItem_slots);
    connect(timeSwitch, &QPushButton::pressed, this, &ZDateTimePage::zSwitchtime_Item_slots);
    connect(formatItem, &QPushButton::pressed, this, &ZDateTimePage::zSwitchdate_Item_slots);

    setStyleSheet(QStringLiteral(
        "QPushButton{background-color: white; border: 2px solid #8f8f91; border-radius: 6px; margin-left: 2px;}"
        "QPushButton:pressed{background-color: rgb(1, 103, 233); color: black; border: 2px solid #8f8f91;"
        " border-radius: 6px; margin-left: 2px;}"));

    const QString format = StoredSettings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat)
                               .value(QStringLiteral("Timeformat")).toString();
    if (format == QLatin1String("24")) {
        m_twelveHour = true;
        zSwitchtime_Item_slots();
    } else if (format == QLatin1String("12")) {
        m_twelveHour = false;
        zSwitchtime_Item_slots();
    }
}

ZDateTimeItem *ZDateTimePage::addRow(const QString &text, const char *name)
{
    auto *row = new ZDateTimeItem(this);
    if (name)
        row->setObjectName(QLatin1String(name));
    row->textLabel->setText(text);
    row->iconLabel->setPixmap(QPixmap(QStringLiteral(":/images/setup_arrow_right.png")));
    row->setFlat(true);
    row->setFocusPolicy(Qt::NoFocus);
    row->setFixedHeight(30);
    return row;
}

void ZDateTimePage::present(QWidget *dialog, const QPoint &position)
{
    dialog->move(position);
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setSetupVisibled(true);
    dialog->show();
}

// The finished signal comes from inside the dialog's own handler (or its
// board's): the dialog goes once control is back in the event loop.
void ZDateTimePage::dispose(QWidget *dialog)
{
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setSetupVisibled(false);
    DateTimeParts::dispose(dialog);
}

void ZDateTimePage::zSwitchtime_Item_slots()
{
    if (EGraphicsView::setupDialogUp())
        return;
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    if (!m_twelveHour) {
        timeSwitch->setOpen(false);
        timeSwitch->m_titleLabel->setText(tr("12-hour"));
        settings.setValue(QStringLiteral("Timeformat"), QStringLiteral("12"));
        m_twelveHour = true;
    } else {
        timeSwitch->setOpen(true);
        timeSwitch->m_titleLabel->setText(tr("24-hour"));
        settings.setValue(QStringLiteral("Timeformat"), QStringLiteral("24"));
        m_twelveHour = false;
    }
    SettingsSync::commit(settings, "Timeformat");
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->updatetimeFormat();
    if (EToolWidget *toolBar = EGlobal::getToolBar())
        toolBar->updateTime();
}

void ZDateTimePage::zdateItem_slots()
{
    if (EGraphicsView::setupDialogUp() || m_date)
        return;
    m_date = new setData(nullptr, Qt::FramelessWindowHint);
    connect(m_date, &setData::send_setDate_signals, this, &ZDateTimePage::recv_dateData_slot);
    present(m_date, QPoint(45, 50));
}

void ZDateTimePage::zTimeItem_slots()
{
    if (EGraphicsView::setupDialogUp() || m_time)
        return;
    m_time = new ZSetTime(nullptr, Qt::FramelessWindowHint);
    connect(m_time, &ZSetTime::send_timeclosesignals, this, &ZDateTimePage::recv_timeData_slot);
    present(m_time, QPoint(45, 50));
}

void ZDateTimePage::zSwitchdate_Item_slots()
{
    if (EGraphicsView::setupDialogUp() || m_dateFormat)
        return;
    m_dateFormat = new ZDateFormat(nullptr, Qt::FramelessWindowHint);
    connect(m_dateFormat, &ZDateFormat::send_dateFarmat_closesignals, this, &ZDateTimePage::recv_dateFarmat_slots);
    present(m_dateFormat, QPoint(40, 30));
}

void ZDateTimePage::recv_dateFarmat_slots()
{
    dispose(m_dateFormat);
    m_dateFormat = nullptr;
}

void ZDateTimePage::recv_timeData_slot()
{
    dispose(m_time);
    m_time = nullptr;
}

void ZDateTimePage::recv_dateData_slot()
{
    dispose(m_date);
    m_date = nullptr;
    // New photos and videos are named after the date just set.
    if (FilenameSystem *names = EGlobal::get_FilenameSystem())
        names->updateSysFnParam();
}
