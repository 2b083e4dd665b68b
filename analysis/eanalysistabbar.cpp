#include "eanalysistabbar.h"

#include "etabwidget.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>

namespace {
struct HitZone
{
    int left;
    int right;
    const char *name;
    const char *picture;
};
// Inclusive x ranges on the bar's top 32 rows, in page order.
const HitZone s_zones[] = {
    {0, 50, "Spot", "spot"},
    {53, 103, "Line", "line"},
    {105, 155, "Area", "area"},
    {158, 210, "Setting", "setting"},
};
}

EAnalysisTabBar::EAnalysisTabBar(QWidget *parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
{
    setFixedSize(210, 32);
    setObjectName(QStringLiteral("TabBar"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int page = 0; page < 4; ++page) {
        m_tabs[page] = makeTab(QLatin1String(s_zones[page].name), QLatin1String(s_zones[page].picture));
        layout->addWidget(m_tabs[page]);
    }
    m_openTab = m_tabs[0];
    m_openTab->setOpen(true);
}

ETabWidget *EAnalysisTabBar::makeTab(const QString &name, const QString &picture)
{
    auto *tab = new ETabWidget(this);
    tab->setObjectName(name);
    tab->setBigPixmap(QPixmap(QStringLiteral(":/images/%1_big.png").arg(picture)));
    tab->setSmallPixmap(QPixmap(QStringLiteral(":/images/%1_small.png").arg(picture)));
    connect(tab, &ETabWidget::clicked, this, &EAnalysisTabBar::clickedHandler);
    return tab;
}

ETabWidget *EAnalysisTabBar::tab(int page) const
{
    return page >= 0 && page < 4 ? m_tabs[page] : nullptr;
}

QString EAnalysisTabBar::zoneAt(const QPoint &pos)
{
    if (pos.y() < 0 || pos.y() > 31)
        return QString();
    for (const HitZone &zone : s_zones) {
        if (pos.x() >= zone.left && pos.x() <= zone.right)
            return QLatin1String(zone.name);
    }
    return QString();
}

void EAnalysisTabBar::clickedHandler(const QString &name)
{
    auto *found = findChild<ETabWidget *>(name);
    m_openTab->setOpen(false);
    for (int page = 0; page < 4; ++page) {
        if (found && found == m_tabs[page]) {
            m_openTab = found;
            Q_EMIT pageChanged(page);
            break;
        }
    }
    // An unknown name reopens the tab that was open.
    m_openTab->setOpen(true);
}

void EAnalysisTabBar::mousePressEvent(QMouseEvent *event)
{
    const QString name = zoneAt(event->position().toPoint());
    if (!name.isEmpty())
        clickedHandler(name);
}

void EAnalysisTabBar::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(rect(), QPixmap(QStringLiteral(":/images/tabbar.png")));
}
