#include "elinemode.h"

#include "elabel.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "elinewidget.h"
#include "ependingsettings.h"
#include "eseparator.h"
#include "espinboxitem.h"
#include "etitle.h"

#include <QGridLayout>
#include <QSpacerItem>

namespace {
const char *const s_style =
    "QWidget{background-color: rgba(0,0,0,5);}"
    "QPushButton:pressed{background-color: rgb(0,255,0);}"
    "QPushButton{color: white; text-align: center;}"
    "QPushButton#label{text-align: left; color: white; background-color: rgba(0,0,0,5); margin-left: 2px;}"
    "QPushButton#label:pressed{text-align: left; color: white; background-color: rgba(0,0,0,5); margin-left: 2px;}"
    "QAbstractSpinBox{color: white; background-color: black; border: 1px groove rgb(28,125,246);"
    " margin-top: 1px; margin-bottom: 1px;}"
    "QAbstractSpinBox:focus{background-color: red;}"
    "QAbstractSpinBox::up-button, QAbstractSpinBox::down-button{width: 0px; height: 0px;}";

ESpinBoxItem *numberRow(QWidget *parent, const QString &name, int low, int high, int value)
{
    auto *row = new ESpinBoxItem(parent, 48);
    row->setObjectName(name);
    row->setFixedHeight(48);
    row->setDecimals(0);
    row->setWrapping(false);
    row->setAlignment(Qt::AlignHCenter);
    row->setRange(low, high);
    row->setSingleStep(1, true);
    row->setValue(value, false);
    return row;
}

ELabel *caption(QWidget *parent, const QString &text)
{
    auto *label = new ELabel(text, parent);
    label->setObjectName(QStringLiteral("label"));
    label->setFixedWidth(70);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

ELineWidget *lineOf(int n)
{
    const EGraphicsView *view = EGlobal::getGraphicsView();
    return view ? view->getLineWidget(n) : nullptr;
}
}

ELineMode::ELineMode(QWidget *parent, Qt::WindowFlags flags)
    : EModeDialog(parent, flags)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_title->setObjectName(QStringLiteral("Name"));
    m_rowField = numberRow(this, QStringLiteral("Row"), 21, 235, 120);
    m_columnField = numberRow(this, QStringLiteral("Column"), 5, 315, 160);
    layout->addWidget(m_title, 0, 0, 1, 2);
    layout->addWidget(caption(this, tr("Row:")), 1, 0);
    layout->addWidget(m_rowField, 1, 1);
    layout->addWidget(new ESeparator(this), 2, 0, 1, 2);
    layout->addWidget(caption(this, tr("Column:")), 3, 0);
    layout->addWidget(m_columnField, 3, 1);
    layout->addItem(new QSpacerItem(10, 10, QSizePolicy::Minimum, QSizePolicy::Expanding), 4, 0, 1, 2);
    setStyleSheet(QLatin1String(s_style));
    // Its almost transparent background lets the live picture through.
    setAttribute(Qt::WA_TranslucentBackground);
    connect(m_rowField, &ESpinBoxItem::valueChanged, this, &ELineMode::changeXPara);
    connect(m_columnField, &ESpinBoxItem::valueChanged, this, &ELineMode::changeYPara);
}

void ELineMode::setLineID(int n)
{
    m_number = n;
    if (n == 1)
        m_title->setText(tr("Hor Line"));
    else if (n == 2)
        m_title->setText(tr("Ver Line"));
}

void ELineMode::showEvent(QShowEvent *event)
{
    if (ELineWidget *line = lineOf(m_number)) {
        const QPoint at = line->getPosition();
        m_rowField->setValue(at.y(), true);
        m_columnField->setValue(at.x(), true);
    }
    EModeDialog::showEvent(event);
}

void ELineMode::changeXPara(const QString &)
{
    if (ELineWidget *line = lineOf(m_number))
        line->move(line->getX(), m_rowField->cleanText().toInt(), ELineWidget::AxisBoth);
}

void ELineMode::changeYPara(const QString &)
{
    if (ELineWidget *line = lineOf(m_number))
        line->move(m_columnField->cleanText().toInt(), line->getY(), ELineWidget::AxisBoth);
}

void ELineMode::store()
{
    if (m_number < 1)
        return;
    const QString group = QStringLiteral("Line_%1").arg(m_number);
    EPendingSettings *settings = EPendingSettings::instance();
    settings->setValue(group, QStringLiteral("Row"), m_rowField->cleanText().toInt());
    settings->setValue(group, QStringLiteral("Column"), m_columnField->cleanText().toInt());
    if (!settings->flush())
        qWarning("line %d: position not stored", m_number);
}
