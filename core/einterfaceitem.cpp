#include "einterfaceitem.h"

#include "qticonbutton.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {
const char *const TileBase = "color: rgba(255, 255, 255, 0); border: 0px solid rgba(255, 255, 255, 0);";
const char *const TileHover = "EInterfaceItem:pressed, EInterfaceItem:hover { background: rgba(255,0,0,66); border-style: outset;"
                              " border-width: 0px; border-radius: 0px; border-color: beige; }";

// The tile's own rule; the hover and pressed rule follows in the normal state.
QString tileSheet(const QString &extra)
{
    return QStringLiteral("EInterfaceItem { ") + QLatin1String(TileBase) + extra + QStringLiteral(" }");
}
} // namespace

QGridLayout *EInterfaceItem::tileGrid(QWidget *holder)
{
    auto *grid = new QGridLayout(holder);
    grid->setSpacing(15);
    grid->setContentsMargins(0, 0, 0, 0);
    return grid;
}

EInterfaceItem *EInterfaceItem::addTile(QGridLayout *grid, QWidget *menu, const QString &caption, const Spec &spec)
{
    auto *tile = new EInterfaceItem(menu);
    tile->setText(caption);
    tile->setObjectName(QLatin1String(spec.name));
    tile->setIconName(QLatin1String(spec.icon));
    tile->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(tile, spec.row, spec.column);
    return tile;
}

void EInterfaceItem::seeThrough(QWidget *menu)
{
    QPalette transparent = menu->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        transparent.setColor(group, QPalette::Window, QColor(0, 0, 0, 0));
    menu->setPalette(transparent);
    menu->setAttribute(Qt::WA_TranslucentBackground);
}

EInterfaceItem::EInterfaceItem(QWidget *parent)
    : QPushButton(parent)
    , m_icon(new QTIconButton(this))
    , m_caption(new QLabel(this))
{
    setFlat(true);
    setFixedSize(70, 60);
    setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(2, 2, 2, 2);
    m_icon->setFocusPolicy(Qt::NoFocus);
    m_caption->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_caption->setFixedHeight(20);
    m_caption->setMinimumWidth(25);
    m_caption->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    layout->addWidget(m_icon, 0, Qt::AlignCenter);
    layout->addWidget(m_caption, 0, Qt::AlignCenter);
    set_ImageButtonstate(Normal);
}

void EInterfaceItem::setText(const QString &text)
{
    m_caption->setText(text);
    setObjectName(text);
}

QString EInterfaceItem::text() const
{
    return m_caption->text();
}

void EInterfaceItem::setIconName(const QString &path)
{
    m_icon->set_IconName(path);
}

void EInterfaceItem::set_ImageButtonstate(int state)
{
    m_state = state;
    switch (state) {
    case Highlighted:
        setStyleSheet(tileSheet(QStringLiteral("border-width: 2px; border-style: solid; border-color: rgb(255,0,0);")));
        m_caption->setStyleSheet(QStringLiteral("color: rgb(16,16,16); border-radius: 6px;"
                                                "background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                                " stop:0 rgba(247,255,231,255), stop:0.872727 rgba(206,231,107,200));"));
        break;
    case Pressed:
        setStyleSheet(tileSheet(QStringLiteral("background-color: rgb(0,255,0);")));
        m_caption->setStyleSheet(QStringLiteral("color: rgba(255,255,255,255); background: rgba(0,255,0,255);"
                                                " border: none; border-radius: 0px;"));
        break;
    default:
        setStyleSheet(tileSheet(QStringLiteral("background: rgba(255, 255, 255, 0); color: darkred;")) + QLatin1String(TileHover));
        m_caption->setStyleSheet(QStringLiteral("color: rgba(255,255,255,255); background: rgba(0,0,255,66);"
                                                " border: none; border-radius: 0px;"));
        break;
    }
}

void EInterfaceItem::mousePressEvent(QMouseEvent *event)
{
    set_ImageButtonstate(Pressed);
    QPushButton::mousePressEvent(event);
    Q_EMIT press(objectName());
}

void EInterfaceItem::mouseReleaseEvent(QMouseEvent *event)
{
    set_ImageButtonstate(Normal);
    QPushButton::mouseReleaseEvent(event);
    Q_EMIT clicked(objectName());
}
