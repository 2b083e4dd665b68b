#include "emodedialog.h"

#include "eanalysistab.h"
#include "echeckitem.h"
#include "eglobal.h"
#include "eseparator.h"
#include "etitle.h"

#include <QKeyEvent>
#include <QVBoxLayout>

EModeDialog::EModeDialog(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setWindowModality(Qt::WindowModal);
    setFixedSize(210, 180);
    m_title = new ETitle(this);
    m_title->setFixedHeight(32);
    connect(m_title, &ETitle::cancel, this, &EModeDialog::closeHandler);
}

void EModeDialog::buildCheckRows(const QStringList &texts)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    for (const QString &text : texts) {
        if (!m_rows.isEmpty())
            layout->addWidget(new ESeparator(this));
        auto *row = new ECheckItem(text, this, 0);
        row->setFixedHeight(48);
        connect(row, qOverload<const QString &>(&ECheckItem::clicked), this, &EModeDialog::clickedCheckHandler);
        layout->addWidget(row);
        m_rows.append(row);
    }
    layout->addStretch();
    setStyleSheet(QStringLiteral(" QWidget{background-color: rgba(0,0,0,5);}\t"));
    // Its almost transparent background lets the live picture through.
    setAttribute(Qt::WA_TranslucentBackground);
}

void EModeDialog::closeHandler()
{
    close();
    if (EAnalysisTab *panel = EGlobal::getAnalysisTab())
        panel->setVisible(true);
    store();
}

void EModeDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return;
    // Escape keeps what Cancel keeps, so the object does not fall back to
    // an older stored state at the next start; only the panel stays hidden.
    store();
    close();
}
