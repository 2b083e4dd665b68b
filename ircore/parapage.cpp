#include "parapage.h"

#include "eglobal.h"
#include "eircoreadjustitem.h"
#include "esetupcombobox.h"
#include "esetupswitch.h"
#include "intervals.h"
#include "ircorelibrary.h"
#include "ircoremainwindow.h"
#include "mykeyboard.h"
#include "padplacement.h"
#include "settingssync.h"
#include "storedsettings.h"

#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const ParaPage::Register s_registers[] = {
    {"FID", "FID", "FID", 0, 20000, 1, "1780"},
    {"VSK", "VSK", "VSK", 0, 30000, 1, "1880"},
    {"INT Time", "IntTime", "IntTime", 0, 5000, 1, "80"},
    {"FIR", "FIR", "FIR", 0, 31, 1, "15"},
    {"Gain", "GAIN", "Gain", 2, 16, 2, "6"},
};
const int s_registerCount = int(sizeof s_registers / sizeof s_registers[0]);

QString shown(int read)
{
    return read < 0 ? QStringLiteral("no answer") : QString::number(read);
}
} // namespace

const ParaPage::Register *ParaPage::registerNamed(const QString &name)
{
    for (const Register &reg : s_registers) {
        if (name == QLatin1String(reg.name))
            return &reg;
    }
    return nullptr;
}

ParaPage::ParaPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(5);
    void (ParaPage::*handlers[])() = {&ParaPage::fidHandler, &ParaPage::vskHandler, &ParaPage::intTimeHandler,
                                      &ParaPage::firHandler, &ParaPage::gainHandler};
    for (int i = 0; i < s_registerCount; ++i) {
        auto *row = new ESetupComboBox(QLatin1String(s_registers[i].row), this);
        row->setObjectName(QLatin1String(s_registers[i].name));
        row->setText(QLatin1String(s_registers[i].initial));
        layout->addWidget(row);
        connect(row, &ESetupComboBox::clicked, this, handlers[i]);
        m_rows.insert(QLatin1String(s_registers[i].name), row);
    }
    m_heater = new ESetupSwitch(QStringLiteral("Heater"), this);
    m_heater->setObjectName(QStringLiteral("Heater"));
    layout->addWidget(m_heater);
    layout->addStretch();
    connect(m_heater, &ESetupSwitch::clicked, this, &ParaPage::heaterHandler);
    setStyleSheet(QStringLiteral("QPushButton{background:white;border:2px solid #8f8f91;border-radius:6px;"
                                 "text-align:left;padding-left:2px;}"
                                 "QPushButton:pressed{background:rgb(1, 103, 233);}"));

    m_adjust = new EIRCoreAdjustItem(nullptr);
    m_adjust->setObjectName(QStringLiteral("FID"));
    m_adjust->setFixedWidth(150);
    m_adjust->move((320 - m_adjust->width()) / 2, 240 - m_adjust->height());
    m_adjust->hide();
    m_sum = new QPushButton(QStringLiteral("0x00000000"), nullptr);
    m_sum->setObjectName(QStringLiteral("ADSum"));
    m_sum->setWindowFlags(Qt::FramelessWindowHint);
    m_sum->setWindowModality(Qt::WindowModal);
    m_sum->setFocusPolicy(Qt::NoFocus);
    m_sum->setFixedWidth(80);
    m_sum->move(120, 20);
    m_sum->hide();
    m_timer = new QTimer(this);
    m_recordTimer = new QTimer(this);
    m_recordTimer->setSingleShot(true);
    connect(m_recordTimer, &QTimer::timeout, this, &ParaPage::flushRecords);
    connect(m_sum, &QPushButton::clicked, this, &ParaPage::updateSum);
    connect(m_timer, &QTimer::timeout, this, &ParaPage::updateSum);
    connect(m_adjust, &EIRCoreAdjustItem::signal_close, this, &ParaPage::adjustWindowClose);
    connect(m_adjust, &EIRCoreAdjustItem::valueChanged, this, &ParaPage::valueChanged);
    connect(m_adjust, &EIRCoreAdjustItem::clicked, this, &ParaPage::adjustWindowClicked);
}

ParaPage::~ParaPage()
{
    flushRecords();
    delete m_keyboard;
    delete m_adjust;
    delete m_sum;
}

ESetupComboBox *ParaPage::row(const QString &name) const
{
    return m_rows.value(name);
}

void ParaPage::showEvent(QShowEvent *event)
{
    readConfigPara();
    QWidget::showEvent(event);
}

void ParaPage::readConfigPara()
{
    qDebug("parapge readconfigpara");
    IRCoreLibrary *core = IRCoreLibrary::instance();
    m_rows.value(QStringLiteral("FID"))->setText(shown(core->CtlReadVfid()));
    m_rows.value(QStringLiteral("VSK"))->setText(shown(core->CtlReadVsk()));
    m_rows.value(QStringLiteral("IntTime"))->setText(shown(core->CtlReadINT_Time()));
    // The core has no FIR read: the record is what it was last given.
    StoredSettings file(recordFile(), QSettings::IniFormat);
    const int fir = file.value(QStringLiteral("FIR"), int(DefaultFir)).toInt();
    m_rows.value(QStringLiteral("FIR"))->setText(QString::number(qBound(0, fir, 31)));
    m_rows.value(QStringLiteral("GAIN"))->setText(shown(core->CtlReadCTIA_Gain()));
    m_heater->setOpen(core->CtlReadHeaterOnOff() > 0);
}

void ParaPage::fidHandler() { openBar(s_registers[0]); }
void ParaPage::vskHandler() { openBar(s_registers[1]); }
void ParaPage::intTimeHandler() { openBar(s_registers[2]); }
void ParaPage::firHandler() { openBar(s_registers[3]); }
void ParaPage::gainHandler() { openBar(s_registers[4]); }

void ParaPage::openBar(const Register &reg)
{
    // Unread ("no answer"): the bar would step from its minimum and send it.
    bool read = false;
    const int value = m_rows.value(QLatin1String(reg.name))->text().toInt(&read);
    if (!read) {
        qWarning("%s not read from the core: not edited", reg.name);
        return;
    }
    m_sum->show();
    m_sum->raise();
    if (IRCoreMainWindow *window = EGlobal::getIRCoreMainWindow())
        window->close();
    m_adjust->setObjectName(QLatin1String(reg.name));
    m_adjust->setRange(reg.min, reg.max);
    m_adjust->setStep(reg.step);
    m_adjust->setValue(value, false);
    m_taken = m_adjust->value();
    m_adjust->show();
    m_adjust->raise();
    m_adjust->setFocus();
    m_timer->start(Intervals::ms(SumRefreshMs));
}

int ParaPage::send(const Register &reg, int value)
{
    IRCoreLibrary *core = IRCoreLibrary::instance();
    const QLatin1String name(reg.name);
    if (name == QLatin1String("FID"))
        return core->CtlSetVfid(uint16_t(value));
    if (name == QLatin1String("VSK"))
        return core->CtlSetVsk(uint16_t(value));
    if (name == QLatin1String("IntTime"))
        return core->CtlSetINT_Time(uint16_t(value));
    if (name == QLatin1String("FIR"))
        return core->CtlSetFIR(uint8_t(value));
    return core->CtlSetCTIA_Gain(uint8_t(value));
}

void ParaPage::valueChanged(const QString &name, int value)
{
    qDebug("valueChanged objectName:%s value:%d", qPrintable(name), value);
    const Register *reg = registerNamed(name);
    if (!reg)
        return;
    if (send(*reg, value) != 0) {
        qWarning("core refused %s = %d", reg->name, value);
        m_adjust->setValue(m_taken, false);
        return;
    }
    m_taken = value;
    record(QLatin1String(reg->key), value);
}

void ParaPage::heaterHandler()
{
    const bool on = !m_heater->isOpen();
    if (IRCoreLibrary::instance()->CtlHeaterOnOff(on ? 1 : 0) != 0) {
        qWarning("core refused the heater");
        return;
    }
    m_heater->setOpen(on);
    record(QStringLiteral("Heater"), on);
}

void ParaPage::record(const QString &key, const QVariant &value)
{
    m_pending.insert(key, value);
    m_recordTimer->start(Intervals::ms(RecordDelayMs));
}

bool ParaPage::flushRecords()
{
    m_recordTimer->stop();
    if (m_pending.isEmpty())
        return true;
    StoredSettings file(recordFile(), QSettings::IniFormat);
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        file.setValue(it.key(), it.value());
    m_pending.clear();
    return SettingsSync::commit(file, "the core's records");
}

void ParaPage::adjustWindowClicked(const QString &name)
{
    qDebug("clicked objectName:%s ", qPrintable(name));
    if (!m_keyboard) {
        m_keyboard = new MyKeyboard(nullptr);
        connect(m_keyboard, qOverload<const QString &>(&MyKeyboard::sign_sndEdit), this, &ParaPage::slot_setEdit);
    }
    PadPlacement::show(m_keyboard);
    m_keyboard->setCurrentText(QString::number(m_adjust->value()));
}

void ParaPage::slot_setEdit(const QString &text)
{
    qDebug("slot_setEdit text:%s", qPrintable(text));
    if (text != QLatin1String("KeyOut"))
        m_adjust->setValue(text.toInt(), true);
    if (m_keyboard) {
        m_keyboard->close();
        // It reports from inside its own handlers: it goes afterwards.
        m_keyboard->deleteLater();
        m_keyboard = nullptr;
    }
}

void ParaPage::updateSum()
{
    qDebug("update sum");
    m_sum->setText(QString::number(IRCoreLibrary::instance()->ReadADSum()));
    m_sum->show();
}

void ParaPage::adjustWindowClose(const QString &name)
{
    m_timer->stop();
    m_sum->hide();
    flushRecords();
    if (IRCoreMainWindow *window = EGlobal::getIRCoreMainWindow())
        window->show();
    if (ESetupComboBox *edited = m_rows.value(name))
        edited->setText(QString::number(m_adjust->value()));
}

void ParaPage::endEditing()
{
    m_timer->stop();
    m_sum->hide();
    m_adjust->hide();
    if (m_keyboard) {
        m_keyboard->close();
        m_keyboard->deleteLater();
        m_keyboard = nullptr;
    }
    flushRecords();
}
