#include "eisosetup.h"

#include "ecomboboxitem.h"
#include "eglobal.h"
#include "eimagetab.h"
#include "elabel.h"
#include "espinboxitem.h"
#include "etitle.h"
#include "fpga.h"
#include "isosettings.h"
#include "measureunits.h"

#include <QGridLayout>
#include <QKeyEvent>

#include <cstring>

namespace {
const char *const s_colorStr[] = {
    QT_TRANSLATE_NOOP("EISOSetup", "Black"),
    QT_TRANSLATE_NOOP("EISOSetup", "White"),
    QT_TRANSLATE_NOOP("EISOSetup", "Green"),
    QT_TRANSLATE_NOOP("EISOSetup", "Trans"),
};
const char *const s_modeStr[] = {
    QT_TRANSLATE_NOOP("EISOSetup", "Below"),
    QT_TRANSLATE_NOOP("EISOSetup", "Inter"),
    QT_TRANSLATE_NOOP("EISOSetup", "Above"),
};

float out(float celsius)
{
    return EGlobal::unit_out_temp(celsius);
}
} // namespace

EISOSetup::EISOSetup(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setWindowModality(Qt::WindowModal);
    setFixedSize(240, 200);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    m_title = new ETitle(this);
    m_title->setText(tr("ISO Setting"));
    m_title->setFixedHeight(32);
    m_title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    QStringList modes, colours;
    for (const char *m : s_modeStr)
        modes << tr(m);
    for (const char *c : s_colorStr)
        colours << tr(c);
    m_mode = new EComboBoxItem(modes, this);
    m_mode->setObjectName(QStringLiteral("Mode"));
    m_color = new EComboBoxItem(colours, this);
    m_color->setObjectName(QStringLiteral("Color"));
    // The lists lay out around their first text.
    m_mode->setCurrentIndex(0);
    m_color->setCurrentIndex(0);
    m_max = new ESpinBoxItem(this, 48);
    m_max->setObjectName(QStringLiteral("Max"));
    m_min = new ESpinBoxItem(this, 48);
    m_min->setObjectName(QStringLiteral("Min"));
    for (ESpinBoxItem *item : {m_max, m_min}) {
        item->setDecimals(1);
        item->setSuffix(unitSuffix());
        item->setSingleStep(0.1, true);
        item->setWrapping(false);
        item->setAlignment(Qt::AlignHCenter);
    }
    m_max->setRange(-19.0f, 400.0f);
    m_max->setValue(30.0f, false);
    m_min->setRange(-20.0f, 399.0f);
    m_min->setValue(20.0f, false);

    auto *maxCaption = new ELabel(tr("IsoMax:"), this);
    maxCaption->setFixedWidth(65);
    grid->addWidget(m_title, 0, 0, 1, 3);
    grid->addWidget(new ELabel(tr("Mode:"), this), 1, 0);
    grid->addWidget(m_mode, 1, 1, 1, 2);
    grid->addWidget(maxCaption, 2, 0);
    grid->addWidget(m_max, 2, 1, 1, 2);
    grid->addWidget(new ELabel(tr("IsoMin:"), this), 3, 0);
    grid->addWidget(m_min, 3, 1, 1, 2);
    grid->addWidget(new ELabel(tr("Color:"), this), 4, 0);
    grid->addWidget(m_color, 4, 1, 1, 2);

    setStyleSheet(QStringLiteral(
        "QWidget{background-color: rgba(0,0,0,5);}"
        "QLabel{color: white; background-color: transparent; margin-left: 2px;}"
        "QLabel#Title{color: black;}"
        "QSpinBox{color: white; background-color: black; border: 1px groove rgb(28,125,246);"
        " margin-top: 0px; margin-bottom: 0px;}"
        "QSpinBox:focus{background-color: rgb(255,0,0);}"
        "QSpinBox::up-button, QSpinBox::down-button{width: 0px; height: 0px;}"
        "QPushButton:pressed{background-color: rgb(0,255,0);}"
        "QPushButton:focus{background-color: rgb(255,0,0);}"));
    // Its almost transparent background lets the live picture through.
    setAttribute(Qt::WA_TranslucentBackground);

    connect(m_max, &ESpinBoxItem::valueChanged, this, &EISOSetup::changePara);
    connect(m_min, &ESpinBoxItem::valueChanged, this, &EISOSetup::changePara);
    connect(m_color, &EComboBoxItem::currentIndexChanged, this, &EISOSetup::changeColorPara);
    connect(m_mode, &EComboBoxItem::currentIndexChanged, this, &EISOSetup::changeModePara);
    connect(m_title, &ETitle::cancel, this, &EISOSetup::okClicked);
    m_mode->setFocus();
}

QString EISOSetup::unitSuffix()
{
    return MeasureUnits::tempSuffix();
}

void EISOSetup::readConfigPara()
{
    const IsoSettings iso = IsoSettings::read();
    m_max->setSuffix(unitSuffix());
    m_min->setSuffix(unitSuffix());
    m_max->setRange(out(iso.lower), out(IsoSettings::HighestLevel));
    m_min->setRange(out(IsoSettings::LowestLevel), out(iso.upper));
    m_max->setValue(out(iso.upper), false);
    m_min->setValue(out(iso.lower), false);
    m_color->setCurrentIndex(iso.colour);
    m_mode->setCurrentIndex(iso.mode);
}

float EISOSetup::itemCelsius(const ESpinBoxItem *item)
{
    return EGlobal::unit_in_temp(item->cleanText().toFloat());
}

void EISOSetup::savePara()
{
    IsoSettings iso;
    iso.colour = m_color->currentIndex();
    iso.mode = m_mode->currentIndex();
    iso.upper = itemCelsius(m_max);
    iso.lower = itemCelsius(m_min);
    iso.write();
}

template <typename Change> void EISOSetup::applyLive(Change change)
{
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga)
        return;
    Isotherm iso = fpga->getIsoPara();
    change(iso);
    fpga->setIsoPara(iso);
    fpga->palette_cal(nullptr);
}

void EISOSetup::changePara(const QString &name)
{
    applyLive([&](Isotherm &iso) {
        if (name == QLatin1String("Max")) {
            const float v = m_max->cleanText().toFloat();
            iso.upper = EGlobal::unit_in_temp(v);
            m_min->setRange(out(IsoSettings::LowestLevel), v);
        } else if (name == QLatin1String("Min")) {
            const float v = m_min->cleanText().toFloat();
            iso.lower = EGlobal::unit_in_temp(v);
            m_max->setRange(v, out(IsoSettings::HighestLevel));
        }
    });
}

void EISOSetup::changeModePara(int)
{
    applyLive([&](Isotherm &iso) { iso.type = m_mode->currentIndex(); });
}

void EISOSetup::changeColorPara(int index)
{
    applyLive([&](Isotherm &iso) {
        if (index < 0 || index >= IsoSettings::ColourCount)
            return;
        std::memset(iso.colour, 0, sizeof iso.colour);
        std::strncpy(iso.colour, IsoSettings::colourName(index), sizeof iso.colour - 1);
    });
}

void EISOSetup::updateDisplayTemp()
{
    qWarning("%s %s", "image/isosetup", "updateDisplayTemp");
}

void EISOSetup::okClicked()
{
    savePara();
    close();
    if (QWidget *popup = EGlobal::getImageTab())
        popup->setVisible(true);
}

void EISOSetup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        okClicked();
}

void EISOSetup::showEvent(QShowEvent *event)
{
    readConfigPara();
    QWidget::showEvent(event);
}
