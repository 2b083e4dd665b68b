#include "devchippage.h"

#include "esetupcombobox.h"
#include "esetupswitch.h"
#include "esetuptitle.h"
#include "settingssync.h"
#include "storedsettings.h"

#include <QSettings>
#include <QVBoxLayout>

namespace {
const char *const s_delayLabels[] = {QT_TRANSLATE_NOOP("DevChipPage", "OFF"),
                                     QT_TRANSLATE_NOOP("DevChipPage", "1 second"),
                                     QT_TRANSLATE_NOOP("DevChipPage", "5 second")};
const int s_delaySeconds[] = {0, 1, 5};
const QString s_settings = QStringLiteral("Parameter/Setting");
} // namespace

DevChipPage::DevChipPage(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    auto *title = new ESetupTitle(this);
    title->setText(tr("Calib"));
    title->setFixedHeight(24);
    m_pwStart = new ESetupSwitch(tr("Pw-Start"), this);
    m_pwStart->setObjectName(QStringLiteral("PwStart"));
    m_delay = new ESetupComboBox(tr("Delay"), this);
    m_delay->setObjectName(QStringLiteral("Delay"));
    layout->addWidget(title);
    layout->addWidget(m_pwStart);
    layout->addWidget(m_delay);
    layout->addStretch();
    setStyleSheet(QStringLiteral("QLabel{margin-left:2px;} QPushButton:pressed{background:rgb(1, 103, 233);margin-left:2px;}"));
    connect(m_pwStart, &ESetupSwitch::clicked, this, &DevChipPage::slot_itemPwStart);
    connect(m_delay, &ESetupComboBox::clicked, this, &DevChipPage::slot_itemDelay);
    readConfigPara();
}

int DevChipPage::indexForSeconds(int seconds)
{
    return seconds == 0 ? 0 : seconds == 1 ? 1 : 2;
}

int DevChipPage::secondsForIndex(int index)
{
    return s_delaySeconds[qBound(0, index, 2)];
}

QString DevChipPage::delayLabel(int index)
{
    return tr(s_delayLabels[qBound(0, index, 2)]);
}

void DevChipPage::readConfigPara()
{
    StoredSettings file(s_settings, QSettings::IniFormat);
    m_pwStart->setOpen(file.value(QStringLiteral("VyxSet/EnterMode"), 0).toInt() != 0);
    m_delayIndex = indexForSeconds(file.value(QStringLiteral("VyxSet/DelayTime"), 0).toInt());
    m_delay->setText(delayLabel(m_delayIndex));
}

bool DevChipPage::write(const QString &key, int value)
{
    StoredSettings file(s_settings, QSettings::IniFormat);
    file.setValue(key, value);
    return SettingsSync::commit(file, qPrintable(key));
}

// The rows show what the key filter will read: an option the file did not
// take stays as it was (an access code shown on but not asked for).
void DevChipPage::slot_itemPwStart()
{
    const bool on = !m_pwStart->isOpen();
    if (write(QStringLiteral("VyxSet/EnterMode"), on ? 1 : 0))
        m_pwStart->setOpen(on);
}

void DevChipPage::slot_itemDelay()
{
    const int next = (m_delayIndex + 1) % 3;
    if (!write(QStringLiteral("VyxSet/DelayTime"), secondsForIndex(next)))
        return;
    m_delayIndex = next;
    m_delay->setText(delayLabel(m_delayIndex));
}
