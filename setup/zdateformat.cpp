#include "storedsettings.h"
#include "zdateformat.h"

#include "datetimeparts.h"
#include "edialogtitle.h"
#include "esetupcheckitem.h"
#include "settingssync.h"
#include "systemclock.h"

#include <QKeyEvent>
#include <QSettings>
#include <QVBoxLayout>

namespace {
const char *const Values[3] = {"mdy", "dmy", "ymd"};
} // namespace

ZDateFormat::ZDateFormat(QWidget *parent, Qt::WindowFlags)
    : QFrame(parent)
{
    resize(250, 170);
    setObjectName(QStringLiteral("DataFormat"));
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    QPalette pal = palette();
    pal.setColor(QPalette::All, QPalette::Window, QColor(230, 230, 230));
    setPalette(pal);
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    title = new EDialogTitle(this);
    title->setFixedSize(250, 30);
    title->setText(tr("Date Format"));
    connect(title, &EDialogTitle::cancel, this, &ZDateFormat::button_cancel);
    connect(title, &EDialogTitle::done, this, &ZDateFormat::button_slots);

    const QDate today = SystemClock::instance()->now().date();
    const int y = today.year();
    const int m = today.month();
    const int d = today.day();
    firstItem = new ESetupCheckItem(QString::asprintf("%02d-%02d-%04d", m, d, y), this);
    secondItem = new ESetupCheckItem(QString::asprintf("%02d-%02d-%04d", d, m, y), this);
    thirdItem = new ESetupCheckItem(QString::asprintf("%04d-%02d-%02d", y, m, d), this);
    firstItem->setObjectName(QStringLiteral("firstItem"));
    secondItem->setObjectName(QStringLiteral("secondItem"));
    thirdItem->setObjectName(QStringLiteral("thirdItem"));
    firstItem->setFirstItem();
    thirdItem->setLastItem();
    int index = 0;
    for (ESetupCheckItem *item : {firstItem, secondItem, thirdItem}) {
        item->setFixedHeight(32);
        item->setItemIndex(index++);
    }
    connect(firstItem, &ESetupCheckItem::clicked, this, &ZDateFormat::clickedHandler);
    connect(secondItem, &ESetupCheckItem::clicked, this, &ZDateFormat::clickedHandler_1);
    connect(thirdItem, &ESetupCheckItem::clicked, this, &ZDateFormat::clickedHandler_2);

    layout->addWidget(title);
    layout->addSpacing(15);
    layout->addWidget(firstItem);
    layout->addWidget(secondItem);
    layout->addWidget(thirdItem);
    layout->addSpacing(10);
    layout->addStretch();

    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    const QString stored = settings.value(QStringLiteral("Dateformat")).toString();
    int chosen = 2;
    if (stored == QLatin1String(Values[0]))
        chosen = 0;
    else if (stored == QLatin1String(Values[1]))
        chosen = 1;
    else if (stored != QLatin1String(Values[2]))
        settings.setValue(QStringLiteral("Dateformat"), QStringLiteral("ymd"));
    choose(chosen);

    setStyleSheet(QStringLiteral("QFrame#DataFormat{border: 1px solid #8f8f91; border-radius: 6px;}"));
}

void ZDateFormat::choose(int index)
{
    firstItem->setChecked(index == 0);
    secondItem->setChecked(index == 1);
    thirdItem->setChecked(index == 2);
    m_choice = index;
}

void ZDateFormat::clickedHandler()
{
    choose(0);
}

void ZDateFormat::clickedHandler_1()
{
    choose(1);
}

void ZDateFormat::clickedHandler_2()
{
    choose(2);
}

void ZDateFormat::button_slots()
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.setValue(QStringLiteral("Dateformat"), QLatin1String(Values[m_choice]));
    SettingsSync::commit(settings, "Dateformat");
    Q_EMIT send_dateFarmat_closesignals();
}

void ZDateFormat::button_cancel()
{
    Q_EMIT send_dateFarmat_closesignals();
}

void ZDateFormat::keyPressEvent(QKeyEvent *event)
{
    DateTimeParts::answerKey(event, [this] { Q_EMIT send_dateFarmat_closesignals(); }, [this] { button_slots(); });
}
