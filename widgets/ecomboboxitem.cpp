#include "ecomboboxitem.h"

#include "earrowbutton.h"
#include "ecombobox.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>

namespace {
const int s_rowHeight = 48;
const int s_repeatMs = 200;
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

    m_downTimer = new QTimer(this);
    m_upTimer = new QTimer(this);
    connect(m_left, &QPushButton::pressed, this, &EComboBoxItem::downPress);
    connect(m_right, &QPushButton::pressed, this, &EComboBoxItem::upPress);
    connect(m_left, &QPushButton::released, this, &EComboBoxItem::downRelease);
    connect(m_right, &QPushButton::released, this, &EComboBoxItem::upRelease);
    connect(m_downTimer, &QTimer::timeout, this, &EComboBoxItem::mouseLongPressDown);
    connect(m_upTimer, &QTimer::timeout, this, &EComboBoxItem::mouseLongPressUp);
    setStyleSheet(QLatin1String(s_style));
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
    stopRepeat();
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
    if (m_longPressEnabled)
        m_upTimer->start(s_repeatMs);
}

void EComboBoxItem::downPress()
{
    m_comboBox->setFocus(Qt::OtherFocusReason);
    if (m_longPressEnabled)
        m_downTimer->start(s_repeatMs);
}

void EComboBoxItem::mouseLongPressUp()
{
    m_upLongPress = true;
    step(+1);
}

void EComboBoxItem::mouseLongPressDown()
{
    m_downLongPress = true;
    step(-1);
}

void EComboBoxItem::upRelease()
{
    m_upTimer->stop();
    if (m_upLongPress) {
        m_upLongPress = false;
        return;
    }
    step(+1);
}

void EComboBoxItem::downRelease()
{
    m_downTimer->stop();
    if (m_downLongPress) {
        m_downLongPress = false;
        return;
    }
    step(-1);
}

void EComboBoxItem::stopRepeat()
{
    m_downTimer->stop();
    m_upTimer->stop();
    // Without this a release delivered later would count as a short tap.
    m_left->setDown(false);
    m_right->setDown(false);
    m_downLongPress = false;
    m_upLongPress = false;
}

void EComboBoxItem::hideEvent(QHideEvent *event)
{
    stopRepeat();
    QWidget::hideEvent(event);
}
