#include "ecolordialog.h"

#include "ecolorluminancepicker.h"
#include "ecolorpicker.h"
#include "ecolorshowlabel.h"
#include "espinboxitem.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char s_checkSheet[] =
    "QCheckBox{spacing: 5px;}"
    "QCheckBox::indicator{width: 13px; height: 13px;}"
    "QCheckBox::indicator:unchecked{image: url(:/images/checkbox_unchecked.png);}"
    "QCheckBox::indicator:unchecked:hover{image: url(:/images/checkbox_unchecked_hover.png);}"
    "QCheckBox::indicator:unchecked:pressed{image: url(:/images/checkbox_unchecked_pressed.png);}"
    "QCheckBox::indicator:checked{image: url(:/images/checkbox_checked.png);}"
    "QCheckBox::indicator:checked:hover{image: url(:/images/checkbox_checked_hover.png);}"
    "QCheckBox::indicator:checked:pressed{image: url(:/images/checkbox_checked_pressed.png);}";
const char s_dialogSheet[] =
    "QLabel{margin-left: 2px;}"
    "QSpinBox{color: white; border: 1px groove rgb(28, 125, 246); margin-top: 1px; margin-bottom: 1px;"
    " background-color: black;}"
    "QSpinBox:focus{background-color: rgb(255, 0, 0);}"
    "QSpinBox::up-button{width: 0px; height: 0px;}"
    "QSpinBox::down-button{width: 0px; height: 0px;}"
    "QPushButton{text-align: center; color: black;}"
    "QPushButton:pressed{background-color: rgb(0, 255, 0);}"
    "QPushButton#Done{background-color: rgb(1, 103, 233); border: 2px solid #8f8f91; border-radius: 6px;}"
    "QPushButton#Cancel{background-color: gray; border: 2px solid #8f8f91; border-radius: 6px;}";

ESpinBoxItem *colourEditor(QWidget *parent, const char *name)
{
    auto *item = new ESpinBoxItem(parent, 32);
    item->setObjectName(QLatin1String(name));
    item->setDecimals(0);
    item->setRange(0, 255);
    item->setValue(255, true);
    item->setSingleStep(1, false);
    item->setWrapping(false);
    item->setAlignment(Qt::AlignHCenter);
    return item;
}

QColor fromEditors(const ESpinBoxItem *r, const ESpinBoxItem *g, const ESpinBoxItem *b)
{
    const int red = int(r->value()), green = int(g->value()), blue = int(b->value());
    return QColor::fromRgb(0xFF000000u | uint(red & 0xFF) << 16 | uint(green & 0xFF) << 8 | uint(blue & 0xFF));
}
} // namespace

EColorDialog::EColorDialog(const QColor &initial, QWidget *parent)
    : QDialog(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);

    auto *swatchRow = new QHBoxLayout;
    swatchRow->setSpacing(5);
    swatchRow->addSpacing(15);
    swatchRow->addWidget(new QLabel(tr("Current Color:"), this));
    m_swatch = new EColorShowLabel(this);
    m_swatch->setFixedSize(80, 20);
    m_swatch->setColor(initial);
    swatchRow->addWidget(m_swatch);
    swatchRow->addStretch();
    layout->addLayout(swatchRow);

    auto *fieldRow = new QHBoxLayout;
    fieldRow->setContentsMargins(1, 1, 1, 1);
    fieldRow->setSpacing(1);
    m_picker = new EColorPicker(this, 240, 100);
    m_picker->setFixedSize(240, 100);
    m_lumi = new EColorLuminancePicker(this);
    m_lumi->setFixedSize(20, 106);
    fieldRow->addWidget(m_picker);
    fieldRow->addWidget(m_lumi);
    layout->addLayout(fieldRow);

    auto *editorRow = new QHBoxLayout;
    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    m_red = colourEditor(this, "Red");
    m_green = colourEditor(this, "Green");
    m_blue = colourEditor(this, "Blue");
    grid->addWidget(new QLabel(tr("Red:"), this), 0, 0);
    grid->addWidget(new QLabel(tr("Green:"), this), 1, 0);
    grid->addWidget(new QLabel(tr("Blue:"), this), 2, 0);
    grid->addWidget(m_red, 0, 1);
    grid->addWidget(m_green, 1, 1);
    grid->addWidget(m_blue, 2, 1);
    editorRow->addLayout(grid);
    editorRow->addStretch();
    layout->addLayout(editorRow);
    layout->addStretch();
    for (ESpinBoxItem *item : {m_red, m_green, m_blue}) {
        item->setFixedHeight(EditorRowHeight);
        item->setFixedWidth(110);
    }

    m_ok = new QPushButton(tr("Ok"), this);
    m_ok->setObjectName(QStringLiteral("Done"));
    m_ok->move(250, 195);
    m_ok->setFixedWidth(65);
    m_ok->setFlat(true);
    m_ok->setFocusPolicy(Qt::NoFocus);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_cancel->move(180, 195);
    m_cancel->setFixedWidth(65);
    m_cancel->setFlat(true);
    m_cancel->setFocusPolicy(Qt::NoFocus);
    m_valueCaption = new QLabel(this);
    m_valueCaption->move(180, 130);
    m_valueCaption->hide();
    m_value = new ESpinBoxItem(this, 30);
    m_value->setObjectName(QStringLiteral("Value"));
    m_value->move(180, 157);
    m_value->setFixedWidth(120);
    m_value->setDecimals(1);
    m_value->setRange(-20.0f, 400.0f);
    m_value->setSingleStep(0.1, false);
    m_value->setWrapping(false);
    m_value->setAlignment(Qt::AlignHCenter);
    m_value->hide();
    m_check = new QCheckBox(tr("Enable"), this);
    m_check->move(180, 157);
    m_check->hide();
    m_check->setChecked(false);
    m_check->setFocusPolicy(Qt::NoFocus);
    m_check->setStyleSheet(QLatin1String(s_checkSheet));
    setStyleSheet(QLatin1String(s_dialogSheet));

    connect(m_picker, &EColorPicker::newCol, m_lumi, qOverload<int, int>(&EColorLuminancePicker::setCol));
    connect(m_lumi, &EColorLuminancePicker::newHsv, this, &EColorDialog::_q_newHsv);
    for (ESpinBoxItem *item : {m_red, m_green, m_blue})
        connect(item, &ESpinBoxItem::valueChanged, this, &EColorDialog::changePara);
    connect(m_ok, &QPushButton::clicked, this, &EColorDialog::slot_okClicked);
    connect(m_cancel, &QPushButton::clicked, this, &EColorDialog::slot_cancelClicked);
}

bool EColorDialog::isEndObject() const
{
    return m_object == QLatin1String("minColor") || m_object == QLatin1String("maxColor");
}

void EColorDialog::setObject(const QString &name)
{
    m_object = name;
    const bool end = isEndObject();
    m_valueCaption->setVisible(end);
    m_value->setVisible(end);
    m_check->setVisible(!end);
    if (end) {
        m_valueCaption->setText(name == QLatin1String("minColor") ? tr("Min. Value:") : tr("Max. Value:"));
        m_valueCaption->adjustSize();
    }
}

void EColorDialog::setInitialColor(const QColor &color)
{
    int h = 0, s = 0, v = 0;
    color.getHsv(&h, &s, &v);
    m_picker->setCol(h, s);
    m_lumi->setCol(h, s, v);
    m_red->setValue(color.red(), false);
    m_green->setValue(color.green(), false);
    m_blue->setValue(color.blue(), false);
    m_swatch->setColor(color);
}

void EColorDialog::setValue(float t)
{
    m_value->setValue(t, true);
}

void EColorDialog::setCheckEnabled(bool on)
{
    m_check->setChecked(on);
}

QColor EColorDialog::editorColor() const
{
    return fromEditors(m_red, m_green, m_blue);
}

void EColorDialog::_q_newHsv(int h, int s, int v)
{
    m_picker->setCol(h, s);
    m_lumi->setCol(h, s, v);
    if (h < -1 || s < 0 || s > 255 || v < 0 || v > 255)
        return;
    const QColor c = QColor::fromHsv(h, s, v, 255);
    m_red->setValue(c.red(), false);
    m_green->setValue(c.green(), false);
    m_blue->setValue(c.blue(), false);
    m_swatch->setColor(c);
}

void EColorDialog::changePara(const QString &)
{
    const QColor c = editorColor();
    int h = 0, s = 0, v = 0;
    c.getHsv(&h, &s, &v);
    m_picker->setCol(h, s);
    m_lumi->setCol(h, s, v);
    m_swatch->setColor(c);
}

void EColorDialog::slot_okClicked()
{
    const QColor c = editorColor();
    if (isEndObject())
        emit currentColor(c, m_object, float(m_value->value()));
    else
        emit currentColor(c, m_object, m_check->isChecked());
    close();
}

void EColorDialog::slot_cancelClicked()
{
    close();
}

void EColorDialog::showEvent(QShowEvent *event)
{
    if (QWidget *focused = focusWidget())
        focused->clearFocus();
    QDialog::showEvent(event);
}
