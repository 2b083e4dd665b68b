#include "eareamode.h"

#include "echeckitem.h"
#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "etitle.h"

namespace {
EAreaWidget *areaOf(int n)
{
    const EGraphicsView *view = EGlobal::getGraphicsView();
    return view ? view->getAreaWidget(n) : nullptr;
}

// The switch of row 0 (Max), 1 (Min) or 2 (Averg).
int &switchOf(Area_Mode_t &mode, int row)
{
    return row == 0 ? mode.max : row == 1 ? mode.min : mode.avg;
}
}

EAreaMode::EAreaMode(QWidget *parent, Qt::WindowFlags flags)
    : EModeDialog(parent, flags)
{
    buildCheckRows({tr(" Max"), tr(" Min"), tr(" Averg")});
    m_title->setText(tr("Area %1 Mode").arg(m_number));
}

void EAreaMode::setAreaID(int n)
{
    m_number = n;
    m_title->setText(tr("Area %1 Mode").arg(n));
}

void EAreaMode::showEvent(QShowEvent *event)
{
    EAreaWidget *area = areaOf(m_number);
    for (int i = 0; i < m_rows.size(); ++i)
        m_rows.at(i)->setChecked(area && switchOf(area->mode(), i) == 1);
    EModeDialog::showEvent(event);
}

void EAreaMode::clickedCheckHandler(const QString &text)
{
    qWarning(" test %s", qPrintable(text));
    auto *row = findChild<ECheckItem *>(text);
    EAreaWidget *area = areaOf(m_number);
    if (!row || !area)
        return;
    Area_Mode_t mode = area->mode();
    const bool on = !row->checked();
    row->setChecked(on);
    switchOf(mode, int(m_rows.indexOf(row))) = on ? 1 : 0;
    area->setMode(mode);
}
