#include "eicontabbar.h"

#include "etabwidget.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QSpacerItem>

namespace {
// Inclusive x ranges on the bar's top 32 rows, in page order.
const int s_zones[EIconTabBar::PageCount][2] = {{0, 50}, {53, 103}, {105, 155}, {158, 210}};
}

EIconTabBar::EIconTabBar(const Tab (&tabs)[PageCount], int leadingSpace, QWidget *parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
{
    setFixedHeight(32);
    setObjectName(QStringLiteral("TabBar"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (leadingSpace > 0)
        layout->addSpacerItem(new QSpacerItem(leadingSpace, 2, QSizePolicy::Fixed, QSizePolicy::Fixed));
    for (int page = 0; page < PageCount; ++page) {
        auto *button = new ETabWidget(this);
        button->setObjectName(QLatin1String(tabs[page].name));
        const QString picture = QLatin1String(tabs[page].picture);
        button->setBigPixmap(QPixmap(QStringLiteral(":/images/%1_big.png").arg(picture)));
        button->setSmallPixmap(QPixmap(QStringLiteral(":/images/%1_small.png").arg(picture)));
        connect(button, &ETabWidget::clicked, this, &EIconTabBar::clickedHandler);
        layout->addWidget(button);
        m_tabs[page] = button;
    }
    m_openTab = m_tabs[0];
    m_openTab->setOpen(true);
}

ETabWidget *EIconTabBar::tab(int page) const
{
    return page >= 0 && page < PageCount ? m_tabs[page] : nullptr;
}

int EIconTabBar::pageAt(const QPoint &pos)
{
    if (pos.y() < 0 || pos.y() > 31)
        return -1;
    for (int page = 0; page < PageCount; ++page) {
        if (pos.x() >= s_zones[page][0] && pos.x() <= s_zones[page][1])
            return page;
    }
    return -1;
}

void EIconTabBar::clickedHandler(const QString &name)
{
    auto *found = findChild<ETabWidget *>(name);
    m_openTab->setOpen(false);
    for (int page = 0; page < PageCount; ++page) {
        if (found && found == m_tabs[page]) {
            m_openTab = found;
            Q_EMIT pageChanged(page);
            break;
        }
    }
    // An unknown name reopens the tab that was open.
    m_openTab->setOpen(true);
}

void EIconTabBar::mousePressEvent(QMouseEvent *event)
{
    if (ETabWidget *hit = tab(pageAt(event->position().toPoint())))
        clickedHandler(hit->objectName());
}

void EIconTabBar::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(rect(), QPixmap(QStringLiteral(":/images/tabbar.png")));
}
