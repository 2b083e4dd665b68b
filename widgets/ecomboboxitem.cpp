#include "ecomboboxitem.h"

#include "arrowrepeat.h"
#include "earrowbutton.h"
#include "ecombobox.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {
const int s_rowHeight = 48;
const char *const s_style =
    "#Mode { text-align: right; margin-left: 0px; margin-top: 0px; margin-bottom: 0px;"
    " border: 1px groove rgb(28, 125, 246); background-color: rgb(0,0,0); }"
    "#Mode:focus { text-align: right; margin-left: 0px; margin-top: 0px; margin-bottom: 0px;"
    " border: 1px groove rgb(28, 125, 246); background-color: rgb(255,0,0); padding: -2px; }"
    // White text: the choice stands on black or red.
    "#Mode QLabel { color: white; background-color: transparent; }";
}

EComboBoxItem::EComboBoxItem(const QStringList &list, QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(s_rowHeight);
    setFocusPolicy(Qt::NoFocus);
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    m_left = EArrowButton::create(EArrowButton::Left, this, s_rowHeight, s_rowHeight, 24, 24);
    m_right = EArrowButton::create(EArrowButton::Right, this, s_rowHeight, s_rowHeight, 24, 24);
    m_comboBox = new EComboBox(list, this);
    m_comboBox->setObjectName(QStringLiteral("Mode"));

    layout->addStretch(0);
    layout->addWidget(m_left, 0);
    layout->addWidget(m_comboBox, 2);
    layout->addWidget(m_right, 0);
    layout->addStretch(0);
    m_comboBox->setFocusPolicy(Qt::StrongFocus);

    // Every step is one entry, however long the arrow is held.
    m_repeat = new ArrowRepeat(m_left, m_right, this);
    connect(m_repeat, &ArrowRepeat::stepRequested, this, [this](int direction, int) { step(direction); });
    connect(m_left, &QPushButton::pressed, this, &EComboBoxItem::downPress);
    connect(m_right, &QPushButton::pressed, this, &EComboBoxItem::upPress);
    connect(m_left, &QPushButton::released, this, &EComboBoxItem::downRelease);
    connect(m_right, &QPushButton::released, this, &EComboBoxItem::upRelease);
    setStyleSheet(QLatin1String(s_style));
}

void EComboBoxItem::setRowHeight(int height)
{
    setFixedHeight(height);
    m_left->setFixedHeight(height);
    m_right->setFixedHeight(height);
}

void EComboBoxItem::setEnableLongPress(bool on)
{
    m_repeat->setRepeatOnHold(on);
}

int EComboBoxItem::currentIndex() const
{
    return m_comboBox->currentIndex();
}

int EComboBoxItem::count() const
{
    return m_comboBox->count();
}

void EComboBoxItem::setCurrentIndex(int index)
{
    m_comboBox->setCurrentIndex(index);
}

void EComboBoxItem::setStringList(const QStringList &list)
{
    m_comboBox->setStringList(list);
}

const QStringList &EComboBoxItem::stringList() const
{
    return m_comboBox->stringList();
}

QString EComboBoxItem::text() const
{
    return m_comboBox->text();
}

void EComboBoxItem::removeUpDown()
{
    m_repeat->stop();
    m_left->setVisible(false);
    m_right->setVisible(false);
}

// One step with wrap-around at both ends; nothing to step through in an
// empty list, so nothing is signalled.
void EComboBoxItem::step(int direction)
{
    const int n = m_comboBox->count();
    if (n <= 0)
        return;
    const int index = qBound(0, m_comboBox->currentIndex(), n - 1);
    const int next = direction > 0 ? (index == n - 1 ? 0 : index + 1) : (index == 0 ? n - 1 : index - 1);
    m_comboBox->setCurrentIndex(next);
    Q_EMIT currentIndexChanged(m_comboBox->currentIndex());
}

void EComboBoxItem::upPress()
{
    m_comboBox->setFocus(Qt::OtherFocusReason);
    m_repeat->press(+1);
}

void EComboBoxItem::downPress()
{
    m_comboBox->setFocus(Qt::OtherFocusReason);
    m_repeat->press(-1);
}

void EComboBoxItem::mouseLongPressUp()
{
    m_repeat->tick(+1);
}

void EComboBoxItem::mouseLongPressDown()
{
    m_repeat->tick(-1);
}

void EComboBoxItem::upRelease()
{
    m_repeat->release(+1);
}

void EComboBoxItem::downRelease()
{
    m_repeat->release(-1);
}
