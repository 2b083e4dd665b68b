#include "eadjustlevelitem.h"

#include "arrowrow.h"
#include "earrowbutton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {
const int s_height = ArrowRow::Height;
const char *const s_style =
    "QPushButton:pressed { background-color: rgb(0, 255, 0); border-style: inset; padding-left: 0px; padding-top: 0px;"
    " margin-left: 0px; margin-top: 4px; margin-right: 0px; margin-bottom: 4px; }"
    "QPushButton { background-color: rgba(255,255,255,255); margin-left: 0px; }"
    "QPushButton#Right, QPushButton#Left { background-color: rgba(0,0,0,0); }"
    "QPushButton#Right:pressed, QPushButton#Left:pressed { background-color: rgb(0, 255, 0); margin: 0px; }"
    "QLabel { color: rgb(255,255,255); background-color: gray; text-align: right; margin-left: 2px; }";

QPushButton *selectorButton(QWidget *parent, const QString &picture)
{
    auto *button = new QPushButton(parent);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedHeight(s_height - 4);
    button->setIconSize(QSize(32, 32));
    if (!picture.isEmpty()) {
        QPixmap pixmap(picture);
        if (!pixmap.isNull())
            pixmap = pixmap.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        button->setIcon(QIcon(pixmap));
    }
    return button;
}
}

EAdjustLevelItem::EAdjustLevelItem(const QString &name, QWidget *parent)
    : QFrame(parent)
{
    QHBoxLayout *layout = ArrowRow::frame(this, name);

    m_modeButton = selectorButton(this, QString());
    m_minButton = selectorButton(this, QStringLiteral(":images/min.png"));
    m_bothButton = selectorButton(this, QStringLiteral(":images/both.png"));
    m_maxButton = selectorButton(this, QStringLiteral(":images/max.png"));
    m_left = EArrowButton::create(EArrowButton::Left, this, s_height, s_height, s_height);
    m_right = EArrowButton::create(EArrowButton::Right, this, s_height, s_height, s_height);

    layout->addWidget(m_left);
    layout->addStretch();
    layout->addWidget(m_modeButton);
    layout->addSpacing(5);
    layout->addSpacing(5);
    layout->addWidget(m_minButton);
    layout->addSpacing(5);
    layout->addWidget(m_bothButton);
    layout->addSpacing(5);
    layout->addWidget(m_maxButton);
    layout->addStretch();
    layout->addWidget(m_right);

    setCustomStyleSheet(0);

    connect(m_left, &QPushButton::pressed, this, &EAdjustLevelItem::signal_downPress);
    connect(m_right, &QPushButton::pressed, this, &EAdjustLevelItem::signal_upPress);
    connect(m_left, &QPushButton::released, this, &EAdjustLevelItem::signal_downRelease);
    connect(m_right, &QPushButton::released, this, &EAdjustLevelItem::signal_upRelease);
    connect(m_bothButton, &QPushButton::clicked, this, &EAdjustLevelItem::slot_clicked_bothItem);
    connect(m_modeButton, &QPushButton::clicked, this, &EAdjustLevelItem::slot_clicked_autoItem);
    connect(m_minButton, &QPushButton::clicked, this, &EAdjustLevelItem::slot_clicked_minItem);
    connect(m_maxButton, &QPushButton::clicked, this, &EAdjustLevelItem::slot_clicked_maxItem);
}

void EAdjustLevelItem::setRange(float min, float max)
{
    m_minimum = min;
    m_maximum = max;
}

void EAdjustLevelItem::changeMode(int levelSpanMode)
{
    static const char *const pictures[] = {":images/auto.png", ":images/histogram.png", ":images/manual.png"};
    if (levelSpanMode < 0 || levelSpanMode > 2) {
        m_modeButton->setIcon(QIcon());
        return;
    }
    m_modeButton->setIcon(QIcon(QString::fromLatin1(pictures[levelSpanMode])));
}

void EAdjustLevelItem::emit_signal(int code)
{
    switch (code) {
    case 0:
        Q_EMIT signal_downPress();
        break;
    case 1:
        Q_EMIT signal_upPress();
        break;
    case 128:
        Q_EMIT signal_downRelease();
        break;
    case 129:
        Q_EMIT signal_upRelease();
        break;
    default:
        break;
    }
}

QString EAdjustLevelItem::text() const
{
    return m_minButton->text();
}

void EAdjustLevelItem::setText(const QString &text)
{
    m_minButton->setText(text);
}

void EAdjustLevelItem::setCustomStyleSheet(int)
{
    setStyleSheet(QLatin1String(s_style));
}

void EAdjustLevelItem::select(int selection, const QString &name)
{
    m_selection = selection;
    repaint();
    setObjectName(name);
}

void EAdjustLevelItem::slot_clicked_autoItem()
{
    select(Auto, QStringLiteral("Auto"));
}

void EAdjustLevelItem::slot_clicked_minItem()
{
    select(Min, QStringLiteral("Min"));
    Q_EMIT signal_changeToManual();
}

void EAdjustLevelItem::slot_clicked_bothItem()
{
    select(Both, QStringLiteral("Both"));
    Q_EMIT signal_changeToManual();
}

void EAdjustLevelItem::slot_clicked_maxItem()
{
    select(Max, QStringLiteral("Max"));
    Q_EMIT signal_changeToManual();
}

void EAdjustLevelItem::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    QFrame::keyPressEvent(event);
}

void EAdjustLevelItem::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect mode = m_modeButton->geometry();
    const QRect min = m_minButton->geometry();
    const QRect max = m_maxButton->geometry();
    auto around = [](const QRect &g) { return QRect(g.x() - 1, g.y() + 3, g.width() + 1, g.height() - 7); };
    switch (m_selection) {
    case Auto:
        painter.drawRect(around(mode));
        break;
    case Min:
        painter.drawRect(around(min));
        break;
    case Both:
        painter.drawRect(QRect(min.x() - 1, min.y() + 3, 3 * min.width() + 11, max.height() - 7));
        break;
    default:
        painter.drawRect(around(max));
        break;
    }
    painter.setPen(QColor(Qt::gray));
    painter.drawLine(min.x() - 5, min.y() + 3, min.x() - 5, min.height() - 2);
}
