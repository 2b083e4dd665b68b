#include "eimagetabbar.h"

#include "etabwidget.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QSpacerItem>

namespace {
struct HitZone
{
    int left;
    int right;
    const char *name;
};
// Inclusive x ranges on the bar's top 32 rows, in page order.
const HitZone s_zones[] = {
    {0, 50, "ImagePip"},
    {53, 103, "ImagePalette"},
    {105, 155, "ImageMode"},
    {158, 210, "Setting"},
};
}

EImageTabBar::EImageTabBar(QWidget *parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
{
    setFixedHeight(32);
    setObjectName(QStringLiteral("TabBar"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addSpacerItem(new QSpacerItem(2, 2, QSizePolicy::Fixed, QSizePolicy::Fixed));
    m_pipTab = makeTab(QStringLiteral("ImagePip"), QStringLiteral("imagepip"));
    m_paletteTab = makeTab(QStringLiteral("ImagePalette"), QStringLiteral("imagepalette"));
    m_modeTab = makeTab(QStringLiteral("ImageMode"), QStringLiteral("imageadjust"));
    m_settingTab = makeTab(QStringLiteral("Setting"), QStringLiteral("setting"));
    for (ETabWidget *tab : {m_pipTab, m_paletteTab, m_modeTab, m_settingTab})
        layout->addWidget(tab);
    m_openTab = m_pipTab;
    m_openTab->setOpen(true);
}

ETabWidget *EImageTabBar::makeTab(const QString &name, const QString &picture)
{
    auto *tab = new ETabWidget(this);
    tab->setObjectName(name);
    tab->setBigPixmap(QPixmap(QStringLiteral(":/images/%1_big.png").arg(picture)));
    tab->setSmallPixmap(QPixmap(QStringLiteral(":/images/%1_small.png").arg(picture)));
    connect(tab, &ETabWidget::clicked, this, &EImageTabBar::clickedHandler);
    return tab;
}

ETabWidget *EImageTabBar::tab(int page) const
{
    switch (page) {
    case 0: return m_pipTab;
    case 1: return m_paletteTab;
    case 2: return m_modeTab;
    case 3: return m_settingTab;
    default: return nullptr;
    }
}

QString EImageTabBar::zoneAt(const QPoint &pos)
{
    if (pos.y() < 0 || pos.y() > 31)
        return QString();
    for (const HitZone &zone : s_zones) {
        if (pos.x() >= zone.left && pos.x() <= zone.right)
            return QLatin1String(zone.name);
    }
    return QString();
}

void EImageTabBar::clickedHandler(const QString &name)
{
    auto *found = findChild<ETabWidget *>(name);
    m_openTab->setOpen(false);
    for (int page = 0; page < 4; ++page) {
        if (found && found == tab(page)) {
            m_openTab = found;
            Q_EMIT pageChanged(page);
            break;
        }
    }
    m_openTab->setOpen(true);
}

void EImageTabBar::mousePressEvent(QMouseEvent *event)
{
    const QString name = zoneAt(event->position().toPoint());
    if (!name.isEmpty())
        clickedHandler(name);
}

void EImageTabBar::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(rect(), QPixmap(QStringLiteral(":/images/tabbar.png")));
}
