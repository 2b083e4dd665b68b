#include "eparasetup.h"

#include "echeckitem.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "emisstable.h"
#include "eobjectsettings.h"
#include "ependingsettings.h"
#include "espinboxitem.h"
#include "etitle.h"
#include "etoolwidget.h"
#include "factoryreset.h"
#include "livefactoryreset.h"
#include "measureunits.h"
#include "settingsresetstore.h"
#include "fpga.h"
#include "storedsettings.h"

#include <QFrame>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include <cmath>
#include <cstdio>

namespace {
const QString s_custom = QStringLiteral("Custom");
const QString s_group = QStringLiteral("GlobalPara");
// 5000 m in feet, one decimal.
constexpr float MaxDistanceFeet = 16404.0f;
} // namespace

EParaSetup::EParaSetup(QWidget *parent, Qt::WindowFlags flags)
    : EMeasureDialog(parent, flags, QSize(240, 200))
{
    m_title = makeTitle(tr("Global Para"));
    m_reset = new ECheckItem(tr("Reset Para "), this, 37);
    m_reset->setObjectName(QStringLiteral("Check"));
    m_reset->setFixedHeight(32);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(2);

    m_emiss = new ESpinBoxItem(this, 48);
    m_emiss->setObjectName(QStringLiteral("Emiss"));
    m_emiss->setDecimals(2);
    m_emiss->setRange(0.01f, 1.0f);
    m_emiss->setSingleStep(0.01, true);
    m_emiss->setValue(0.80f, false);
    m_distan = new ESpinBoxItem(this, 48);
    m_distan->setObjectName(QStringLiteral("Distan"));
    m_offset = new ESpinBoxItem(this, 48);
    m_offset->setObjectName(QStringLiteral("Offset"));
    m_offset->setDecimals(1);
    m_offset->setSingleStep(0.1, true);
    for (ESpinBoxItem *item : {m_emiss, m_distan, m_offset}) {
        item->setWrapping(false);
        item->setAlignment(Qt::AlignHCenter);
    }
    setDistanceUnit();
    m_distan->setValue(10.0f, false);
    setOffsetUnit();
    m_offset->setValue(0.0f, false);

    grid()->addWidget(m_reset, 1, 0, 1, 2);
    grid()->addWidget(line, 2, 0, 1, 2);
    addRow(3, tr("Emiss:"), m_emiss);
    addRow(4, tr("Distan:"), m_distan);
    addRow(5, tr("Offset:"), m_offset);

    setMeasureSheet(QStringLiteral("QSpinBox{margin-top: 1px; margin-bottom: 1px;}"
                                   "QPushButton{color: white; text-align: center;}"
                                   "QPushButton#Check{text-align: left; margin: 0px; padding-left: 2px;}"
                                   "QPushButton#Check:pressed{background-color: rgb(0,255,0);}"));

    for (ESpinBoxItem *item : {m_emiss, m_distan, m_offset})
        connect(item, &ESpinBoxItem::valueChanged, this, &EParaSetup::changePara);
    connect(m_reset, qOverload<const QString &>(&ECheckItem::clicked), this, &EParaSetup::clickedCheckHandler);
    connect(m_emiss, qOverload<>(&ESpinBoxItem::clicked), this, &EParaSetup::slot_selectEmiss);
}

EParaSetup::~EParaSetup() = default;

void EParaSetup::setDistanceUnit()
{
    if (EGlobal::getSystemLenUnit() == 1) {
        m_distan->setSuffix(QStringLiteral(" FT"));
        m_distan->setDecimals(1);
        m_distan->setRange(0.0f, MaxDistanceFeet);
        m_distan->setSingleStep(0.1, true);
    } else {
        m_distan->setSuffix(QStringLiteral(" m"));
        m_distan->setDecimals(0);
        m_distan->setRange(0.0f, MeasureUnits::MaxDistanceMetres);
        m_distan->setSingleStep(1.0, true);
    }
}

void EParaSetup::setOffsetUnit()
{
    m_offset->setSuffix(MeasureUnits::tempSuffix());
    m_offset->setRange(-MeasureUnits::offsetLimit(), MeasureUnits::offsetLimit());
}

void EParaSetup::readConfigPara()
{
    qWarning("restorePara");
    {
        StoredSettings text(QLatin1String(EObjectSettings::fileName()), QSettings::IniFormat);
        m_material = text.value(s_group + QStringLiteral("/Global_Emiss_Material"), s_custom).toString();
    }
    EObjectSettings settings(s_group);
    const float emiss = float(settings.readReal(QStringLiteral("Emiss"), 0.95, 0.0, 1e9));
    const float distance = float(settings.readReal(QStringLiteral("Distan"), 5.0, 0.0, 1e9));
    const float offset = float(settings.readReal(QStringLiteral("Offset"), 0.0, -1e9, 1e9));
    setDistanceUnit();
    setOffsetUnit();
    m_emiss->setValue(emiss, false);
    m_distan->setValue(EGlobal::unit_out_len(distance), false);
    m_offset->setValue(MeasureUnits::offsetOut(offset), false);
}

long EParaSetup::distanceMetres() const
{
    return std::lround(double(EGlobal::unit_in_len(float(m_distan->value()))));
}

bool EParaSetup::savePara()
{
    qWarning("savePara");
    const QString emiss = m_emiss->cleanText();
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->setEmiss(emiss);
    const QString prefix = s_group + QLatin1Char('/');
    const bool written = EPendingSettings::writeNow({
        {prefix + QStringLiteral("Global_Emiss_Material"), m_material},
        {prefix + QStringLiteral("Emiss"), emiss},
        {prefix + QStringLiteral("Offset"),
         QString::asprintf("%.2f", double(MeasureUnits::offsetIn(float(m_offset->value()))))},
        {prefix + QStringLiteral("Distan"), QString::number(distanceMetres())},
    });
    if (!written)
        qWarning("EParaSetup: the global parameters could not be stored");
    return written;
}

void EParaSetup::changePara(const QString &name)
{
    qWarning("change para:%s", qPrintable(name));
    m_reset->setChecked(false);
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga)
        return;
    TempSetup setup = fpga->getSystemTempSetup();
    if (name == QLatin1String("Emiss")) {
        setup.emiss = float(m_emiss->value());
        m_material = s_custom;
    } else if (name == QLatin1String("Distan")) {
        setup.dist = float(distanceMetres());
    } else if (name == QLatin1String("Offset")) {
        setup.offset = MeasureUnits::offsetIn(float(m_offset->value()));
    }
    fpga->setSystemTempSetup(setup);
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->updateLevelSpan();
}

void EParaSetup::slot_selectEmiss()
{
    qWarning("select emiss");
    if (EmissTable::popUp(m_emissTable, this, m_material, float(m_emiss->value())))
        connect(m_emissTable, &EmissTable::emissChanged, this, &EParaSetup::changeEmiss);
}

void EParaSetup::changeEmiss(const QString &material, float emiss)
{
    std::printf("change material:%s emiss:%f\n", qPrintable(material), double(emiss));
    FPGA *fpga = EGlobal::getFPGA();
    TempSetup setup = fpga ? fpga->getSystemTempSetup() : TempSetup{};
    setup.emiss = std::round(emiss * 100.0f) / 100.0f;
    // A value the board refuses is neither shown nor stored.
    if (!fpga || !fpga->setSystemTempSetup(setup)) {
        qWarning("EParaSetup: emissivity %f of %s refused", double(emiss), qPrintable(material));
        return;
    }
    m_material = material;
    m_emiss->setValue(setup.emiss, false);
    m_reset->setChecked(false);
}

void EParaSetup::setResetSeams(FactoryResetActions *actions, FactoryResetStore *store)
{
    m_actions = actions;
    m_store = store;
}

bool EParaSetup::askReset()
{
    QMessageBox box(QMessageBox::NoIcon, QString(), tr("Reset all measure para to \n factory para?"),
                    QMessageBox::Yes | QMessageBox::No, nullptr, Qt::FramelessWindowHint);
    // The camera has no catalogue for Qt's own button texts.
    box.button(QMessageBox::Yes)->setText(tr("Yes"));
    box.button(QMessageBox::No)->setText(tr("No"));
    box.setDefaultButton(QMessageBox::No);
    box.show();
    box.move((320 - box.width()) / 2, (240 - box.height()) / 2);
    return box.exec() == QMessageBox::Yes;
}

void EParaSetup::clickedCheckHandler(const QString &)
{
    if (m_question ? m_question() : askReset())
        resetPara();
}

void EParaSetup::resetPara()
{
    m_emiss->setValue(FactoryReset::Emiss, false);
    m_material = s_custom;

    LiveFactoryReset liveActions;
    SettingsResetStore liveStore;
    FactoryReset reset(m_actions ? *m_actions : static_cast<FactoryResetActions &>(liveActions),
                       m_store ? *m_store : static_cast<FactoryResetStore &>(liveStore));
    const bool stored = reset.run();

    // The reset leaves metres and Celsius.
    m_distan->setSuffix(QStringLiteral(" m"));
    m_distan->setDecimals(0);
    m_distan->setRange(0.0f, MeasureUnits::MaxDistanceMetres);
    m_distan->setSingleStep(1.0, true);
    m_distan->setValue(float(FactoryReset::Distance), false);
    m_offset->setSuffix(QStringLiteral(" ") + QChar(0x00B0) + QLatin1Char('C'));
    m_offset->setRange(-100.0f, 100.0f);
    m_offset->setValue(0.0f, false);
    m_reset->setChecked(stored);
    if (!stored) {
        qWarning("EParaSetup: the factory values could not be stored");
        if (EGraphicsView *view = EGlobal::getGraphicsView()) {
            view->setTipsText(tr("Save failed!"));
            view->setTipsVisibled(true);
        }
    }
}
