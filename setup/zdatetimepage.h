#pragma once

#include "setdata.h"
#include "zdateformat.h"
#include "zsettime.h"

#include <QPointer>
#include <QWidget>

class ESetupSwitch;
class ZDateTimeItem;

// The Date & Time page: rows opening the date, the time and the date format
// dialogs, and the 12/24-hour switch. The page owns the dialog it opened and
// disposes of it once the dialog says it is finished.
class ZDateTimePage : public QWidget
{
    Q_OBJECT
public:
    explicit ZDateTimePage(QWidget *parent = nullptr);

    ZDateTimeItem *dateItem = nullptr;
    ZDateTimeItem *timeItem = nullptr;
    ESetupSwitch *timeSwitch = nullptr;
    ZDateTimeItem *formatItem = nullptr;

    ZDateFormat *dateFormatDialog() const { return m_dateFormat; }
    setData *dateDialog() const { return m_date; }
    ZSetTime *timeDialog() const { return m_time; }
    bool isTwelveHour() const { return m_twelveHour; }

public Q_SLOTS:
    void zdateItem_slots();
    void zTimeItem_slots();
    void zSwitchtime_Item_slots();
    void zSwitchdate_Item_slots();
    void recv_dateFarmat_slots();
    void recv_timeData_slot();
    void recv_dateData_slot();

private:
    ZDateTimeItem *addRow(const QString &text, const char *name);
    // Marks a dialog up and shows it where the panel expects it.
    void present(QWidget *dialog, const QPoint &position);
    static void dispose(QWidget *dialog);

    QPointer<ZDateFormat> m_dateFormat;
    QPointer<setData> m_date;
    QPointer<ZSetTime> m_time;
    bool m_twelveHour = false;
};
