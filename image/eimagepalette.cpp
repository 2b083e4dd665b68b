#include "eimagepalette.h"

#include "ecustompalette.h"
#include "ereminditem.h"
#include "estandardpalette.h"
#include "storedsettings.h"

#include <QFrame>
#include <QSettings>
#include <QVBoxLayout>

namespace {
// Each list is built on first use and kept for the life of the program.
EStandardPalette *s_standardBrowser = nullptr;
ECustomPalette *s_customBrowser = nullptr;
const QRect s_listGeometry(0, 56, 276, 184);
} // namespace

EImagePalette::EImagePalette(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_standardItem = new ERemindItem(tr("Standard"), this);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(2);
    m_customItem = new ERemindItem(tr("Custom"), this);
    layout->addWidget(m_standardItem);
    layout->addWidget(line);
    layout->addWidget(m_customItem);
    layout->addStretch();
    connect(m_standardItem, qOverload<const QString &>(&ERemindItem::clicked), this, &EImagePalette::slot_paletteItem);
    connect(m_customItem, qOverload<const QString &>(&ERemindItem::clicked), this, &EImagePalette::slot_customItem);
    setStyleSheet(QStringLiteral(
        "QPushButton:pressed{background-color: rgb(0,255,0); border-style: inset; padding-left: 4px;}"
        "QPushButton{text-align: left; background-color: red; color: white; padding-left: 2px;}"));
    readConfig();
}

EStandardPalette *EImagePalette::standardBrowser()
{
    return s_standardBrowser;
}

ECustomPalette *EImagePalette::customBrowser()
{
    return s_customBrowser;
}

void EImagePalette::chooseItem(int kind)
{
    m_standard = kind == 0;
    m_standardItem->setText(m_standard ? tr("Standard *") : tr("Standard"));
    m_customItem->setText(m_standard ? tr("Custom") : tr("Custom *"));
}

void EImagePalette::readConfig()
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    const QString mode = settings.value(QStringLiteral("ColorTable_Mode"), QStringLiteral("Standard")).toString();
    chooseItem(mode == QLatin1String("Standard") ? 0 : 1);
}

void EImagePalette::slot_paletteItem()
{
    if (!s_standardBrowser) {
        s_standardBrowser = new EStandardPalette;
        s_standardBrowser->setGeometry(s_listGeometry);
    }
    s_standardBrowser->setChoose(m_standard);
    s_standardBrowser->show();
}

void EImagePalette::slot_customItem()
{
    if (!s_customBrowser) {
        s_customBrowser = new ECustomPalette;
        s_customBrowser->setGeometry(s_listGeometry);
    }
    s_customBrowser->setChoose(!m_standard);
    s_customBrowser->show();
}
