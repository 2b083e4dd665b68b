#include "eparasetup.h"

#include "echeckitem.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "elabel.h"
#include "emisstable.h"
#include "eobjectsettings.h"
#include "epanelreturn.h"
#include "ependingsettings.h"
#include "espinboxitem.h"
#include "etitle.h"
#include "etoolwidget.h"
#include "factoryreset.h"
#include "livefactoryreset.h"
#include "measureunits.h"
#include "settingsresetstore.h"
#include "fpga.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSettings>

#include <cmath>
#include <cstdio>

namespace {
const QString s_custom = QStringLiteral("Custom");
const QString s_group = QStringLiteral("GlobalPara");
// 5000 m in feet, one decimal.
constexpr float MaxDistanceFeet = 16404.0f;
} // namespace

EParaSetup::EParaSetup(QWidget *parent, Qt::WindowFlags)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setWindowModality(Qt::WindowModal);
    setFixedSize(240, 200);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    m_title = new ETitle(this);
    m_title->setText(tr("Global Para"));
    m_title->setFixedHeight(32);
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

    grid->addWidget(m_title, 0, 0, 1, 2);
    grid->addWidget(m_reset, 1, 0, 1, 2);
    grid->addWidget(line, 2, 0, 1, 2);
    grid->addWidget(new ELabel(tr("Emiss:"), this), 3, 0);
    grid->addWidget(m_emiss, 3, 1);
    grid->addWidget(new ELabel(tr("Distan:"), this), 4, 0);
    grid->addWidget(m_distan, 4, 1);
    grid->addWidget(new ELabel(tr("Offset:"), this), 5, 0);
    grid->addWidget(m_offset, 5, 1);

    setStyleSheet(QStringLiteral(
        "QWidget{background-color: rgba(0,0,0,5);}"
        "QLabel{color: white; margin-left: 2px;}"
        "QLabel#Title{color: black;}"
        "QSpinBox{color: white; background-color: black; border: 1px groove rgba(28,125,246);"
        " margin-top: 1px; margin-bottom: 1px;}"
        "QSpinBox:focus{background-color: rgb(255,0,0);}"
        "QSpinBox::up-button, QSpinBox::down-button{width: 0px; height: 0px;}"
        "QPushButton{color: white; text-align: center;}"
        "QPushButton:pressed{background-color: rgb(0,255,0);}"
        "QPushButton#Check{text-align: left; margin: 0px; padding-left: 2px;}"
        "QPushButton#Check:pressed{background-color: rgb(0,255,0);}"));

    connect(m_title, &ETitle::cancel, this, &EParaSetup::okClicked);
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
        QSettings text(QLatin1String(EObjectSettings::fileName()), QSettings::IniFormat);
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

void EParaSetup::okClicked()
{
    savePara();
    close();
    EPanelReturn::showPanel();
}

void EParaSetup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        savePara();
        close();
    }
}

void EParaSetup::showEvent(QShowEvent *event)
{
    readConfigPara();
    QWidget::showEvent(event);
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
    if (!m_emissTable) {
        m_emissTable = new EmissTable(this, nullptr, Qt::Window | Qt::FramelessWindowHint);
        m_emissTable->setWindowModality(Qt::WindowModal);
        m_emissTable->setGeometry(0, 40, 280, 200);
        connect(m_emissTable, &EmissTable::emissChanged, this, &EParaSetup::changeEmiss);
    }
    m_emissTable->setSaveMaterial(m_material, float(m_emiss->value()));
    m_emissTable->hide();
    m_emissTable->show();
    m_emissTable->raise();
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
