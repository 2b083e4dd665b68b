// The photo browser: display order, swipe thresholds, page fill, the note
// marks, delete mode and the viewer's follow-up, leaving, and teardown
// while the thumbnail thread is busy.
#include "eglobal.h"
#include "etoolwidget.h"
#include "messagechannel.h"
#include "nativename.h"
#include "paths.h"
#include "photofixture.h"
#include "photomessagebox.h"
#include "photosview.h"
#include "thumbcache.h"
#include "thumbmenu.h"
#include "thumbstatus.h"
#include "thumbthread.h"
#include "thumbtoolwidget.h"
#include "thumitem.h"
#include "testroot.h"

#include <QBuffer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

class TstThumbBrowser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void displayOrder_data();
    void displayOrder();
    void gestures_data();
    void gestures();
    void pagesOfTwelveAndThirteen();
    void swipesByTouch();
    void marksFromTheTrailer();
    void placeholderUntilTheThumbnailExists();
    void emptyNotices();
    void tapTwiceInDeleteMode();
    void selectAllAndDelete();
    void bulkDeleteKeepsThePage();
    void bulkDeleteInASubFolder();
    void unusualNamesShownAndDeleted_data();
    void unusualNamesShownAndDeleted();
    void photoThatCannotBeDeletedStaysListed();
    void onlyTheCardsOwnJpegsAreRead_data();
    void onlyTheCardsOwnJpegsAreRead();
    void listingLeavesOutWhatIsNoPhoto_data();
    void listingLeavesOutWhatIsNoPhoto();
    void viewerFollowUp();
    void deletingTheLastPhotoFromTheViewer();
    void escapeLeaves();
    void teardownWhileTheThreadDecodes();

private:
    QStringList writePhotos(int n, const QString &folder = QStringLiteral("/media/mmc/image/"));
    ThumbMenu *open();
    void swipe(QWidget *on, const QPoint &from, const QPoint &to);
    void tap(QWidget *on);

    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<EToolWidget> m_bar;
    std::unique_ptr<ThumbMenu> m_menu;
};

void TstThumbBrowser::init()
{
    m_root = std::make_unique<TestRoot>();
    m_bar = std::make_unique<EToolWidget>();
    m_bar->displaySDCard(true);
    EGlobal::setToolBar(m_bar.get());
}

void TstThumbBrowser::cleanup()
{
    if (m_menu)
        m_menu->thumbThread()->wait(20000);
    m_menu.reset();
    EGlobal::setToolBar(nullptr);
    m_bar.reset();
    m_root.reset();
}

QStringList TstThumbBrowser::writePhotos(int n, const QString &folder)
{
    QStringList names;
    const QByteArray bytes = PhotoFixture::serviceFile(PhotoFixture::jpeg(QColor(90, 90, 200), QSize(64, 48)));
    for (int i = 0; i < n; ++i) {
        const QString name = QStringLiteral("181214_%1T.jpg").arg(i + 1, 4, 10, QLatin1Char('0'));
        m_root->writeFile(folder + name, bytes);
        names.prepend(name);
    }
    return names; // display order
}

ThumbMenu *TstThumbBrowser::open()
{
    m_menu = std::make_unique<ThumbMenu>(nullptr);
    m_menu->browse();
    m_menu->show();
    return m_menu.get();
}

void TstThumbBrowser::swipe(QWidget *on, const QPoint &from, const QPoint &to)
{
    QTest::mousePress(on, Qt::LeftButton, {}, from);
    QTest::mouseRelease(on, Qt::LeftButton, {}, to);
}

void TstThumbBrowser::tap(QWidget *on)
{
    QTest::mouseClick(on, Qt::LeftButton, {}, QPoint(50, 37));
}

void TstThumbBrowser::displayOrder_data()
{
    QTest::addColumn<QStringList>("scanned");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("days then numbers") << QStringList{"181213_0009T.jpg", "181214_0001T.jpg", "181214_0002P.jpg"}
                                       << QStringList{"181214_0002P.jpg", "181214_0001T.jpg", "181213_0009T.jpg"};
    QTest::newRow("not a date last") << QStringList{"notes.jpg", "181213_0001T.jpg"}
                                     << QStringList{"181213_0001T.jpg", "notes.jpg"};
    QTest::newRow("five digits") << QStringList{"181214_1000T.jpg", "181214_10000T.jpg", "181214_9999T.jpg"}
                                 << QStringList{"181214_10000T.jpg", "181214_9999T.jpg", "181214_1000T.jpg"};
    QTest::newRow("equal keys keep scan order") << QStringList{"181214_0005M.jpg", "181214_0005T.jpg", "181214_0005P.jpg"}
                                                << QStringList{"181214_0005M.jpg", "181214_0005T.jpg", "181214_0005P.jpg"};
    QTest::newRow("letters play no part") << QStringList{"ABCDEF_0002T.jpg", "abcdef_0001T.jpg"}
                                          << QStringList{"ABCDEF_0002T.jpg", "abcdef_0001T.jpg"};
}

void TstThumbBrowser::displayOrder()
{
    QFETCH(QStringList, scanned);
    QFETCH(QStringList, shown);
    QList<QFileInfo> photos;
    for (const QString &name : scanned)
        photos.append(QFileInfo(QStringLiteral("/x/") + name));
    ThumbMenu::sortForDisplay(photos);
    QStringList names;
    for (const QFileInfo &f : photos)
        names << f.fileName();
    QCOMPARE(names, shown);
    // The relation agrees with the sort.
    for (int i = 0; i + 1 < photos.size(); ++i)
        QVERIFY(!ThumbMenu::caseInsensitiveLessThan(photos.at(i + 1), photos.at(i)));
}

void TstThumbBrowser::gestures_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("onTile");
    QTest::addColumn<int>("gesture");
    QTest::newRow("left 45 drift 24") << 45 << 24 << true << int(ThumbMenu::NextPage);
    QTest::newRow("left 45 drift 25") << 45 << 25 << true << int(ThumbMenu::None);
    QTest::newRow("left 44") << 44 << 0 << true << int(ThumbMenu::None);
    QTest::newRow("right 45") << -45 << -24 << false << int(ThumbMenu::PreviousPage);
    QTest::newRow("up 40") << 15 << 40 << true << int(ThumbMenu::NextPage);
    QTest::newRow("up 40 drift 16") << 16 << 40 << true << int(ThumbMenu::None);
    QTest::newRow("down 40") << 0 << -40 << true << int(ThumbMenu::PreviousPage);
    QTest::newRow("tap 14") << 14 << 14 << true << int(ThumbMenu::Tap);
    QTest::newRow("move 15") << 15 << 15 << true << int(ThumbMenu::None);
    QTest::newRow("tap beside tiles") << 0 << 0 << false << int(ThumbMenu::None);
}

void TstThumbBrowser::gestures()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, onTile);
    QFETCH(int, gesture);
    QCOMPARE(int(ThumbMenu::gestureOf(dx, dy, onTile)), gesture);
}

void TstThumbBrowser::pagesOfTwelveAndThirteen()
{
    writePhotos(12);
    ThumbMenu *menu = open();
    QCOMPARE(menu->count(), 12);
    for (int t = 0; t < 6; ++t)
        QVERIFY(menu->tile(t)->isVisible() && menu->caption(t)->isVisible());
    QCOMPARE(menu->caption(0)->text(), QStringLiteral("181214_0012T.jpg"));
    swipe(menu, QPoint(200, 190), QPoint(100, 190));
    QCOMPARE(menu->page(), 1);
    QCOMPARE(menu->caption(5)->text(), QStringLiteral("181214_0001T.jpg"));
    swipe(menu, QPoint(200, 190), QPoint(100, 190));
    QCOMPARE(menu->page(), 1); // no third page, no wrap

    m_menu.reset();
    writePhotos(13);
    menu = open();
    swipe(menu, QPoint(200, 190), QPoint(100, 190));
    swipe(menu, QPoint(200, 190), QPoint(100, 190));
    QCOMPARE(menu->page(), 2);
    QVERIFY(menu->tile(0)->isVisible() && menu->caption(0)->isVisible());
    QCOMPARE(menu->caption(0)->text(), QStringLiteral("181214_0001T.jpg"));
    for (int t = 1; t < 6; ++t)
        QVERIFY(!menu->tile(t)->isVisible() && !menu->caption(t)->isVisible());
    swipe(menu, QPoint(100, 190), QPoint(200, 190));
    QCOMPARE(menu->page(), 1);
}

void TstThumbBrowser::swipesByTouch()
{
    writePhotos(7);
    ThumbMenu *menu = open();
    // A swipe that starts on a tile pages too, and is no tap.
    swipe(menu->tile(2), QPoint(80, 30), QPoint(20, 40));
    QCOMPARE(menu->page(), 1);
    QVERIFY(!menu->viewer()->isVisible());
    swipe(menu->tile(0), QPoint(20, 10), QPoint(20, 60));
    QCOMPARE(menu->page(), 0);
    // 15 pixels both ways on a tile: neither.
    swipe(menu->tile(1), QPoint(30, 30), QPoint(45, 45));
    QCOMPARE(menu->page(), 0);
    QVERIFY(!menu->viewer()->isVisible());
    // 14: a tap, which opens the photo.
    swipe(menu->tile(1), QPoint(30, 30), QPoint(44, 44));
    QVERIFY(menu->viewer()->isVisible());
    QCOMPARE(menu->viewer()->photoIndex(), 1);
    QCOMPARE(menu->viewer()->photoCount(), 7);
}

void TstThumbBrowser::marksFromTheTrailer()
{
    QByteArray both = PhotoFixture::photo(PhotoFixture::record());
    both = PhotoFixture::withNote(both, PhotoLayout::VoiceNote, "voice");
    both = PhotoFixture::withNote(both, PhotoLayout::TextNote, "text");
    m_root->writeFile(QStringLiteral("/media/mmc/image/181214_0003T.jpg"), both);
    m_root->writeFile(QStringLiteral("/media/mmc/image/181214_0002T.jpg"),
                      PhotoFixture::withNote(PhotoFixture::photo(PhotoFixture::record()), PhotoLayout::VoiceNote, "v"));
    // A count of 0xFFFF and entries pointing past the file mark nothing.
    QByteArray lying = PhotoFixture::photo(PhotoFixture::record());
    const qint64 n = PhotoLayout::getU32(reinterpret_cast<const unsigned char *>(lying.constData()) + lying.size() - 4);
    auto *h = reinterpret_cast<unsigned char *>(lying.data()) + n;
    PhotoLayout::putU16(h + PhotoLayout::HeaderCountOffset, 0xFFFF);
    for (int i = 2; i < 16; ++i) {
        unsigned char *e = h + PhotoLayout::HeaderSize + PhotoLayout::EntrySize * i;
        PhotoLayout::putU32(e, i % 2 ? 3 : 1);
        PhotoLayout::putU32(e + 4, 0xFFFFFF00u);
        PhotoLayout::putU32(e + 8, 100);
    }
    m_root->writeFile(QStringLiteral("/media/mmc/image/181214_0001T.jpg"), lying);
    ThumbMenu *menu = open();
    QVERIFY(menu->tile(0)->hasTextNote() && menu->tile(0)->hasVoiceNote());
    QVERIFY(!menu->tile(1)->hasTextNote() && menu->tile(1)->hasVoiceNote());
    QVERIFY(!menu->tile(2)->hasTextNote() && !menu->tile(2)->hasVoiceNote());
    // Both marks drawn, the voice mark beside the text mark.
    QImage shot(100, 75, QImage::Format_ARGB32);
    shot.fill(Qt::black);
    menu->tile(0)->render(&shot);
    const QImage marks = shot.copy(5, 5, 45, 20);
    int coloured = 0;
    for (int x = 30; x < 45; ++x)
        coloured += qBlue(marks.pixel(x, 10)) > 150 ? 1 : 0;
    QVERIFY(coloured > 3);
}

void TstThumbBrowser::placeholderUntilTheThumbnailExists()
{
    // A photo the thread cannot make a thumbnail of: the page shows the
    // placeholder however quick the thread is.
    m_root->writeFile(QStringLiteral("/media/mmc/image/181214_0001T.jpg"), QByteArray("not a picture"));
    ThumbMenu *menu = open();
    QVERIFY(menu->thumbThread()->wait(20000));
    ThumItem *tile = menu->tile(0);
    QVERIFY(tile->showsPlaceholder());
    QVERIFY(!QFileInfo::exists(tile->thumbnailPath()));
    QVERIFY(tile->retryTimer()->isActive());
    QCOMPARE(tile->retryTimer()->interval(), 5000);
    // Without the file the placeholder stays and the timer keeps looking.
    tile->timeoutupdate();
    QVERIFY(tile->showsPlaceholder());
    QVERIFY(tile->retryTimer()->isActive());
    // Once the thumbnail is there, the tile shows it and stops looking.
    QImage thumbnail(100, 75, QImage::Format_RGB32);
    thumbnail.fill(QColor(90, 90, 200));
    QVERIFY(QDir().mkpath(QFileInfo(tile->thumbnailPath()).path()));
    QVERIFY(thumbnail.save(tile->thumbnailPath(), "JPG"));
    tile->timeoutupdate();
    QVERIFY(!tile->showsPlaceholder());
    QVERIFY(!tile->retryTimer()->isActive());
}

void TstThumbBrowser::emptyNotices()
{
    ThumbMenu *menu = open();
    QVERIFY(menu->statusNotice()->isVisible());
    QCOMPARE(menu->statusNotice()->notice(), QStringLiteral("This directory is empty"));
    m_menu.reset();
    m_bar->displaySDCard(false);
    menu = open();
    QCOMPARE(menu->statusNotice()->notice(), QStringLiteral("No sd card"));
    QVERIFY(menu->exitButton()->isVisible());
}

void TstThumbBrowser::tapTwiceInDeleteMode()
{
    writePhotos(3);
    ThumbMenu *menu = open();
    QTest::mouseClick(menu->toolWidget()->deleteButton(), Qt::LeftButton);
    QVERIFY(menu->getDeleteImageMode());
    QVERIFY(menu->toolWidget()->backButton()->isVisible());
    tap(menu->tile(1));
    QVERIFY(menu->tile(1)->getDeleteImageFlag());
    QCOMPARE(menu->selection().size(), 1);
    QVERIFY(!menu->viewer()->isVisible());
    tap(menu->tile(1));
    QVERIFY(!menu->tile(1)->getDeleteImageFlag());
    QVERIFY(menu->selection().isEmpty());
    tap(menu->tile(2));
    QTest::mouseClick(menu->toolWidget()->backButton(), Qt::LeftButton);
    QVERIFY(!menu->getDeleteImageMode());
    QVERIFY(menu->selection().isEmpty());
    QVERIFY(!menu->tile(2)->getDeleteImageFlag());
    QVERIFY(menu->toolWidget()->exitButton()->isVisible());
}

void TstThumbBrowser::selectAllAndDelete()
{
    writePhotos(8);
    ThumbMenu *menu = open();
    QTest::mouseClick(menu->toolWidget()->deleteButton(), Qt::LeftButton);
    QTest::mouseClick(menu->toolWidget()->selectButton(), Qt::LeftButton);
    QCOMPARE(menu->toolWidget()->selectButton()->text(), QStringLiteral("UnSelect All"));
    for (int t = 0; t < 6; ++t)
        QVERIFY(menu->tile(t)->getDeleteImageFlag());
    QTest::mouseClick(menu->toolWidget()->deleteFilesButton(), Qt::LeftButton);
    QCOMPARE(menu->count(), 0);
    QVERIFY(QDir(m_root->hostPath(QStringLiteral("/media/mmc/image"))).entryList(QDir::Files).isEmpty());
    QVERIFY(menu->statusNotice()->isVisible());
    QCOMPARE(menu->statusNotice()->notice(), QStringLiteral("This directory is empty"));
    QVERIFY(menu->getDeleteImageMode());
    QVERIFY(menu->toolWidget()->deleteFilesButton()->isVisible());
    QVERIFY(menu->toolWidget()->backButton()->isVisible());
}

void TstThumbBrowser::bulkDeleteKeepsThePage()
{
    const QStringList names = writePhotos(20);
    ThumbMenu *menu = open();
    for (int i = 0; i < 3; ++i)
        swipe(menu, QPoint(200, 190), QPoint(100, 190));
    QCOMPARE(menu->page(), 3);
    QTest::mouseClick(menu->toolWidget()->deleteButton(), Qt::LeftButton);
    // Select the two on page 3, then six on page 0.
    tap(menu->tile(0));
    tap(menu->tile(1));
    for (int i = 0; i < 3; ++i)
        swipe(menu, QPoint(100, 190), QPoint(200, 190));
    for (int t = 0; t < 6; ++t)
        tap(menu->tile(t));
    QTest::mouseClick(menu->toolWidget()->deleteFilesButton(), Qt::LeftButton);
    QCOMPARE(menu->count(), 12);
    QCOMPARE(menu->page(), 0);
    for (int i = 0; i < 3; ++i)
        swipe(menu, QPoint(200, 190), QPoint(100, 190));
    QCOMPARE(menu->page(), 1);

    // From page 3 with 12 left: the browser lands on page 1.
    m_menu.reset();
    writePhotos(20);
    menu = open();
    QTest::mouseClick(menu->toolWidget()->deleteButton(), Qt::LeftButton);
    for (int t = 0; t < 6; ++t)
        tap(menu->tile(t));
    swipe(menu, QPoint(200, 190), QPoint(100, 190));
    tap(menu->tile(0));
    tap(menu->tile(1));
    swipe(menu, QPoint(200, 190), QPoint(100, 190));
    swipe(menu, QPoint(200, 190), QPoint(100, 190));
    QCOMPARE(menu->page(), 3);
    QTest::mouseClick(menu->toolWidget()->deleteFilesButton(), Qt::LeftButton);
    QCOMPARE(menu->count(), 12);
    QCOMPARE(menu->page(), 1);
    QCOMPARE(menu->caption(0)->text(), names.at(14));
    QVERIFY(menu->getDeleteImageMode());
}

void TstThumbBrowser::bulkDeleteInASubFolder()
{
    // The same name in the top folder and in a sub-folder: the one selected
    // is the one deleted.
    m_root->writeFile(QStringLiteral("/media/mmc/image/181214_0001T.jpg"), PhotoFixture::photo(PhotoFixture::record()));
    m_root->writeFile(QStringLiteral("/media/mmc/image/old/181214_0001T.jpg"), PhotoFixture::photo(PhotoFixture::record()));
    m_root->writeFile(QStringLiteral("/media/mmc/image/old/181215_0001T.jpg"), PhotoFixture::photo(PhotoFixture::record()));
    ThumbMenu *menu = open();
    QCOMPARE(menu->count(), 3);
    int inSub = -1;
    for (int i = 0; i < 3; ++i)
        if (menu->photoAt(i).fileName() == QLatin1String("181214_0001T.jpg") && menu->photoAt(i).absolutePath().endsWith(QLatin1String("/old")))
            inSub = i;
    QVERIFY(inSub >= 0);
    QTest::mouseClick(menu->toolWidget()->deleteButton(), Qt::LeftButton);
    tap(menu->tile(inSub));
    QTest::mouseClick(menu->toolWidget()->deleteFilesButton(), Qt::LeftButton);
    QCOMPARE(menu->count(), 2);
    QVERIFY(QFile::exists(m_root->hostPath(QStringLiteral("/media/mmc/image/181214_0001T.jpg"))));
    QVERIFY(!QFile::exists(m_root->hostPath(QStringLiteral("/media/mmc/image/old/181214_0001T.jpg"))));
}

// Names as they stand on a card: markup is shown as text, a name that is
// not UTF-8 is listed with replacement characters, and deleting either,
// in delete mode or from the viewer, removes that very file and no other
// (not the UTF-8 name it looks like).
void TstThumbBrowser::unusualNamesShownAndDeleted_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArrayList>("others");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("fromViewer");
    const QByteArray lookAlike = "181214_0001\xef\xbf\xbdT.jpg";
    QTest::newRow("markup") << QByteArray("<b>bold<img src=x>.jpg") << QByteArrayList{"181214_0001T.jpg"}
                            << "<b>bold<img src=x>.jpg" << false;
    QTest::newRow("huge picture markup") << QByteArray("<img width=30000 src=x>.jpg") << QByteArrayList()
                                         << "<img width=30000 src=x>.jpg" << true;
    QTest::newRow("not UTF-8") << QByteArray("181214_0001\xff\xfeT.jpg") << QByteArrayList{"181214_0002T.jpg"}
                               << QStringLiteral("181214_0001\uFFFD\uFFFDT.jpg") << false;
    QTest::newRow("not UTF-8 beside its look-alike") << QByteArray("181214_0001\xffT.jpg") << QByteArrayList{lookAlike}
                                                     << QStringLiteral("181214_0001\uFFFDT.jpg") << false;
    QTest::newRow("not UTF-8, from the viewer") << QByteArray("181214_0001\xffT.jpg") << QByteArrayList{lookAlike}
                                                << QStringLiteral("181214_0001\uFFFDT.jpg") << true;
    QTest::newRow("broken sequence") << QByteArray("181214_0001\xe2\x82T.jpg") << QByteArrayList()
                                     << QStringLiteral("181214_0001\uFFFD\uFFFDT.jpg") << false;
    QTest::newRow("overlong slash") << QByteArray("181214_0001\xc0\xafT.jpg") << QByteArrayList{"181214_0001T.jpg"}
                                    << QStringLiteral("181214_0001\uFFFD\uFFFDT.jpg") << false;
    // A character beyond U+FFFF whose second half looks like a kept byte.
    QTest::newRow("camera sign and a stray byte") << QByteArray("181214_0001\xf0\x9f\x93\xb7\xffT.jpg")
                                                  << QByteArrayList{"181214_0001\xf0\x9f\x93\xb7T.jpg"}
                                                  << QStringLiteral("181214_0001\U0001F4F7\uFFFDT.jpg") << true;
}

void TstThumbBrowser::unusualNamesShownAndDeleted()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArrayList, others);
    QFETCH(QString, shown);
    QFETCH(bool, fromViewer);
    const QByteArray folder = QFile::encodeName(m_root->hostPath(QStringLiteral("/media/mmc/image"))) + '/';
    const QByteArray bytes = PhotoFixture::serviceFile(PhotoFixture::jpeg(QColor(90, 90, 200), QSize(64, 48)));
    const auto plant = [&](const QByteArray &file) {
        QFile out;
        const int fd = ::open((folder + file).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        return fd >= 0 && out.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle) && out.write(bytes) == bytes.size();
    };
    const auto present = [&](const QByteArray &file) { return ::access((folder + file).constData(), F_OK) == 0; };
    // Qt cannot remove what it cannot name: the test root is left clean.
    auto removeAll = qScopeGuard([&] {
        ::unlink((folder + name).constData());
        for (const QByteArray &other : std::as_const(others))
            ::unlink((folder + other).constData());
    });
    QVERIFY(QDir().mkpath(QFile::decodeName(folder)));
    QVERIFY(plant(name));
    for (const QByteArray &other : std::as_const(others))
        QVERIFY(plant(other));

    ThumbMenu *menu = open();
    QCOMPARE(menu->count(), 1 + others.size());
    int position = -1;
    for (int i = 0; i < menu->count(); ++i)
        if (NativeName::encode(menu->photoAt(i).absoluteFilePath()) == folder + name)
            position = i;
    QVERIFY2(position >= 0, "the name is not listed");
    QLabel *caption = menu->caption(position);
    QCOMPARE(caption->text(), shown);
    QCOMPARE(caption->textFormat(), Qt::PlainText);
    // Its own thumbnail, under a cache name no other photo has.
    QVERIFY(menu->thumbThread()->wait(20000));
    ThumItem *tile = menu->tile(position);
    tile->timeoutupdate();
    QVERIFY(!tile->showsPlaceholder());
    for (int i = 0; i < menu->count(); ++i)
        QVERIFY(i == position || ThumbCache::photoName(menu->photoAt(i)) != ThumbCache::photoName(menu->photoAt(position)));

    if (fromViewer) {
        tap(menu->tile(position));
        PhotosView *viewer = menu->viewer();
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->informationLabel()->textFormat(), Qt::PlainText);
        QVERIFY(viewer->informationLabel()->text().startsWith(shown + QLatin1Char('\n')));
        // The photo itself, read through its own name.
        QVERIFY(!viewer->photoPixmap().isNull());
        QTest::mouseClick(viewer->deleteButton(), Qt::LeftButton);
        QVERIFY(viewer->question());
        QTest::mouseClick(viewer->question()->okButton(), Qt::LeftButton);
        QTRY_COMPARE(menu->count(), others.size());
    } else {
        QTest::mouseClick(menu->toolWidget()->deleteButton(), Qt::LeftButton);
        tap(menu->tile(position));
        QCOMPARE(menu->selection().size(), 1);
        QTest::mouseClick(menu->toolWidget()->deleteFilesButton(), Qt::LeftButton);
        QCOMPARE(menu->count(), others.size());
    }
    QVERIFY(!present(name));
    for (const QByteArray &other : std::as_const(others))
        QVERIFY2(present(other), other.constData());
}

void TstThumbBrowser::photoThatCannotBeDeletedStaysListed()
{
    // A name that turned into a folder after the scan cannot be removed
    // (not even by root): it must not vanish from the list while it stays
    // on the card.
    const QStringList names = writePhotos(3);
    ThumbMenu *menu = open();
    menu->thumbThread()->wait(20000);
    const QString stuck = m_root->hostPath(QStringLiteral("/media/mmc/image/") + names.at(1));
    QVERIFY(QFile::remove(stuck));
    QVERIFY(QDir().mkpath(stuck + QStringLiteral("/inner")));
    QTest::mouseClick(menu->toolWidget()->deleteButton(), Qt::LeftButton);
    QTest::mouseClick(menu->toolWidget()->selectButton(), Qt::LeftButton);
    QTest::mouseClick(menu->toolWidget()->deleteFilesButton(), Qt::LeftButton);
    QCOMPARE(menu->count(), 1);
    QCOMPARE(menu->photoAt(0).fileName(), names.at(1));
    QVERIFY(menu->statusNotice()->isHidden());

    // The same from the viewer: the photo stays and is shown again.
    m_menu.reset();
    QDir(m_root->hostPath(QStringLiteral("/media/mmc/image"))).removeRecursively();
    const QStringList again = writePhotos(2);
    menu = open();
    menu->thumbThread()->wait(20000);
    const QString held = m_root->hostPath(QStringLiteral("/media/mmc/image/") + again.at(0));
    QVERIFY(QFile::remove(held));
    QVERIFY(QDir().mkpath(held + QStringLiteral("/inner")));
    tap(menu->tile(0));
    menu->deletephotoslots(0);
    QCOMPARE(menu->count(), 2);
    QCOMPARE(menu->photoAt(0).fileName(), again.at(0));
    QCOMPARE(menu->viewer()->photoIndex(), 0);
    QCOMPARE(menu->viewer()->photoCount(), 2);
}

// What a card may hold under a photo's name: pictures that are not JPEG
// (an SVG naming a picture elsewhere, a PNG) show no picture in the tile
// (the placeholder stays, no thumbnail is made) nor in the viewer, and
// links to files off the card are neither listed nor opened.
void TstThumbBrowser::onlyTheCardsOwnJpegsAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("inViewer");
    for (const char *kind : {"svg", "png", "link to a file", "link to a jpeg"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, thumbnail").arg(QLatin1String(kind)))) << QString::fromLatin1(kind) << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, viewer").arg(QLatin1String(kind)))) << QString::fromLatin1(kind) << true;
    }
}

void TstThumbBrowser::onlyTheCardsOwnJpegsAreRead()
{
    QFETCH(QString, kind);
    QFETCH(bool, inViewer);
    // Off the card: a picture, a photo and a private file.
    QImage red(640, 480, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(red.save(&buffer, "PNG"));
    QVERIFY(m_root->writeFile(QStringLiteral("/outside/scene.png"), png));
    QVERIFY(m_root->writeFile(QStringLiteral("/outside/photo.jpg"),
                              PhotoFixture::serviceFile(PhotoFixture::jpeg(QColor(200, 30, 30), QSize(64, 48)))));
    QVERIFY(m_root->writeFile(QStringLiteral("/outside/shadow"), "root:secret:19000:0:99999:7:::\n"));

    writePhotos(1);   // the card's own photo, 181214_0001T.jpg
    const QString hostile = m_root->hostPath(QStringLiteral("/media/mmc/image/181214_0002T.jpg"));
    const bool isLink = kind.startsWith(QLatin1String("link"));
    if (kind == QLatin1String("svg")) {
        const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
                               " width=\"640\" height=\"480\"><image x=\"0\" y=\"0\" width=\"640\" height=\"480\" xlink:href=\""
                               + QFile::encodeName(m_root->hostPath(QStringLiteral("/outside/scene.png"))) + "\"/></svg>\n";
        QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/image/181214_0002T.jpg"), svg));
    } else if (kind == QLatin1String("png")) {
        QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/image/181214_0002T.jpg"), png));
    } else {
        const QString target = m_root->hostPath(kind == QLatin1String("link to a jpeg") ? QStringLiteral("/outside/photo.jpg")
                                                                                          : QStringLiteral("/outside/shadow"));
        QVERIFY(QFile::link(target, hostile));
    }

    ThumbMenu *menu = open();
    QVERIFY(menu->thumbThread()->wait(20000));
    if (isLink) {
        // Only the card's own photo.
        QCOMPARE(menu->count(), 1);
        QCOMPARE(menu->photoAt(0).fileName(), QStringLiteral("181214_0001T.jpg"));
    } else {
        QCOMPARE(menu->count(), 2);
        QCOMPARE(menu->photoAt(0).fileName(), QStringLiteral("181214_0002T.jpg"));
    }
    const QString ownThumb = ThumbCache::photoThumbPath(menu->photoAt(menu->count() - 1));
    QVERIFY(QFile::exists(ownThumb));
    const QString hostileThumb = ThumbCache::photoThumbPath(QFileInfo(hostile));

    if (!inViewer) {
        if (isLink) {
            // Not even when asked for it by name.
            QVERIFY(!ThumbThread::makeThumbnail(QFileInfo(hostile), hostileThumb));
        } else {
            ThumItem *tile = menu->tile(0);
            tile->timeoutupdate();
            QVERIFY(tile->showsPlaceholder());
            menu->tile(1)->timeoutupdate();
            QVERIFY(!menu->tile(1)->showsPlaceholder());
        }
        QVERIFY(!QFile::exists(hostileThumb));
        return;
    }
    // The viewer, opened on the card's own photo, shows it; the other file
    // shows no picture, by a tap or (a link) by its name.
    tap(menu->tile(menu->count() - 1));
    PhotosView *viewer = menu->viewer();
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(!viewer->photoPixmap().isNull());
    if (isLink) {
        viewer->loadImage(QFileInfo(hostile), 0, 1);
    } else {
        QTest::keyClick(viewer, Qt::Key_Escape);
        QVERIFY(!viewer->isVisible());
        tap(menu->tile(0));
        QVERIFY(viewer->isVisible());
    }
    QCOMPARE(viewer->loadedFileName(), hostile);
    QVERIFY(viewer->photoPixmap().isNull());
}

// Among the photos: links, a pipe, a folder and files that are no photo,
// listed by file systems that tell each entry's type and by those that
// leave it unknown, so the listing must look at the entry itself.
void TstThumbBrowser::listingLeavesOutWhatIsNoPhoto_data()
{
    QTest::addColumn<bool>("typesUnknown");
    QTest::newRow("types told by the listing") << false;
    QTest::newRow("types unknown") << true;
}

void TstThumbBrowser::listingLeavesOutWhatIsNoPhoto()
{
    QFETCH(bool, typesUnknown);
    const QByteArray picture = PhotoFixture::serviceFile(PhotoFixture::jpeg(QColor(90, 90, 200), QSize(64, 48)));
    QVERIFY(m_root->writeFile(QStringLiteral("/outside/photo.jpg"), picture));
    QVERIFY(m_root->writeFile(QStringLiteral("/outside/folder/181214_0009T.jpg"), picture));
    const QString image = QStringLiteral("/media/mmc/image/");
    const QStringList photos{QStringLiteral("181214_0001T.jpg"), QStringLiteral("181214_0002T.JPG"),
                             QStringLiteral("day/181215_0001T.jpg"), QStringLiteral("folder.jpg/181215_0002T.jpg")};
    for (const QString &photo : photos)
        QVERIFY(m_root->writeFile(image + photo, picture));
    QVERIFY(m_root->writeFile(image + QStringLiteral("181214_0003T.txt"), "notes"));
    QVERIFY(m_root->writeFile(image + QStringLiteral(".181214_0004T.jpg"), picture));
    QVERIFY(m_root->writeFile(image + QStringLiteral(".hidden/181214_0005T.jpg"), picture));
    QVERIFY(m_root->makeFifo(image + QStringLiteral("181214_0006T.jpg")));
    QVERIFY(QFile::link(m_root->hostPath(QStringLiteral("/outside/photo.jpg")), m_root->hostPath(image + QStringLiteral("181214_0007T.jpg"))));
    QVERIFY(QFile::link(m_root->hostPath(QStringLiteral("/outside/folder")), m_root->hostPath(image + QStringLiteral("linked"))));
    QVERIFY(QFile::link(m_root->hostPath(QStringLiteral("/outside/gone.jpg")), m_root->hostPath(image + QStringLiteral("181214_0008T.jpg"))));

    NativeName::setEntryTypesUnknown(typesUnknown);
    auto restore = qScopeGuard([] { NativeName::setEntryTypesUnknown(false); });
    const QString folder = m_root->hostPath(QStringLiteral("/media/mmc/image")) + QLatin1Char('/');
    QStringList listed;
    for (const QFileInfo &photo : ThumbThread::photosOnCard())
        listed.append(photo.absoluteFilePath().mid(folder.size()));
    listed.sort();
    QCOMPARE(listed, photos);
    // The flat listing of one folder keeps to the same rule.
    QStringList flat = NativeName::filesIn(folder, QStringLiteral(".jpg"));
    flat.sort();
    QCOMPARE(flat, QStringList({QStringLiteral("181214_0001T.jpg"), QStringLiteral("181214_0002T.JPG")}));
}

void TstThumbBrowser::viewerFollowUp()
{
    const QStringList names = writePhotos(8);
    ThumbMenu *menu = open();
    tap(menu->tile(5));
    PhotosView *viewer = menu->viewer();
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->photoIndex(), 5);
    QTest::mouseClick(viewer->nextButton(), Qt::LeftButton);
    QCOMPARE(viewer->photoIndex(), 6);
    QCOMPARE(QFileInfo(viewer->loadedFileName()).fileName(), names.at(6));
    QCOMPARE(menu->page(), 1);
    QCOMPARE(menu->currentTile(), 0);
    QTest::mouseClick(viewer->previousButton(), Qt::LeftButton);
    QTest::mouseClick(viewer->previousButton(), Qt::LeftButton);
    QCOMPARE(viewer->photoIndex(), 4);
    QCOMPARE(menu->page(), 0);
    QCOMPARE(menu->currentTile(), 4);
    // Delete from the viewer: the next photo moves into its place.
    menu->deletephotoslots(4);
    QCOMPARE(menu->count(), 7);
    QVERIFY(!QFile::exists(m_root->hostPath(QStringLiteral("/media/mmc/image/") + names.at(4))));
    QCOMPARE(QFileInfo(viewer->loadedFileName()).fileName(), names.at(5));
    QCOMPARE(viewer->photoIndex(), 4);
    QCOMPARE(viewer->photoCount(), 7);
}

void TstThumbBrowser::deletingTheLastPhotoFromTheViewer()
{
    const QStringList names = writePhotos(7);
    ThumbMenu *menu = open();
    swipe(menu, QPoint(200, 190), QPoint(100, 190));
    tap(menu->tile(0));
    PhotosView *viewer = menu->viewer();
    QCOMPARE(viewer->photoIndex(), 6);
    QTest::mouseClick(viewer->deleteButton(), Qt::LeftButton);
    QVERIFY(viewer->question());
    QTest::mouseClick(viewer->question()->okButton(), Qt::LeftButton);
    QTRY_COMPARE(menu->count(), 6);
    QCOMPARE(viewer->photoIndex(), 5);
    QCOMPARE(QFileInfo(viewer->loadedFileName()).fileName(), names.at(5));
    QCOMPARE(menu->page(), 0);
    QCOMPARE(menu->currentTile(), 5);
    QVERIFY(viewer->isVisible());

    // The only photo: the viewer goes and the notice shows.
    m_menu.reset();
    QDir(m_root->hostPath(QStringLiteral("/media/mmc/image"))).removeRecursively();
    writePhotos(1);
    menu = open();
    tap(menu->tile(0));
    menu->deletephotoslots(0);
    QVERIFY(!menu->viewer()->isVisible());
    QVERIFY(menu->statusNotice()->isVisible());
}

void TstThumbBrowser::escapeLeaves()
{
    writePhotos(2);
    MessageChannel channel(QStringLiteral("emaininterface"));
    QSignalSpy spy(&channel, &MessageChannel::received);
    ThumbMenu *menu = open();
    QTest::keyClick(menu, Qt::Key_A);
    QVERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Escape);
    QVERIFY(!menu->isVisible());
    QVERIFY(menu->thumbThread()->stopRequested());
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Imagephotos"));
    menu->show();
    QTest::mouseClick(menu->exitButton(), Qt::LeftButton);
    QTRY_COMPARE(spy.count(), 2);
}

void TstThumbBrowser::teardownWhileTheThreadDecodes()
{
    writePhotos(20);
    QSemaphore inPhoto;
    QSemaphore release;
    auto *menu = new ThumbMenu(nullptr);
    QPointer<ThumbThread> thread = menu->thumbThread();
    thread->setAfterPhoto([&](int i) {
        if (i == 0) {
            inPhoto.release();
            release.acquire();
        }
    });
    menu->browse();
    QVERIFY(inPhoto.tryAcquire(1, 20000));
    // Gone while the thread is in the middle of its photo: no abort, and
    // the thread is released only once it has finished.
    delete menu;
    QVERIFY(thread);
    QVERIFY(thread->isRunning());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(thread);
    release.release();
    QTRY_VERIFY(!thread);
    // It stopped after that photo.
    QCOMPARE(QDir(Paths::resolve(QStringLiteral("/root/.imagethumbnailer"))).entryList(QDir::Files).size(), 1);
}

QTEST_MAIN(TstThumbBrowser)
#include "tst_thumbbrowser.moc"
