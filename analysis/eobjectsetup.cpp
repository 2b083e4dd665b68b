#include "eobjectsetup.h"

#include "eanalysistab.h"
#include "eareawidget.h"
#include "echeckitem.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "elabel.h"
#include "elinewidget.h"
#include "emisstable.h"
#include "eobjectsettings.h"
#include "ependingsettings.h"
#include "eseparator.h"
#include "espinbox.h"
#include "espinboxitem.h"
#include "espotwidget.h"
#include "etitle.h"

#include <QGridLayout>
#include <QKeyEvent>

#include <cmath>
#include <cstdio>

namespace {
const char *const s_common =
    "QWidget{background-color: rgba(0,0,0,5);}"
    "QCheckBox{color: white;}"
    "QLabel{margin-left: 2px;}"
    "QLabel#Title{color: black;}"
    "QAbstractSpinBox::up-button, QAbstractSpinBox::down-button{width: 0px; height: 0px;}"
    "QAbstractSpinBox{border: 1px groove rgb(28,125,246); margin-top: 1px; margin-bottom: 1px;"
    " background-color: black;}"
    "QPushButton{color: white; text-align: center;}"
    "QPushButton:pressed{background-color: rgb(0,255,0);}"
    "QPushButton#Check{color: white; text-align: left; margin-left: 0px; padding-left: 2px;}"
    "QPushButton#Check:pressed{background-color: rgb(0,255,0);}";
const char *const s_editableA =
    "QLabel, QPushButton#label{color: white;} QAbstractSpinBox{color: white;}"
    "QAbstractSpinBox:focus{background-color: rgba(255,0,0,255); color: white;"
    " border: 1px groove rgb(28,125,246); margin-top: 1px; margin-bottom: 1px;}";
const char *const s_lockedA =
    "QLabel, QPushButton#label{color: gray;} QAbstractSpinBox{color: gray;}"
    "QAbstractSpinBox:focus{background-color: rgba(0,0,0,5);}";
const char *const s_editableB =
    "QLabel, QPushButton#label{color: white;} QAbstractSpinBox{color: white;}"
    "QAbstractSpinBox:focus{background-color: rgb(255,0,0); color: white;"
    " border: 1px groove rgb(28,125,246); margin-top: 1px; margin-bottom: 1px;}";
const char *const s_lockedB =
    "QLabel, QPushButton#label{color: gray;} QAbstractSpinBox{color: gray;}"
    "QAbstractSpinBox:focus{background-color: rgb(255,0,0);}"
    "QComboBox{border: 1px solid rgb(28,125,246); padding: 1px 18px 1px 3px;}"
    "QPushButton#Check{margin-left: 4px;} QPushButton#Check:pressed{padding-left: 4px;}";

const float MetresPerFoot = 0.3048f;

ESpinBoxItem *valueRow(QWidget *parent, const QString &name)
{
    auto *row = new ESpinBoxItem(parent, 48);
    row->setObjectName(name);
    row->setWrapping(false);
    row->setAlignment(Qt::AlignHCenter);
    return row;
}

ELabel *caption(QWidget *parent, const QString &text)
{
    auto *label = new ELabel(text, parent);
    label->setObjectName(QStringLiteral("label"));
    return label;
}
}

EObjectSetup::EObjectSetup(EObjectTab::Kind kind, const QString &firstTitle, QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, kind == EObjectTab::Spot ? flags : flags | Qt::FramelessWindowHint)
    , m_kind(kind)
{
    setWindowModality(Qt::WindowModal);
    setFixedSize(240, 200);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_title = new ETitle(this);
    m_title->setFixedHeight(32);
    m_title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_title->setText(firstTitle);
    m_globalCheck = new ECheckItem(tr("use global para"), this);
    m_globalCheck->setObjectName(QStringLiteral("Check"));
    m_globalCheck->setFixedHeight(32);
    m_emissField = valueRow(this, QStringLiteral("Emiss"));
    m_emissField->setDecimals(2);
    m_emissField->setRange(0.01f, 1.00f);
    m_emissField->setSingleStep(0.01, true);
    m_distanceField = valueRow(this, QStringLiteral("Distan"));
    m_offsetField = valueRow(this, QStringLiteral("Offset"));
    m_offsetField->setDecimals(1);
    m_offsetField->setSingleStep(0.1, true);
    layout->addWidget(m_title, 0, 0, 1, 2);
    layout->addWidget(m_globalCheck, 1, 0, 1, 2);
    layout->addWidget(new ESeparator(this), 2, 0, 1, 2);
    layout->addWidget(caption(this, tr("Emiss:")), 3, 0);
    layout->addWidget(m_emissField, 3, 1);
    layout->addWidget(caption(this, tr("Distan:")), 4, 0);
    layout->addWidget(m_distanceField, 4, 1);
    layout->addWidget(caption(this, tr("Offset:")), 5, 0);
    layout->addWidget(m_offsetField, 5, 1);
    for (ESpinBoxItem *field : {m_emissField, m_distanceField, m_offsetField})
        connect(field, &ESpinBoxItem::valueChanged, this, &EObjectSetup::changePara);
    connect(m_title, &ETitle::cancel, this, &EObjectSetup::okClicked);
    connect(m_globalCheck, qOverload<bool>(&ECheckItem::clicked), this, &EObjectSetup::checkStateChange);
    connect(m_emissField, qOverload<>(&ESpinBoxItem::clicked), this, &EObjectSetup::slot_selectEmiss);
    setStyleSheet(0);
    // Its almost transparent background lets the live picture through.
    setAttribute(Qt::WA_TranslucentBackground);
}

void EObjectSetup::setNumber(int n, const QString &title)
{
    m_number = n;
    if (!title.isEmpty())
        m_title->setText(title);
}

float EObjectSetup::offsetOut(float celsius)
{
    return EGlobal::getSystemTempUnit() == 1 ? float(double(celsius) * 1.8) : celsius;
}

float EObjectSetup::offsetIn(float shown)
{
    return EGlobal::getSystemTempUnit() == 1 ? float(double(shown) / 1.8) : shown;
}

QString EObjectSetup::group() const
{
    switch (m_kind) {
    case EObjectTab::Spot: return QStringLiteral("Spot_%1").arg(m_number);
    case EObjectTab::Area: return QStringLiteral("Area_%1").arg(m_number);
    case EObjectTab::Line: return QStringLiteral("Line_%1").arg(m_number);
    }
    return QString();
}

EAnalysisWidget *EObjectSetup::object() const
{
    const EGraphicsView *view = EGlobal::getGraphicsView();
    if (!view)
        return nullptr;
    switch (m_kind) {
    case EObjectTab::Spot: return view->getSpotWidget(m_number);
    case EObjectTab::Area: return view->getAreaWidget(m_number);
    case EObjectTab::Line: return view->getLineWidget(m_number);
    }
    return nullptr;
}

TempSetup *EObjectSetup::objectSetup() const
{
    EAnalysisWidget *target = object();
    if (!target)
        return nullptr;
    switch (m_kind) {
    case EObjectTab::Spot: return static_cast<ESpotWidget *>(target)->getTempSetup();
    case EObjectTab::Area: return &static_cast<EAreaWidget *>(target)->getTempSetup();
    case EObjectTab::Line: return static_cast<ELineWidget *>(target)->getTempSetup();
    }
    return nullptr;
}

void EObjectSetup::applyToObject(const TempSetup &setup)
{
    if (EAnalysisWidget *target = object())
        target->setTempSetup(setup);
}

float EObjectSetup::distanceMetres() const
{
    if (m_distanceField->value() == m_readDistanceShown)
        return m_readDistance;
    const double metres = EGlobal::getSystemLenUnit() == 1 ? m_distanceField->value() * MetresPerFoot
                                                          : m_distanceField->value();
    return float(std::round(metres * 100.0) / 100.0);
}

void EObjectSetup::setStyleSheet(int locked)
{
    const bool setB = m_kind == EObjectTab::Area;
    const char *own = locked == 1 ? (setB ? s_lockedB : s_lockedA) : (setB ? s_editableB : s_editableA);
    QWidget::setStyleSheet(QLatin1String(s_common) + QLatin1String(own));
}

void EObjectSetup::setLocked(bool locked)
{
    for (ESpinBoxItem *field : {m_emissField, m_distanceField, m_offsetField})
        field->setEnabled(!locked);
    setStyleSheet(locked ? 1 : 0);
}

void EObjectSetup::readConfigPara()
{
    EObjectSettings settings(group());
    m_material = settings.readString(QStringLiteral("Emiss_Material"), QStringLiteral("Custom"));
    const TempSetup stored = settings.readTempSetup(EObjectSettings::defaultTempSetup());
    const ParaMode_t mode = settings.readParaMode();

    switch (EGlobal::getSystemTempUnit()) {
    case 1:
        m_offsetField->setSuffix(QStringLiteral(" F"));
        m_offsetField->setRange(-180.0f, 180.0f);
        break;
    case 2:
        m_offsetField->setSuffix(QStringLiteral(" K"));
        m_offsetField->setRange(-100.0f, 100.0f);
        break;
    default:
        m_offsetField->setSuffix(QStringLiteral(" %1C").arg(QChar(0x00B0)));
        m_offsetField->setRange(-100.0f, 100.0f);
        break;
    }
    if (EGlobal::getSystemLenUnit() == 1) {
        m_distanceField->setSuffix(QStringLiteral(" FT"));
        m_distanceField->setDecimals(1);
        // The metre field's 5000 m, so a long stored distance survives.
        m_distanceField->setRange(0.0f, 16404.0f);
        m_distanceField->setSingleStep(0.1, true);
    } else {
        m_distanceField->setSuffix(QStringLiteral(" m"));
        m_distanceField->setDecimals(0);
        m_distanceField->setRange(0.0f, 5000.0f);
        m_distanceField->setSingleStep(1, true);
    }
    m_emissField->setValue(stored.emiss, false);
    m_distanceField->setValue(EGlobal::getSystemLenUnit() == 1 ? stored.dist / MetresPerFoot : stored.dist, false);
    m_offsetField->setValue(offsetOut(stored.offset), false);
    m_readDistance = float(std::round(double(stored.dist) * 100.0) / 100.0);
    m_readDistanceShown = m_distanceField->value();
    m_globalCheck->setChecked(mode != PARA_OWN);
    setLocked(mode != PARA_OWN);
}

void EObjectSetup::savePara()
{
    const QString key = group();
    EPendingSettings *settings = EPendingSettings::instance();
    settings->setValue(key, QStringLiteral("Emiss_Material"), m_material);
    settings->setValue(key, QStringLiteral("Emiss"), m_emissField->cleanText());
    settings->setValue(key, QStringLiteral("Offset"),
                       QString::asprintf("%.2f", double(offsetIn(float(m_offsetField->value())))));
    settings->setValue(key, QStringLiteral("Distan"), QString::asprintf("%.2f", double(distanceMetres())));
    settings->setValue(key, QStringLiteral("ParaMode"), m_globalCheck->checked() ? 1 : 0);
    if (!settings->flush())
        std::fprintf(stderr, "%s: parameters not stored\n", qPrintable(key));
}

void EObjectSetup::changePara(const QString &name)
{
    std::printf("change para %s\n", qPrintable(name));
    TempSetup *current = objectSetup();
    if (!current)
        return;
    TempSetup setup = *current;
    if (name == QLatin1String("Emiss")) {
        setup.emiss = m_emissField->cleanText().toFloat();
        m_material = QStringLiteral("Custom");
    } else if (name == QLatin1String("Distan")) {
        setup.dist = distanceMetres();
    } else if (name == QLatin1String("Offset")) {
        setup.offset = offsetIn(float(m_offsetField->value()));
    }
    applyToObject(setup);
}

void EObjectSetup::checkStateChange(bool wasChecked)
{
    std::printf("state %d\n", int(!wasChecked));
    m_globalCheck->setChecked(!wasChecked);
    EPendingSettings *settings = EPendingSettings::instance();
    settings->setValue(group(), QStringLiteral("ParaMode"), wasChecked ? 0 : 1);
    if (!settings->flush())
        std::fprintf(stderr, "%s: parameter mode not stored\n", qPrintable(group()));
    setLocked(!wasChecked);
    EAnalysisWidget *target = object();
    if (!target)
        return;
    if (!wasChecked) {
        target->setParaMode(PARA_GLOBAL);
        return;
    }
    TempSetup setup = *objectSetup();
    setup.emiss = m_emissField->cleanText().toFloat();
    setup.dist = distanceMetres();
    setup.offset = offsetIn(float(m_offsetField->value()));
    target->setTempSetup(setup);
    target->setParaMode(PARA_OWN);
    if (m_kind != EObjectTab::Spot)
        m_emissField->spinBox()->setFocus(Qt::OtherFocusReason);
}

void EObjectSetup::slot_selectEmiss()
{
    // With the global parameters the emissivity is greyed: no material.
    if (!m_emissField->isEnabled())
        return;
    std::printf("select emiss\n");
    EmissTable *&table = chooser();
    // With the value the field holds, "Custom" keeps a hand-set emissivity.
    if (EmissTable::popUp(table, this, m_material, float(m_emissField->value())))
        connect(table, &EmissTable::emissChanged, this, &EObjectSetup::changeEmiss);
}

void EObjectSetup::changeEmiss(const QString &material, float emiss)
{
    std::printf("change material:%s emiss:%f\n", qPrintable(material), double(emiss));
    // What no material can have is not taken (nor its name).
    if (!(emiss > 0.0f && emiss <= 1.0f))
        return;
    m_material = material;
    m_emissField->setValue(emiss, false);
    if (TempSetup *current = objectSetup()) {
        TempSetup setup = *current;
        setup.emiss = m_emissField->cleanText().toFloat();
        applyToObject(setup);
    }
}

void EObjectSetup::okClicked()
{
    savePara();
    close();
    if (EAnalysisTab *panel = EGlobal::getAnalysisTab())
        panel->setVisible(true);
}

void EObjectSetup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return;
    savePara();
    close();
}

void EObjectSetup::showEvent(QShowEvent *event)
{
    readConfigPara();
    QWidget::showEvent(event);
    if (m_kind == EObjectTab::Spot)
        m_emissField->spinBox()->clearFocus();
}
