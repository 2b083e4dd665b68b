#include "edifftab.h"

#include "ediffsetup.h"
#include "eobjectsettings.h"
#include "etabitem.h"

#include <QFrame>
#include <QVBoxLayout>

#include <climits>

EDiffTab::EDiffTab(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_first = new ETabItem(tr("Diff 1"), this);
    m_second = new ETabItem(tr("Diff 2"), this);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Raised);
    line->setFixedHeight(2);
    line->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(m_first);
    layout->addWidget(line);
    layout->addWidget(m_second);
    layout->addStretch();
    setStyleSheet(QStringLiteral("QLabel{color: rgb(255,255,255); background-color: gray;"
                                 " qproperty-alignment: AlignRight; margin-left: 2px;}"));
    for (ETabItem *row : {m_first, m_second}) {
        row->removeMode();
        connect(row, &ETabItem::clickedCheck, this, &EDiffTab::clickedCheckHandler);
        connect(row, &ETabItem::clickedMode, this, &EDiffTab::clickedModeHandler);
        connect(row, &ETabItem::clickedSetup, this, &EDiffTab::clickedSetupHandler);
    }
}

bool EDiffTab::diffChecked(int i) const
{
    const ETabItem *r = row(i);
    return r && r->checked();
}

void EDiffTab::setDiffChecked(int i, bool on)
{
    if (ETabItem *r = row(i))
        r->setChecked(on);
}

void EDiffTab::readDiffPara(int n)
{
    EObjectSettings settings(QStringLiteral("Diff_%1").arg(n));
    settings.readInt(QStringLiteral("Type"), 0, INT_MIN, INT_MAX);
    settings.readReal(QStringLiteral("Level"), 25.0, -1e9, 1e9);
    settings.readReal(QStringLiteral("Width"), 1.0, -1e9, 1e9);
}

void EDiffTab::clickedCheckHandler(const QString &name)
{
    qWarning(" test %s", qPrintable(name));
    if (auto *r = findChild<ETabItem *>(name))
        r->update();
}

void EDiffTab::clickedModeHandler(const QString &name)
{
    qWarning(" clicked setup handler test %s", qPrintable(name));
}

void EDiffTab::clickedSetupHandler(const QString &name)
{
    qWarning(" clicked setup handler test %s", qPrintable(name));
    auto *r = findChild<ETabItem *>(name);
    EDiffSetup *setup = EDiffSetup::instance();
    if (r == m_first)
        setup->setDiffID(1);
    else if (r == m_second)
        setup->setDiffID(2);
    setup->setVisible(false);
    setup->setVisible(true);
    setup->move(0, 240 - setup->height());
}
