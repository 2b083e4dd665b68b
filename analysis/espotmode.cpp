#include "espotmode.h"

#include "eanalysistab.h"
#include "echeckitem.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "espottab.h"
#include "espotwidget.h"
#include "etitle.h"

ESpotMode::ESpotMode(QWidget *parent, Qt::WindowFlags flags)
    : EModeDialog(parent, flags)
{
    buildCheckRows({tr(" Manual"), tr(" Max"), tr(" Min")});
    m_title->setText(tr("Spot %1 Mode").arg(m_number));
    m_current = m_rows.at(0);
}

void ESpotMode::setSpotID(int n)
{
    m_number = n;
    m_title->setText(tr("Spot %1 Mode").arg(n));
}

void ESpotMode::showEvent(QShowEvent *event)
{
    for (ECheckItem *row : std::as_const(m_rows))
        row->setChecked(false);
    const EGraphicsView *view = EGlobal::getGraphicsView();
    if (ESpotWidget *spot = view ? view->getSpotWidget(m_number) : nullptr) {
        const int mode = spot->mode();
        if (mode >= 0 && mode < m_rows.size()) {
            m_current = m_rows.at(mode);
            m_current->setChecked(true);
        }
    }
    EModeDialog::showEvent(event);
}

void ESpotMode::clickedCheckHandler(const QString &text)
{
    qWarning(" test %s", qPrintable(text));
    auto *row = findChild<ECheckItem *>(text);
    // A spot mode cannot be unticked, only replaced.
    if (!row || row == m_current)
        return;
    if (m_current->checked())
        m_current->setChecked(false);
    m_current = row;
    if (row->checked()) {
        row->setChecked(false);
        return;
    }
    row->setChecked(true);
    EGraphicsView *view = EGlobal::getGraphicsView();
    ESpotWidget *spot = view ? view->getSpotWidget(m_number) : nullptr;
    if (!spot)
        return;
    EAnalysisTab *panel = EGlobal::getAnalysisTab();
    if (spot->mode() == -1 && panel && panel->spotPage()->spotChecked(m_number))
        view->showSpot(m_number, true);
    spot->setMode(int(m_rows.indexOf(row)));
}
