#include "eobjecttab.h"

#include "eanalysistab.h"
#include "eanalysiswidget.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eareawidget.h"
#include "elinewidget.h"
#include "espotwidget.h"
#include "etabitem.h"

#include <QFrame>
#include <QVBoxLayout>

EObjectTab::EObjectTab(Kind kind, const QStringList &texts, bool rightAligned, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const QString &text : texts) {
        if (!m_rows.isEmpty()) {
            auto *line = new QFrame(this);
            line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
            line->setFixedHeight(2);
            layout->addWidget(line);
        }
        auto *item = new ETabItem(text, this);
        connect(item, &ETabItem::clickedCheck, this, &EObjectTab::clickedCheckHandler);
        connect(item, &ETabItem::clickedMode, this, &EObjectTab::clickedModeHandler);
        connect(item, &ETabItem::clickedSetup, this, &EObjectTab::clickedSetupHandler);
        layout->addWidget(item);
        m_rows.append(item);
    }
    layout->addStretch();
    setStyleSheet(QStringLiteral("QLabel{color: rgb(255,255,255); background-color: gray; margin-left: 2px;%1}")
                      .arg(rightAligned ? QStringLiteral(" qproperty-alignment: AlignRight;") : QString()));
    readPara();
}

ETabItem *EObjectTab::row(int n) const
{
    return m_rows.value(n - 1);
}

bool EObjectTab::rowChecked(int n) const
{
    ETabItem *item = row(n);
    return item && item->checked();
}

void EObjectTab::setRowChecked(int n, bool on)
{
    if (ETabItem *item = row(n))
        item->setChecked(on);
}

void EObjectTab::readPara()
{
    const EGraphicsView *view = EGlobal::getGraphicsView();
    for (int n = 1; n <= count(); ++n) {
        bool shown = false;
        if (view) {
            switch (m_kind) {
            case Spot: shown = view->spotVisible[n - 1]; break;
            case Area: shown = view->areaVisible[n - 1]; break;
            case Line: shown = view->lineVisible[n - 1]; break;
            }
        }
        setRowChecked(n, shown);
    }
}

int EObjectTab::numberOf(const QString &text) const
{
    for (int n = 1; n <= count(); ++n) {
        if (row(n)->objectName() == text)
            return n;
    }
    return 0;
}

EAnalysisWidget *EObjectTab::object(int n) const
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (!view)
        return nullptr;
    switch (m_kind) {
    case Spot: return view->getSpotWidget(n);
    case Area: return view->getAreaWidget(n);
    case Line: return view->getLineWidget(n);
    }
    return nullptr;
}

void EObjectTab::clickedCheckHandler(const QString &text)
{
    qWarning(" test %s", qPrintable(text));
    const int n = numberOf(text);
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (!n)
        return;
    const bool show = !rowChecked(n);
    setRowChecked(n, show);
    if (view) {
        switch (m_kind) {
        case Spot: show ? view->showSpot(n, true) : view->hideSpot(n); break;
        case Area: show ? view->showArea(n, true) : view->hideArea(n); break;
        case Line: show ? view->showLine(n, true) : view->hideLine(n); break;
        }
    }
    row(n)->update();
}

void EObjectTab::prepareDialog(int n, bool highlightHidden)
{
    if (EAnalysisTab *panel = EGlobal::getAnalysisTab())
        panel->hide();
    EGraphicsView *view = EGlobal::getGraphicsView();
    EAnalysisWidget *target = object(n);
    if (!view || !target)
        return;
    if (view->currentFocusWidget() && view->currentFocusWidget() != target)
        view->clearCurrentFocusWidget();
    if (target->isVisibled()) {
        target->setHighlight(true);
        view->currentObject = target;
    } else if (highlightHidden) {
        target->setHighlight(true);
    }
}

void EObjectTab::clickedModeHandler(const QString &text)
{
    const int n = numberOf(text);
    if (!n)
        return;
    if (m_kind == Line)
        qWarning("line %d", n);
    prepareDialog(n, false);
    openModeDialog(n);
}

void EObjectTab::clickedSetupHandler(const QString &text)
{
    const int n = numberOf(text);
    if (!n)
        return;
    if (m_kind == Line)
        qWarning("line %d", n);
    prepareDialog(n, highlightHiddenForSetup());
    openSetupDialog(n);
}
