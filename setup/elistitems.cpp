#include "elistitems.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "esetupitem.h"
#include "esetuptitle.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const s_style =
    "QPushButton:pressed { background-color: rgb(1, 103, 233); }"
    "QPushButton { text-align: left; color: white; background-color: rgb(255, 0, 0); padding-top: -4px; }";

} // namespace

EListItems::EListItems(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_titleBar = new ESetupTitle(this);
    m_titleBar->setText(tr("Settings"));
    m_titleBar->setObjectName(QStringLiteral("Settings"));
    m_titleBar->setFixedHeight(24);

    m_generalItem = new ESetupItem(tr("General"), QStringLiteral(":images/config.bmp"), this);
    m_controlItem = new ESetupItem(tr("Control"), QStringLiteral(":images/setup_misc.png"), this);
    m_photosItem = new ESetupItem(tr("Photos"), QStringLiteral(":images/photos.bmp"), this);
    m_dateTimeItem = new ESetupItem(tr("Date & Time"), QStringLiteral(":images/time.png"), this);
    m_infoItem = new ESetupItem(tr("Info"), QStringLiteral(":images/info.png"), this);

    layout->addWidget(m_titleBar);
    for (ESetupItem *item : {m_generalItem, m_controlItem, m_photosItem, m_dateTimeItem, m_infoItem}) {
        auto *line = new QFrame(this);
        line->setObjectName(QStringLiteral("Line"));
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setFixedHeight(2);
        line->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        layout->addWidget(item);
        layout->addWidget(line);
        connect(item, QOverload<const QString &>::of(&ESetupItem::clicked), this, &EListItems::clickedHandler);
    }
    layout->addStretch();

    m_currentItem = m_generalItem;
    m_currentItem->setHighlight(true);

    m_backButton = new QPushButton(this);
    m_backButton->setObjectName(QStringLiteral("Back"));
    m_backButton->setFlat(true);
    m_backButton->setFocusPolicy(Qt::NoFocus);
    m_backButton->setIcon(QIcon(QStringLiteral(":/images/setup_cancel.png")));
    m_backButton->setIconSize(QSize(48, 48));
    layout->addWidget(m_backButton);
    connect(m_backButton, &QPushButton::pressed, this, &EListItems::cancelPressedHandler);
    connect(m_backButton, &QPushButton::released, this, &EListItems::cancelReleasedHandler);

    setStyleSheet(QLatin1String(s_style));
}

void EListItems::setItemHighLight()
{
    m_currentItem->setHighlight(true);
}

void EListItems::clickedHandler(const QString &name)
{
    // A page's dialog is up: the page under it stays.
    if (EGraphicsView::setupDialogUp())
        return;
    m_currentItem->setHighlight(false);
    ESetupItem *const entries[] = {m_generalItem, m_controlItem, m_photosItem, m_dateTimeItem, m_infoItem};
    for (int index = 0; index < 5; ++index) {
        if (name == entries[index]->objectName()) {
            Q_EMIT pageChanged(index);
            m_currentItem = entries[index];
            break;
        }
    }
    m_currentItem->setHighlight(true);
}

void EListItems::cancelPressedHandler()
{
    m_currentItem->setHighlight(false);
}

void EListItems::cancelReleasedHandler()
{
    if (EGraphicsView::setupDialogUp())
        return;
    if (QWidget *window = parentWidget())
        window->close();
}
