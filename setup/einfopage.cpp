#include "einfopage.h"

#include "esdcarditem.h"
#include "esetupcombobox.h"
#include "messagechannel.h"
#include "storageinfo.h"
#include "storedsettings.h"

#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QVBoxLayout>

#include <cstdio>

EInfoPage::EInfoPage(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *caption = new QLabel(tr("Info"), this);
    caption->setObjectName(QStringLiteral("Info"));
    caption->setFixedHeight(24);
    caption->setAlignment(Qt::AlignCenter);

    m_modelItem = new ESetupComboBox(tr("Model"), this);
    m_numberItem = new ESetupComboBox(tr("Number"), this);
    m_dateItem = new ESetupComboBox(tr("Date"), this);
    m_versionItem = new ESetupComboBox(tr("Version"), this);
    for (ESetupComboBox *row : {m_modelItem, m_numberItem, m_dateItem, m_versionItem})
        row->removeIcon();
    m_sdCardItem = new ESDCardItem(tr("SDCard"), this);
    m_sdCardItem->setFixedHeight(64);
    m_sdCardItem->setEnabled(false);

    layout->addWidget(caption);
    layout->addSpacing(5);
    for (ESetupComboBox *row : {m_modelItem, m_numberItem, m_dateItem, m_versionItem})
        layout->addWidget(row);
    layout->addSpacing(5);
    layout->addWidget(m_sdCardItem);
    layout->addStretch();

    m_modelItem->setObjectName(QStringLiteral("FirstItem"));
    m_versionItem->setObjectName(QStringLiteral("LastItem"));
    m_sdCardItem->setObjectName(QStringLiteral("SDCard"));
    setCustomStyle();

    auto *channel = new MessageChannel(QLatin1String(cardChannel()), this);
    connect(channel, &MessageChannel::received, this, &EInfoPage::received);
    m_sdCardItem->setEnabled(StorageInfo::cardMounted());
}

void EInfoPage::readConfigPara()
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("ProductInfo"));
    m_modelItem->setText(settings.value(QStringLiteral("DeviceType"), QStringLiteral("OS-320")).toString());
    m_numberItem->setText(settings.value(QStringLiteral("SerialNo"), QStringLiteral("2012010001")).toString());
    m_dateItem->setText(settings.value(QStringLiteral("ProduceDate"), QStringLiteral("2012-12-25")).toString().trimmed());
    m_versionItem->setText(QLatin1String(versionString()).right(6));
}

void EInfoPage::showNoCard()
{
    m_sdCardItem->setTotalSize(0);
    m_sdCardItem->setUsedSize(0);
    m_sdCardItem->setText(QStringLiteral("0M") + QLatin1Char('/') + QStringLiteral("0M"));
}

void EInfoPage::readSDCardInfo()
{
    // Only a card the watcher mounted is asked: an empty mount point would
    // report the root file system.
    if (!m_sdCardItem->isEnabled()) {
        showNoCard();
        return;
    }
    qWarning("EInfoPage: card usage of %s", cardMountPoint());
    StorageInfo::Usage usage;
    if (!StorageInfo::usage(QLatin1String(cardMountPoint()), &usage)) {
        std::perror("statfs error");
        return;
    }
    const double total = usage.totalBytes;
    const double used = total - usage.freeBytes;
    const QString usedText = QString::asprintf("%.1f", double(float(used / 1048576)));
    const QString totalText = QString::asprintf("%.1f", double(float(total / 1048576)));
    std::printf("used:%s total:%s\n", qPrintable(usedText), qPrintable(totalText));
    std::fflush(stdout);
    m_sdCardItem->setTotalSize(float(total));
    m_sdCardItem->setUsedSize(float(used));
    m_sdCardItem->setText(usedText + QStringLiteral("M/") + totalText + QLatin1Char('M'));
}

void EInfoPage::received(const QString &message, const QByteArray &)
{
    qWarning("info page receive");
    if (message == QLatin1String("mounted()")) {
        m_sdCardItem->setEnabled(true);
        readSDCardInfo();
    } else if (message == QLatin1String("unMounted()")) {
        m_sdCardItem->setEnabled(false);
        showNoCard();
    }
}

void EInfoPage::showEvent(QShowEvent *event)
{
    readSDCardInfo();
    readConfigPara();
    QWidget::showEvent(event);
}

void EInfoPage::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    qWarning("EInfoPage: press %d,%d", point.x(), point.y());
    m_pressX = point.x();
    m_pressY = point.y();
}

void EInfoPage::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    qWarning("EInfoPage: move %d,%d", point.x(), point.y());
    qWarning("EInfoPage: page %d,%d press x %d now %d moved %d", x(), y(), m_pressX, point.x(), point.x() - m_pressX);
}

void EInfoPage::mouseReleaseEvent(QMouseEvent *)
{
    qWarning("EInfoPage: release");
}

void EInfoPage::setCustomStyle()
{
    setStyleSheet(QStringLiteral(
        "QLabel#Info{color: rgb(0,0,0); margin-left: -3px; margin-top: -3px; padding-top: -3px;"
        " background-image: url(:/images/setup_title.png);}"
        "QPushButton{text-align: left; margin-left: 2px; margin-right: 2px; padding-right: 2px;"
        " background-color: rgb(255, 255, 255); border: solid #8f8f91; border-width: 0px 2px 1px 2px;"
        " border-radius: 0px;}"
        "QPushButton#FirstItem{text-align: left; margin-left: 2px; background-color: rgb(255, 255, 255);"
        " border: solid #8f8f91; border-width: 2px 2px 1px 2px; border-top-left-radius: 6px;"
        " border-top-right-radius: 6px;}"
        "QPushButton#LastItem{text-align: left; margin-left: 2px; background-color: rgb(255, 255, 255);"
        " border: solid #8f8f91; border-width: 0px 2px 2px 2px; border-bottom-left-radius: 6px;"
        " border-bottom-right-radius: 6px;}"
        "QPushButton#SDCard{background-color: rgb(255, 255, 255); border: 2px solid #8f8f91; border-radius: 6px;}"));
}
