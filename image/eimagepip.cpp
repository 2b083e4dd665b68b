#include "eimagepip.h"

#include "ependingsettings.h"

#include "eglobal.h"
#include "eimageviewhost.h"
#include "emodeitem.h"
#include "evalueitem.h"
#include "fpga.h"
#include "storedsettings.h"

#include <QFrame>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const char *const s_pipeStr[] = {
    QT_TRANSLATE_NOOP("EImagePip", "IR"),
    QT_TRANSLATE_NOOP("EImagePip", "Visible"),
    QT_TRANSLATE_NOOP("EImagePip", "IR_PIPE_VIS"),
    QT_TRANSLATE_NOOP("EImagePip", "VIS_PIPE_IR"),
    QT_TRANSLATE_NOOP("EImagePip", "IR_MIX_VIS"),
    QT_TRANSLATE_NOOP("EImagePip", "VIS_MIX_IR"),
};
const char *const s_positionStr[] = {
    QT_TRANSLATE_NOOP("EImagePip", "Position: TL"),
    QT_TRANSLATE_NOOP("EImagePip", "Position: BL"),
    QT_TRANSLATE_NOOP("EImagePip", "Position: BR"),
    QT_TRANSLATE_NOOP("EImagePip", "Position: TR"),
};
const char *const s_sizeStr[] = {
    QT_TRANSLATE_NOOP("EImagePip", "Size: Half"),
    QT_TRANSLATE_NOOP("EImagePip", "Size: Full"),
};

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(2);
    line->hide();
    return line;
}

int readInt(QSettings &settings, const QString &key, int fallback)
{
    bool ok = false;
    const int value = settings.value(key, fallback).toInt(&ok);
    return ok ? value : fallback;
}
} // namespace

EImagePip::EImagePip(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_modeItem = new EModeItem(tr("IR"), this);
    m_firstSeparator = separator(this);
    m_positionItem = new EModeItem(tr("Pos:TopLeft"), this);
    m_sizeItem = new EModeItem(tr("Size: Half"), this);
    m_secondSeparator = separator(this);
    m_percentItem = new EValueItem(tr("Per: "), this);
    m_percentItem->setObjectName(QStringLiteral("mixDx"));
    m_percentItem->setSuffix(QStringLiteral("%"));
    m_percentItem->setRange(0, 100);
    m_percentItem->setValue(0);
    for (QWidget *row : {static_cast<QWidget *>(m_modeItem), static_cast<QWidget *>(m_firstSeparator),
                         static_cast<QWidget *>(m_positionItem), static_cast<QWidget *>(m_sizeItem),
                         static_cast<QWidget *>(m_secondSeparator), static_cast<QWidget *>(m_percentItem)})
        layout->addWidget(row);
    layout->addStretch();
    m_positionItem->hide();
    m_sizeItem->hide();
    m_percentItem->hide();

    connect(m_modeItem, &EModeItem::clickedDecrease, this, &EImagePip::clickedDecrease);
    connect(m_modeItem, &EModeItem::clickedIncrease, this, &EImagePip::clickedIncrease);
    connect(m_positionItem, &EModeItem::clickedDecrease, this, &EImagePip::positionDecrease);
    connect(m_positionItem, &EModeItem::clickedIncrease, this, &EImagePip::positionIncrease);
    connect(m_sizeItem, &EModeItem::clickedDecrease, this, &EImagePip::sizeDecrease);
    connect(m_sizeItem, &EModeItem::clickedIncrease, this, &EImagePip::sizeIncrease);
    connect(m_percentItem, &EValueItem::valueChanged, this, &EImagePip::mixPercentValueChanged);
    readConfigPara();
}

EImageViewHost *EImagePip::host() const
{
    return EImageViewHost::instance();
}

void EImagePip::showRows(bool position, bool blend)
{
    m_firstSeparator->setVisible(position || blend);
    m_positionItem->setVisible(position);
    m_sizeItem->setVisible(blend);
    m_secondSeparator->setVisible(blend);
    m_percentItem->setVisible(blend);
}

void EImagePip::clickedDecrease(const QString &)
{
    m_mode = m_mode - 1 < IR ? VIS_MIX_IR : m_mode - 1;
    imageHandler();
}

void EImagePip::clickedIncrease(const QString &)
{
    m_mode = m_mode + 1 > VIS_MIX_IR ? IR : m_mode + 1;
    imageHandler();
}

void EImagePip::imageHandler()
{
    EImageViewHost *view = host();
    switch (m_mode) {
    case IR_PIPE_VIS:
        showRows(true, false);
        m_positionItem->setText(tr(s_positionStr[m_irPipePosition]));
        if (view) {
            view->set_IR_Pipe_CCD_Position(m_irPipePosition);
            view->setImageMode(IR_PIPE_VIS);
        }
        break;
    case VIS_PIPE_IR:
        showRows(true, false);
        m_positionItem->setText(tr(s_positionStr[m_ccdPipePosition]));
        if (view) {
            view->set_CCD_Pipe_IR_Position(m_ccdPipePosition);
            view->setImageMode(VIS_PIPE_IR);
        }
        break;
    case IR_MIX_VIS:
        showRows(false, true);
        if (view)
            view->setImageMode(IR_MIX_VIS);
        readIRMixVISPara();
        break;
    case VIS_MIX_IR:
        showRows(false, true);
        if (view)
            view->setImageMode(VIS_MIX_IR);
        readVISMixIRPara();
        break;
    default:
        showRows(false, false);
        if (view)
            view->setImageMode(m_mode);
        break;
    }
    m_modeItem->setText(tr(s_pipeStr[m_mode]));
}

void EImagePip::stepPosition(int direction)
{
    Image_Position_t *position = m_mode == IR_PIPE_VIS ? &m_irPipePosition
                               : m_mode == VIS_PIPE_IR ? &m_ccdPipePosition
                                                       : nullptr;
    if (!position)
        return;
    *position = (*position + direction + 4) % 4;
    m_positionItem->setText(tr(s_positionStr[*position]));
    if (EImageViewHost *view = host()) {
        if (m_mode == IR_PIPE_VIS)
            view->set_IR_Pipe_CCD_Position(*position);
        else
            view->set_CCD_Pipe_IR_Position(*position);
    }
}

void EImagePip::positionDecrease(const QString &)
{
    stepPosition(-1);
}

void EImagePip::positionIncrease(const QString &)
{
    stepPosition(+1);
}

void EImagePip::toggleSize()
{
    if (m_mode != IR_MIX_VIS && m_mode != VIS_MIX_IR)
        return;
    int &size = m_mode == IR_MIX_VIS ? m_irMixSize : m_ccdMixSize;
    size = size == 0 ? 1 : 0;
    m_sizeItem->setText(tr(s_sizeStr[size]));
    FPGA *fpga = EGlobal::getFPGA();
    if (fpga) {
        if (m_mode == IR_MIX_VIS)
            fpga->fpga_set_IR_Mix_CCD_Size(size);
        else
            fpga->fpga_set_CCD_Mix_IR_Size(size);
    }
    EPendingSettings *pending = EPendingSettings::instance();
    pending->setValue(QStringLiteral("ImageMix"),
                      m_mode == IR_MIX_VIS ? QStringLiteral("Image_IR_Mix_CCD_Size") : QStringLiteral("Image_CCD_Mix_IR_Size"), size);
    pending->flush();
}

void EImagePip::sizeDecrease(const QString &)
{
    toggleSize();
}

void EImagePip::sizeIncrease(const QString &)
{
    toggleSize();
}

void EImagePip::mixPercentValueChanged(int percent)
{
    if (m_mode != IR_MIX_VIS && m_mode != VIS_MIX_IR)
        return;
    percent = std::clamp(percent, 0, 100);
    FPGA *fpga = EGlobal::getFPGA();
    // The row repeats while an arrow is held: the value is written once the
    // steps pause, not at every step.
    EPendingSettings *pending = EPendingSettings::instance();
    const QString group = QStringLiteral("ImageMix");
    if (m_mode == IR_MIX_VIS) {
        qWarning("1");
        if (fpga)
            fpga->set_IR_mix_CCD_percent(percent / 100.0f);
        pending->setValue(group, QStringLiteral("IR_MIX_VIS_Percent"), percent);
    } else {
        qWarning("2");
        if (fpga)
            fpga->set_CCD_mix_IR_percent(percent / 100.0f);
        pending->setValue(group, QStringLiteral("VIS_MIX_IR_Percent"), percent);
    }
}

int EImagePip::readMixPercent(const char *key)
{
    EPendingSettings::instance()->flush();
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("ImageMix"));
    return std::clamp(readInt(settings, QLatin1String(key), 50), 0, 100);
}

void EImagePip::readIRMixVISPara()
{
    readMixPara(IR_MIX_VIS);
}

void EImagePip::readVISMixIRPara()
{
    readMixPara(VIS_MIX_IR);
}

// The stored percentage of a blend mode to the board and the row; the size
// is the page's own, not re-read.
void EImagePip::readMixPara(Image_Mode_t mode)
{
    const bool ir = mode == IR_MIX_VIS;
    const int percent = readMixPercent(ir ? "IR_MIX_VIS_Percent" : "VIS_MIX_IR_Percent");
    const int size = ir ? m_irMixSize : m_ccdMixSize;
    FPGA *fpga = EGlobal::getFPGA();
    if (fpga) {
        if (ir)
            fpga->set_IR_mix_CCD_percent(percent / 100.0f);
        else
            fpga->set_CCD_mix_IR_percent(percent / 100.0f);
    }
    m_percentItem->setValue(percent);
    m_sizeItem->setText(tr(s_sizeStr[size]));
    if (fpga) {
        if (ir)
            fpga->fpga_set_IR_Mix_CCD_Size(size);
        else
            fpga->fpga_set_CCD_Mix_IR_Size(size);
    }
}

void EImagePip::readConfigPara()
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    // Stored values index the caption tables and reach 2-bit register
    // fields: anything outside its range is brought back inside.
    const int mode = readInt(settings, QStringLiteral("ImageMode"), IR);
    m_mode = mode >= IR && mode <= VIS_MIX_IR ? mode : IR;
    m_irPipePosition = std::clamp(readInt(settings, QStringLiteral("Image_IR_Pipe_CCD_Position"), 0), 0, 3);
    m_ccdPipePosition = std::clamp(readInt(settings, QStringLiteral("Image_CCD_Pipe_IR_Position"), 0), 0, 3);
    settings.beginGroup(QStringLiteral("ImageMix"));
    m_irMixSize = std::clamp(readInt(settings, QStringLiteral("Image_IR_Mix_CCD_Size"), 0), 0, 1);
    m_ccdMixSize = std::clamp(readInt(settings, QStringLiteral("Image_CCD_Mix_IR_Size"), 0), 0, 1);
    settings.endGroup();
    m_modeItem->setText(tr(s_pipeStr[m_mode]));
    FPGA *fpga = EGlobal::getFPGA();
    switch (m_mode) {
    case IR_PIPE_VIS:
        m_positionItem->setText(tr(s_positionStr[m_irPipePosition]));
        m_firstSeparator->show();
        m_positionItem->show();
        if (fpga)
            fpga->set_IR_Pipe_CCD_Position(m_irPipePosition);
        break;
    case VIS_PIPE_IR:
        m_positionItem->setText(tr(s_positionStr[m_ccdPipePosition]));
        if (fpga)
            fpga->set_CCD_Pipe_IR_Position(m_ccdPipePosition);
        m_firstSeparator->show();
        m_positionItem->show();
        break;
    case IR_MIX_VIS:
    case VIS_MIX_IR:
        if (m_mode == IR_MIX_VIS)
            readIRMixVISPara();
        else
            readVISMixIRPara();
        m_firstSeparator->show();
        m_secondSeparator->show();
        m_sizeItem->setText(tr(s_sizeStr[m_mode == IR_MIX_VIS ? m_irMixSize : m_ccdMixSize]));
        m_sizeItem->show();
        m_percentItem->show();
        break;
    default:
        showRows(false, false);
        break;
    }
}
