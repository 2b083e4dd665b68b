#include "pagelist.h"

#include "esetupitem.h"
#include "esetuptitle.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const s_style =
    "QPushButton:pressed { background-color: rgb(1, 103, 233); }"
    "QPushButton { text-align: left; color: white; background-color: rgb(255, 0, 0); padding-top: -4px; }";
}

PageList::PageList(const QString &caption, const QStringList &rows, QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setObjectName(QStringLiteral("ListItem"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_title = new ESetupTitle(this);
    m_title->setText(caption);
    m_title->setObjectName(QStringLiteral("Settings"));
    m_title->setFixedHeight(24);
    layout->addWidget(m_title);
    for (const QString &text : rows) {
        auto *row = new ESetupItem(text, QString(), this);
        row->removePixmap();
        auto *line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line"));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setFixedHeight(2);
        layout->addWidget(row);
        layout->addWidget(line);
        connect(row, QOverload<const QString &>::of(&ESetupItem::clicked), this, &PageList::clickedHandler);
        m_rows.append(row);
    }
    layout->addStretch();
    if (!m_rows.isEmpty()) {
        m_rows.first()->setFocusPolicy(Qt::NoFocus);
        m_current = m_rows.first();
        m_current->setHighlight(true);
    }
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_cancel->setFlat(true);
    m_cancel->setFocusPolicy(Qt::NoFocus);
    m_cancel->setIcon(QIcon(QStringLiteral(":/images/setup_cancel.png")));
    m_cancel->setIconSize(QSize(48, 48));
    layout->addWidget(m_cancel);
    connect(m_cancel, &QPushButton::pressed, this, &PageList::cancelPressedHandler);
    connect(m_cancel, &QPushButton::released, this, &PageList::cancelReleasedHandler);
    setStyleSheet(QLatin1String(s_style));
}

void PageList::setCurrentItem(int index)
{
    if (index < 0 || index >= m_rows.size())
        return;
    // One highlight: the row left current last time loses its own.
    for (ESetupItem *row : m_rows)
        row->setHighlight(false);
    m_current = m_rows.at(index);
    m_current->setHighlight(true);
    Q_EMIT pageChanged(index);
}

void PageList::clickedHandler(const QString &name)
{
    if (m_current)
        m_current->setHighlight(false);
    for (int index = 0; index < m_rows.size(); ++index) {
        if (name == m_rows.at(index)->objectName()) {
            Q_EMIT pageChanged(index);
            m_current = m_rows.at(index);
            break;
        }
    }
    if (m_current)
        m_current->setHighlight(true);
}

void PageList::cancelPressedHandler()
{
    if (m_current)
        m_current->setHighlight(false);
}

void PageList::cancelReleasedHandler()
{
    Q_EMIT closeRequested();
}
