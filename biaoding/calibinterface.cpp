#include "calibinterface.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "einterfaceitem.h"
#include "fpga.h"
#include "ircorelink.h"
#include "ircoremainwindow.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

namespace {
struct Tile
{
    EInterfaceItem::Spec spec;
    int page; // the dispatcher's page; 0: the menu's own path
};

// The icon paths as the tiles name them; the resource system reads both
// forms of the prefix alike.
const Tile Tiles[] = {
    {{0, 0, QT_TRANSLATE_NOOP("CalibInterface", "Calib"), "Calib", ":images/biaoding/calib.png"}, 1},
    {{0, 1, QT_TRANSLATE_NOOP("CalibInterface", "Modify"), "Modify", ":/images/biaoding/modify.png"}, 2},
    {{0, 2, QT_TRANSLATE_NOOP("CalibInterface", "IR Core"), "Update", ":images/biaoding/update.png"}, 0},
    {{1, 0, QT_TRANSLATE_NOOP("CalibInterface", "P/N"), "PN", ":images/biaoding/para.png"}, 4},
    {{1, 1, QT_TRANSLATE_NOOP("CalibInterface", "Mix"), "Mix", ":images/biaoding/mix.png"}, 5},
    {{1, 2, QT_TRANSLATE_NOOP("CalibInterface", "Settings"), "Settings", ":images/biaoding/config.bmp"}, 6},
};
} // namespace

CalibInterface::CalibInterface(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(QStringLiteral("CalibInterface"));
    resize(320, 224);
    // The live picture stays visible around the tiles.
    EInterfaceItem::seeThrough(this);

    m_title = new QLabel(this);
    m_title->setGeometry(10, 5, 300, 20);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setStyleSheet(QStringLiteral("QLabel{color:rgb(255,255,255);}"));
    m_title->setText(tr("Engine Set Dialog"));
    // Keys reach the menu through its focused title.
    m_title->setFocusPolicy(Qt::StrongFocus);

    m_container = new QLabel(this);
    m_container->setGeometry(30, 30, 260, 170);
    QGridLayout *grid = EInterfaceItem::tileGrid(m_container);
    for (int i = 0; i < 6; ++i)
        m_tiles[i] = EInterfaceItem::addTile(grid, this, tr(Tiles[i].spec.caption), Tiles[i].spec);
    for (EInterfaceItem *tile : m_tiles) {
        connect(tile, qOverload<const QString &>(&EInterfaceItem::clicked), this, &CalibInterface::mouseClicked);
    }

    m_note = new QLabel(this);
    m_note->setGeometry(10, 202, 300, 20);
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setStyleSheet(QStringLiteral("QLabel{color:rgb(255,80,80);}"));
}

CalibInterface::~CalibInterface() = default;

IRCoreMainWindow *CalibInterface::coreWindow() const
{
    return m_coreWindow;
}

QStringList CalibInterface::itemNames()
{
    QStringList names;
    for (const Tile &t : Tiles)
        names << QLatin1String(t.spec.name);
    return names;
}

EInterfaceItem *CalibInterface::item(const QString &name) const
{
    for (EInterfaceItem *tile : m_tiles) {
        if (tile->objectName() == name)
            return tile;
    }
    return nullptr;
}

void CalibInterface::mouseClicked(const QString &name)
{
    // Exact names only: an empty one would match any child.
    EInterfaceItem *tile = name.isEmpty() ? nullptr : item(name);
    int index = -1;
    for (int i = 0; i < 6; ++i) {
        if (tile && m_tiles[i] == tile)
            index = i;
    }
    if (index < 0)
        return;
    m_note->clear();
    if (Tiles[index].page == 0) {
        openCoreWindow();
        return;
    }
    hide();
    if (index == 0)
        qWarning("Calib===Item clicked");
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_TYPE(Tiles[index].page), true);
}

void CalibInterface::openCoreWindow()
{
    // The core's own link replaces our serial line while the window is up;
    // a link that does not open leaves the menu and the port as they were.
    if (!IRCoreLink::open()) {
        m_note->setText(QStringLiteral("IR Core open failed!"));
        return;
    }
    hide();
    if (!m_coreWindow)
        m_coreWindow = new IRCoreMainWindow(this, nullptr, Qt::WindowFlags());
    m_coreWindow->setGeometry(0, 0, 320, 240);
    m_coreWindow->show();
    m_coreWindow->raise();
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->clearScreen(true);
}

void CalibInterface::mainInterface_received(const QString &message, const QByteArray &)
{
    if (message != QLatin1String("Imagephotos"))
        return;
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setVisibled(true);
}

void CalibInterface::keyPressEvent(QKeyEvent *)
{
    // Swallowed: Escape included, no key closes or changes the menu.
    qWarning("%s keypress event", "biaoding/calibinterface");
}
