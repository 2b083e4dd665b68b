#include "thumbmenu.h"

#include "filenamesystem.h"
#include "messagechannel.h"
#include "nativename.h"
#include "photosview.h"
#include "thumbstatus.h"
#include "thumbthread.h"
#include "thumbtoolwidget.h"
#include "thumitem.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSet>

#include <algorithm>
#include <unistd.h>

namespace {

// The GUI thread never waits longer for the thumbnail thread: it ends by
// itself after its photo in hand and is released once it has.
constexpr int ThreadWaitMs = 100;

int dateKey(QStringView name)
{
    bool ok = false;
    const int key = name.left(6).toInt(&ok);
    return ok ? key : 0;
}

// Newer day first, then the higher number.
bool displaysBefore(int dateA, int numberA, int dateB, int numberB)
{
    return dateA != dateB ? dateA > dateB : numberA > numberB;
}

} // namespace

ThumbMenu::ThumbMenu(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("ThumbMenu"));
    setFixedSize(320, 240);
    // The whole panel: a dialog would otherwise be centred on a larger screen.
    move(0, 0);
    setCursor(Qt::BlankCursor);
    setStyleSheet(QStringLiteral("ThumbMenu { background: black; } QLabel { color: white; }"));
    for (int n = 0; n < TilesPerPage; ++n) {
        const int x = 5 + 105 * (n % 3);
        const int y = n < 3 ? 5 : 101;
        auto *tile = new ThumItem(this);
        tile->setGeometry(x, y, 100, 75);
        tile->setThumItemFileName(QStringLiteral("item_%1").arg(n));
        auto *caption = new QLabel(this);
        caption->setGeometry(x, y + 75, 100, 15);
        caption->setFont(QFont(QStringLiteral("helvetica"), 10, QFont::Normal));
        caption->setAlignment(Qt::AlignCenter);
        // A name is never markup: "<b>" is three characters of it.
        caption->setTextFormat(Qt::PlainText);
        connect(tile, &ThumItem::clicked, this, &ThumbMenu::mouseClick);
        connect(tile, &ThumItem::mouseRelease, this, &ThumbMenu::mouseReleaseClick);
        m_tiles.append(tile);
        m_captions.append(caption);
    }
    m_thread = new ThumbThread(nullptr);
    connect(m_thread, &QThread::finished, this, &ThumbMenu::thumbThreadslots);
    m_status = new ThumbStatus(this);
    m_status->move(0, 0);
    m_status->hide();
    m_viewer = new PhotosView();
    connect(m_viewer, &PhotosView::prevphotosig, this, &ThumbMenu::getprevphotoslots);
    connect(m_viewer, &PhotosView::nextphotosig, this, &ThumbMenu::getnextphotoslots);
    connect(m_viewer, &PhotosView::deletephotosig, this, &ThumbMenu::deletephotoslots);
    m_viewer->setGeometry(0, 0, 320, 240);
    m_viewer->setCursor(Qt::BlankCursor);
    m_viewer->hide();
    m_toolWidget = new ThumbToolWidget(this);
    m_toolWidget->move(0, 200);
    m_toolWidget->show();
    connect(m_toolWidget, &ThumbToolWidget::exitButtonSignals, this, &ThumbMenu::toolWidgetExitButtonSlots);
    connect(m_toolWidget, &ThumbToolWidget::deleteModeSignals, this, &ThumbMenu::toolWidgetDeleteModeSlots);
    connect(m_toolWidget, &ThumbToolWidget::cancelDeleteModeSignals, this, &ThumbMenu::toolWidgetCancelModeSlots);
    connect(m_toolWidget, &ThumbToolWidget::deleteFileButtonSignals, this, &ThumbMenu::toolWidgetDeleteFileSlots);
    connect(m_toolWidget, &ThumbToolWidget::selectAllButtonSignals, this, &ThumbMenu::toolWidgetSelectAllSlots);
    connect(m_toolWidget, &ThumbToolWidget::unSelectAllButtonSignals, this, &ThumbMenu::toolWidgetUnSelectAllSlots);
}

ThumbMenu::~ThumbMenu()
{
    delete m_viewer;
    // Destroying a running thread aborts the process: it goes once it has
    // finished its photo in hand (deleteLater twice is harmless).
    disconnect(m_thread, nullptr, this, nullptr);
    m_thread->requestStop();
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    if (!m_thread->isRunning())
        m_thread->deleteLater();
}

QPushButton *ThumbMenu::exitButton() const
{
    return m_toolWidget->exitButton();
}

void ThumbMenu::browse()
{
    m_photos.clear();
    m_page = 0;
    findeFiles();
}

bool ThumbMenu::caseInsensitiveLessThan(const QFileInfo &a, const QFileInfo &b)
{
    const QString na = a.fileName();
    const QString nb = b.fileName();
    return displaysBefore(dateKey(na), FilenameSystem::numberOf(na), dateKey(nb), FilenameSystem::numberOf(nb));
}

namespace {

// Sorts stably into display order, each name's keys read once.
template <typename List, typename NameOf>
void sortByName(List &photos, NameOf nameOf)
{
    struct Keyed
    {
        int date;
        int number;
        int at;
    };
    std::vector<Keyed> keys;
    keys.reserve(size_t(photos.size()));
    for (int i = 0; i < photos.size(); ++i) {
        const QString name = nameOf(photos.at(i));
        keys.push_back(Keyed{dateKey(name), FilenameSystem::numberOf(name), i});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Keyed &a, const Keyed &b) {
        return displaysBefore(a.date, a.number, b.date, b.number);
    });
    List sorted;
    sorted.reserve(photos.size());
    for (const Keyed &k : keys)
        sorted.append(photos.at(k.at));
    photos = std::move(sorted);
}

} // namespace

void ThumbMenu::sortForDisplay(QList<QFileInfo> &photos)
{
    sortByName(photos, [](const QFileInfo &photo) { return photo.fileName(); });
}

void ThumbMenu::sortForDisplay(QStringList &paths)
{
    sortByName(paths, [](const QString &path) { return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1); });
}

void ThumbMenu::findeFiles()
{
    // Paths alone until a page shows them: a card holds tens of thousands.
    m_photos = ThumbThread::photoPathsOnCard();
    sortForDisplay(m_photos);
    m_thread->loadPhotoPaths(m_photos);
    m_thread->start();
    qWarning("%s %s %d count %d page %d", __FILE__, __func__, __LINE__, count(), m_page);
    updatePage();
}

void ThumbMenu::updatePage()
{
    const int remaining = count() - m_page * TilesPerPage;
    for (int t = 0; t < TilesPerPage; ++t) {
        ThumItem *tile = m_tiles.at(t);
        QLabel *caption = m_captions.at(t);
        const int position = m_page * TilesPerPage + t;
        if (t < remaining) {
            const QFileInfo photo = photoAt(position);
            tile->show();
            caption->show();
            tile->loadThumbnails(photo);
            caption->setText(NativeName::shown(photo.fileName()));
        } else {
            tile->hide();
            caption->hide();
        }
        tile->setDeleteImageFlag(t < remaining && m_selection.contains(m_photos.at(position)));
    }
    if (count() > 0) {
        m_status->hide();
    } else {
        m_status->UpdateStatus();
        m_status->show();
        m_toolWidget->raise();
    }
}

// ---- touch ----

ThumbMenu::Gesture ThumbMenu::gestureOf(int dx, int dy, bool onTile)
{
    if ((dx > 44 && qAbs(dy) <= 24) || (dy > 39 && qAbs(dx) <= 15))
        return NextPage;
    if ((dx < -44 && qAbs(dy) <= 24) || (dy < -39 && qAbs(dx) <= 15))
        return PreviousPage;
    if (qAbs(dx) <= 14 && qAbs(dy) <= 14 && onTile)
        return Tap;
    return None;
}

void ThumbMenu::mousepressanalysis(const QPoint &global, bool onTile)
{
    m_pressPos = global;
    m_pressed = true;
    m_pressOutside = !onTile;
}

void ThumbMenu::mouseReleaseanalysis(const QPoint &global)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    const int dx = m_pressPos.x() - global.x();
    const int dy = m_pressPos.y() - global.y();
    switch (gestureOf(dx, dy, !m_pressOutside)) {
    case NextPage:
        if (count() / TilesPerPage > m_page && count() != (m_page + 1) * TilesPerPage) {
            ++m_page;
            qWarning("%s %d next page %d", __func__, __LINE__, m_page);
            updatePage();
        }
        break;
    case PreviousPage:
        if (m_page > 0) {
            --m_page;
            qWarning("%s %d previous page %d", __func__, __LINE__, m_page);
            updatePage();
        }
        break;
    case Tap:
        tapOnTile();
        break;
    case None:
        break;
    }
}

void ThumbMenu::mouseClick(const QString &name)
{
    const int n = m_tiles.indexOf(qobject_cast<ThumItem *>(sender()));
    const ThumItem *tile = m_tiles.value(n >= 0 ? n : name.right(1).toInt());
    mousepressanalysis(tile ? tile->pressPos() : QPoint(), true);
}

void ThumbMenu::mouseReleaseClick(const QString &name)
{
    bool ok = false;
    const int n = name.right(1).toInt(&ok);
    if (!ok || n < 0 || n >= TilesPerPage)
        return;
    m_tile = n;
    mouseReleaseanalysis(m_tiles.at(n)->releasePos());
}

void ThumbMenu::mousePressEvent(QMouseEvent *event)
{
    mousepressanalysis(event->globalPosition().toPoint(), false);
}

void ThumbMenu::mouseReleaseEvent(QMouseEvent *event)
{
    mouseReleaseanalysis(event->globalPosition().toPoint());
}

void ThumbMenu::tapOnTile()
{
    const int position = m_page * TilesPerPage + m_tile;
    const QFileInfo photo = photoAt(position);
    if (!holds(position) || !NativeName::exists(photo.absoluteFilePath()))
        return;
    qWarning("%s %d tapped %s", __func__, __LINE__, qPrintable(photo.fileName()));
    if (!m_deleteMode) {
        m_viewer->loadImage(photo, position, count());
        m_viewer->startphototimer();
        m_viewer->hide();
        m_viewer->show();
        return;
    }
    ThumItem *tile = m_tiles.at(m_tile);
    const QString path = photo.absoluteFilePath();
    if (m_selection.removeAll(path) > 0) {
        tile->setDeleteImageFlag(false);
    } else {
        m_selection.append(path);
        tile->setDeleteImageFlag(true);
    }
}

void ThumbMenu::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        leave();
}

// ---- the viewer's requests ----

void ThumbMenu::setPosition(int position)
{
    m_page = position / TilesPerPage;
    m_tile = position % TilesPerPage;
}

void ThumbMenu::getnextphotoslots(int index)
{
    const QFileInfo photo = photoAt(index);
    if (holds(index) && NativeName::exists(photo.absoluteFilePath()))
        m_viewer->loadImage(photo, index, count());
    if (holds(index))
        setPosition(index);
    updatePage();
}

void ThumbMenu::getprevphotoslots(int index)
{
    if (!holds(index))
        return;
    m_viewer->loadImage(photoAt(index), index, count());
    setPosition(index);
    updatePage();
}

void ThumbMenu::deletephotoslots(int index)
{
    if (!holds(index))
        return;
    const QFileInfo photo = photoAt(index);
    const QString path = m_photos.at(index);
    if (NativeName::exists(path)) {
        qWarning("%s %d delete %s", __func__, __LINE__, qPrintable(photo.fileName()));
        QString error;
        const bool removed = NativeName::remove(path, &error);
        ::sync();
        // A photo still on the card stays listed: the viewer shows it again.
        if (!removed)
            qWarning("%s %d %s not deleted: %s", __func__, __LINE__, qPrintable(path), qPrintable(error));
    }
    if (!NativeName::exists(path)) {
        m_photos.removeOne(path);
    }
    if (count() == 0) {
        m_viewer->stopphototimer();
        m_viewer->hide();
        m_page = 0;
        m_tile = 0;
        updatePage();
        return;
    }
    const int position = qMin(index, count() - 1);
    setPosition(position);
    m_viewer->loadImage(photoAt(position), position, count());
    updatePage();
}

// ---- leaving ----

void ThumbMenu::stopThread(int waitMs)
{
    m_thread->requestStop();
    m_thread->wait(waitMs);
}

void ThumbMenu::thumbThreadslots()
{
    stopThread(ThreadWaitMs);
    if (m_thread->isRunning())
        qWarning("%s %d thumbnail thread still runs", __func__, __LINE__);
    ::sync();
}

void ThumbMenu::leave()
{
    thumbThreadslots();
    close();
    MessageChannel::send(QStringLiteral("emaininterface"), QStringLiteral("Imagephotos"));
}

void ThumbMenu::toolWidgetExitButtonSlots()
{
    leave();
}

// ---- delete mode ----

void ThumbMenu::toolWidgetDeleteModeSlots()
{
    m_deleteMode = true;
}

void ThumbMenu::toolWidgetSelectAllSlots()
{
    m_selection = m_photos;
    updatePage();
}

void ThumbMenu::toolWidgetUnSelectAllSlots()
{
    m_selection.clear();
    updatePage();
}

void ThumbMenu::toolWidgetCancelModeSlots()
{
    m_selection.clear();
    updatePage();
    m_deleteMode = false;
}

int ThumbMenu::deleteImageListFile()
{
    QSet<QString> deleted;
    for (const QString &path : std::as_const(m_selection)) {
        if (!NativeName::exists(path))
            continue;
        qWarning("%s %d delete %s", __func__, __LINE__, qPrintable(path));
        QString error;
        // Only a photo really gone leaves the list.
        if (NativeName::remove(path, &error))
            deleted.insert(path);
        else
            qWarning("%s %d %s not deleted: %s", __func__, __LINE__, qPrintable(path), qPrintable(error));
    }
    m_photos.removeIf([&deleted](const QString &path) { return deleted.contains(path); });
    m_selection.clear();
    return int(m_photos.size());
}

void ThumbMenu::toolWidgetDeleteFileSlots()
{
    const int left = deleteImageListFile();
    if (m_thread->isRunning())
        stopThread(ThreadWaitMs);
    m_page = left > 0 ? qMin(m_page, (left - 1) / TilesPerPage) : 0;
    updatePage();
    ::sync();
}
