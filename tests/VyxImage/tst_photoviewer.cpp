// The photo viewer: zoom and rotation steps, previous / next at the ends,
// the notes found in a photo (the voice note's copy made beside the screen,
// replaced only whole, a note longer than the camera records refused), and
// the deletion with its question and
// animation, including the faults of a change during the animation and an
// OK without a card.
#include "annotatebrowser.h"
#include "audiointerface.h"
#include "eglobal.h"
#include "etoolwidget.h"
#include "filesizelimit.h"
#include "genieitem.h"
#include "paths.h"
#include "photobutton.h"
#include "photofixture.h"
#include "photomessagebox.h"
#include "photosview.h"
#include "simmixer.h"
#include "testroot.h"
#include "voicenotecopy.h"
#include "volumeinterface.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <optional>

#include <sys/stat.h>

class TstPhotoViewer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void zoomSteps();
    void rotationSequence_data();
    void rotationSequence();
    void previousAndNextAtTheEnds();
    void notesFoundInThePhoto();
    void voiceNoteCopy_data();
    void voiceNoteCopy();
    void voiceNoteCopiedBesideTheScreen();
    void voiceNoteOfTheLastPhotoWins();
    void voiceNoteLength_data();
    void voiceNoteLength();
    void longTextNoteIsCut();
    void lyingNoteEntriesAreIgnored();
    void rowTable_data();
    void rowTable();
    void genieFrames();
    void genieFramesFollowTheFixedPointRule_data();
    void genieFramesFollowTheFixedPointRule();
    void deleteThroughQuestionAndAnimation();
    void noChangeDuringTheAnimation();
    void okWithoutCardActsAsCancel();
    void questionEscapeCancels();
    void textPanelToggles();
    void panelsExcludeEachOther();
    void voicePanelAndVolume();
    void volumeThroughTheMixer_data();
    void volumeThroughTheMixer();
    void backDestroysThePanels();

private:
    void showWithNotes();

private:
    QString writePhoto(const QString &name, const QByteArray &bytes);
    void show(const QString &path, int index = 0, int count = 1);
    // Shows the photo and waits for its voice note's copy to report.
    bool showAndCopy(const QString &path);

    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<EToolWidget> m_bar;
    std::unique_ptr<PhotosView> m_view;
};

void TstPhotoViewer::init()
{
    m_root = std::make_unique<TestRoot>();
    m_bar = std::make_unique<EToolWidget>();
    m_bar->displaySDCard(true);
    EGlobal::setToolBar(m_bar.get());
    m_view = std::make_unique<PhotosView>();
    m_view->setGeometry(0, 0, 320, 240);
    PhotoButton::speed_val = 0;
}

void TstPhotoViewer::cleanup()
{
    SimMixer::uninstall();
    m_view.reset();
    EGlobal::setToolBar(nullptr);
    m_bar.reset();
    m_root.reset();
}

QString TstPhotoViewer::writePhoto(const QString &name, const QByteArray &bytes)
{
    const QString path = QStringLiteral("/media/mmc/image/") + name;
    [&] { QVERIFY(m_root->writeFile(path, bytes)); }();
    return m_root->hostPath(path);
}

void TstPhotoViewer::show(const QString &path, int index, int count)
{
    m_view->loadImage(QFileInfo(path), index, count);
    m_view->show();
}

bool TstPhotoViewer::showAndCopy(const QString &path)
{
    // The report is queued to this thread: it cannot come before the spy.
    show(path);
    QSignalSpy copied(m_view->voiceNoteCopy(), &VoiceNoteCopy::finished);
    return copied.wait();
}

void TstPhotoViewer::zoomSteps()
{
    show(writePhoto(QStringLiteral("181214_0001T.jpg"), PhotoFixture::photo(PhotoFixture::record())));
    PhotoButton *in = m_view->button("image_add");
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(in, Qt::LeftButton);
    QCOMPARE(m_view->zoomLevel(), 30);
    QVERIFY(std::abs(m_view->transform().m11() - std::pow(1.01, 30)) < 1e-9);
    PhotoButton *out = m_view->button("image_sub");
    for (int i = 0; i < 20; ++i)
        QTest::mouseClick(out, Qt::LeftButton);
    // No limit either way.
    QCOMPARE(m_view->zoomLevel(), -30);
    QVERIFY(std::abs(m_view->transform().m11() - std::pow(1.01, -30)) < 1e-9);
    // A new photo starts unzoomed.
    show(writePhoto(QStringLiteral("181214_0002T.jpg"), PhotoFixture::photo(PhotoFixture::record())));
    QCOMPARE(m_view->zoomLevel(), 0);
    QVERIFY(m_view->transform().isIdentity());
}

void TstPhotoViewer::rotationSequence_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("degrees");
    QTest::newRow("tap") << 0 << 1;
    QTest::newRow("held one tick") << 1 << 11;        // 1 + 10
    QTest::newRow("held two ticks") << 2 << 22;       // 1 + 10 + 11
    QTest::newRow("held three ticks") << 3 << 34;     // 1 + 10 + 11 + 12
}

void TstPhotoViewer::rotationSequence()
{
    QFETCH(int, ticks);
    QFETCH(int, degrees);
    show(writePhoto(QStringLiteral("181214_0001T.jpg"), PhotoFixture::photo(PhotoFixture::record())));
    PhotoButton *rotate = m_view->button("image_round");
    QTest::mousePress(rotate, Qt::LeftButton);
    QVERIFY(rotate->repeatTimer()->isActive());
    QCOMPARE(rotate->repeatTimer()->interval(), 700);
    for (int i = 0; i < ticks; ++i)
        rotate->time_outslots();
    QTest::mouseRelease(rotate, Qt::LeftButton);
    QVERIFY(!rotate->repeatTimer()->isActive());
    QCOMPARE(m_view->rotation(), degrees);
    QCOMPARE(PhotoButton::speed_val, 0);
    // The release starts the count again: the next tap is 1 degree.
    QTest::mouseClick(rotate, Qt::LeftButton);
    QCOMPARE(m_view->rotation(), degrees + 1);
}

void TstPhotoViewer::previousAndNextAtTheEnds()
{
    const QString path = writePhoto(QStringLiteral("181214_0001T.jpg"), PhotoFixture::photo(PhotoFixture::record()));
    QSignalSpy prev(m_view.get(), &PhotosView::prevphotosig);
    QSignalSpy next(m_view.get(), &PhotosView::nextphotosig);
    show(path, 0, 3);
    QTest::mouseClick(m_view->button("image_add"), Qt::LeftButton);
    QTest::mouseClick(m_view->previousButton(), Qt::LeftButton);
    QCOMPARE(prev.count(), 0);
    QCOMPARE(m_view->zoomLevel(), 0);
    QTest::mouseClick(m_view->nextButton(), Qt::LeftButton);
    QCOMPARE(next.count(), 1);
    QCOMPARE(next.at(0).at(0).toInt(), 1);
    show(path, 2, 3);
    QTest::mouseClick(m_view->button("image_round"), Qt::LeftButton);
    QTest::mouseClick(m_view->nextButton(), Qt::LeftButton);
    QCOMPARE(next.count(), 1);
    QCOMPARE(m_view->rotation(), 0);
    QTest::mouseClick(m_view->previousButton(), Qt::LeftButton);
    QCOMPARE(prev.count(), 1);
    QCOMPARE(prev.at(0).at(0).toInt(), 1);
}

void TstPhotoViewer::notesFoundInThePhoto()
{
    const QByteArray voice = QByteArray("RIFF") + QByteArray(5000, 'v');
    QByteArray bytes = PhotoFixture::photo(PhotoFixture::record());
    bytes = PhotoFixture::withNote(bytes, PhotoLayout::TextNote, "first note");
    bytes = PhotoFixture::withNote(bytes, PhotoLayout::VoiceNote, voice);
    bytes = PhotoFixture::withNote(bytes, PhotoLayout::TextNote, QByteArray("second note\0tail", 16));
    QVERIFY(showAndCopy(writePhoto(QStringLiteral("181214_0001T.jpg"), bytes)));
    QVERIFY(m_view->textNoteButton()->isVisible());
    QVERIFY(m_view->voiceNoteButton()->isVisible());
    QCOMPARE(m_view->noteText(), QStringLiteral("second note"));
    QCOMPARE(m_root->readFile(QStringLiteral("/root/music.wav")), voice);
    QVERIFY(!QFile::exists(m_root->hostPath(QStringLiteral("/root/music.wav.part"))));
    QStringList info = m_view->informationLabel()->text().split(QLatin1Char('\n'));
    QCOMPARE(info.value(0), QStringLiteral("181214_0001T.jpg"));
    QCOMPARE(info.size(), 3);

    // A photo without notes hides both buttons and keeps the old ones.
    show(writePhoto(QStringLiteral("181214_0002T.jpg"), PhotoFixture::photo(PhotoFixture::record())));
    QVERIFY(!m_view->textNoteButton()->isVisible());
    QVERIFY(!m_view->voiceNoteButton()->isVisible());
    QCOMPARE(m_view->noteText(), QStringLiteral("second note"));
    QCOMPARE(m_root->readFile(QStringLiteral("/root/music.wav")), voice);

    // A missing file: the name, an empty date and time.
    show(m_root->hostPath(QStringLiteral("/media/mmc/image/gone.jpg")));
    QCOMPARE(m_view->informationLabel()->text(), QStringLiteral("gone.jpg\n\n"));
    QVERIFY(m_view->photoPixmap().isNull());
}

// The voice note is played from its copy, "/root/music.wav", which holds
// the last photo's note until a whole copy of the new one replaces it: a
// copy the card cuts short leaves the old note, and this photo offers none.
void TstPhotoViewer::voiceNoteCopy_data()
{
    QTest::addColumn<qint64>("room"); // bytes a file may grow to; -1 any
    QTest::addColumn<bool>("copied");
    QTest::newRow("copied whole") << qint64(-1) << true;
    QTest::newRow("cut short part-way: the old note stays") << qint64(3000) << false;
    QTest::newRow("no room at all: the old note stays") << qint64(0) << false;
}

void TstPhotoViewer::voiceNoteCopy()
{
    QFETCH(qint64, room);
    QFETCH(bool, copied);
    const QByteArray old = QByteArray("RIFF") + QByteArray(2000, 'o');
    QVERIFY(m_root->writeFile(QStringLiteral("/root/music.wav"), old));
    const QByteArray voice = QByteArray("RIFF") + QByteArray(9000, 'v');
    const QByteArray photo = PhotoFixture::withNote(PhotoFixture::photo(PhotoFixture::record()), PhotoLayout::VoiceNote, voice);
    const QString path = writePhoto(QStringLiteral("181214_0001T.jpg"), photo);
    {
        std::optional<FileSizeLimit> limit;
        if (room >= 0)
            QVERIFY(limit.emplace(rlim_t(room)).isSet());
        QVERIFY(showAndCopy(path));
    }
    QCOMPARE(m_root->readFile(QStringLiteral("/root/music.wav")), copied ? voice : old);
    QCOMPARE(m_view->voiceNoteButton()->isVisible(), copied);
    // Nothing but the note is left beside it.
    const QDir root(m_root->hostPath(QStringLiteral("/root")));
    QCOMPARE(root.entryList({QStringLiteral("music.wav*")}, QDir::Files | QDir::Hidden), QStringList{QStringLiteral("music.wav")});
}

// The photo is shown at once; the note's button comes with the copy's
// report, and the copy has the camera's file mode whatever the old one had.
void TstPhotoViewer::voiceNoteCopiedBesideTheScreen()
{
    QVERIFY(m_root->writeFile(QStringLiteral("/root/music.wav"), "old"));
    const QString music = m_root->hostPath(QStringLiteral("/root/music.wav"));
    QVERIFY(::chmod(QFile::encodeName(music).constData(), 0666) == 0);
    QByteArray voice = QByteArray("RIFF") + QByteArray(300000, '\0');
    for (int i = 4; i < voice.size(); ++i)
        voice[i] = char(i * 7 + i / 251);
    const QByteArray photo = PhotoFixture::withNote(PhotoFixture::photo(PhotoFixture::record()), PhotoLayout::VoiceNote, voice);
    show(writePhoto(QStringLiteral("181214_0001T.jpg"), photo));
    QSignalSpy copied(m_view->voiceNoteCopy(), &VoiceNoteCopy::finished);
    QVERIFY(!m_view->photoPixmap().isNull());
    QVERIFY(!m_view->voiceNoteButton()->isVisible());
    QVERIFY(copied.wait());
    QCOMPARE(copied.count(), 1);
    QCOMPARE(copied.at(0).at(0).toBool(), true);
    QVERIFY(m_view->voiceNoteButton()->isVisible());
    QCOMPARE(m_view->voiceNotePath(), QStringLiteral("/root/music.wav"));
    QCOMPARE(m_root->readFile(QStringLiteral("/root/music.wav")), voice);
    struct stat info {};
    QVERIFY(::stat(QFile::encodeName(music).constData(), &info) == 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0644));
}

// Stepping on before a copy ends: the copy of the photo left is dropped and
// the note of the photo shown is the one that plays.
void TstPhotoViewer::voiceNoteOfTheLastPhotoWins()
{
    const QByteArray first = QByteArray("RIFF") + QByteArray(int(VoiceNoteCopy::MaxBytes) - 4, 'a');
    const QByteArray second = QByteArray("RIFF") + QByteArray(5000, 'b');
    const QString one = writePhoto(QStringLiteral("181214_0001T.jpg"),
                                   PhotoFixture::withNote(PhotoFixture::photo(PhotoFixture::record()), PhotoLayout::VoiceNote, first));
    const QString two = writePhoto(QStringLiteral("181214_0002T.jpg"),
                                   PhotoFixture::withNote(PhotoFixture::photo(PhotoFixture::record()), PhotoLayout::VoiceNote, second));
    show(one);
    QSignalSpy copied(m_view->voiceNoteCopy(), &VoiceNoteCopy::finished);
    show(two);
    // One worker takes the copies in turn: when the second reports, the
    // first has ended.
    QVERIFY(copied.wait());
    QCOMPARE(copied.count(), 1);
    QCOMPARE(m_root->readFile(QStringLiteral("/root/music.wav")), second);
    const QDir root(m_root->hostPath(QStringLiteral("/root")));
    QCOMPARE(root.entryList({QStringLiteral("music.wav*")}, QDir::Files | QDir::Hidden), QStringList{QStringLiteral("music.wav")});
}

// A note up to the longest the camera records is copied whole; a longer
// one, up to a sparse gigabyte, is refused with a word on the screen and
// nothing is copied.
void TstPhotoViewer::voiceNoteLength_data()
{
    QTest::addColumn<qint64>("length");
    QTest::addColumn<bool>("copied");
    QTest::newRow("the longest recording") << qint64(VoiceNoteCopy::MaxBytes) << true;
    QTest::newRow("one byte longer") << qint64(VoiceNoteCopy::MaxBytes) + 1 << false;
    QTest::newRow("a sparse gigabyte") << (qint64(1) << 30) << false;
}

void TstPhotoViewer::voiceNoteLength()
{
    QFETCH(qint64, length);
    QFETCH(bool, copied);
    const QByteArray old = QByteArray("RIFF") + QByteArray(2000, 'o');
    QVERIFY(m_root->writeFile(QStringLiteral("/root/music.wav"), old));
    // The note's entry, then a hole where its bytes would be (only "RIFF"
    // written), then N: the file is as long as the entry says.
    const QByteArray bytes = PhotoFixture::withNote(PhotoFixture::photo(PhotoFixture::record()), PhotoLayout::VoiceNote, "RIFF");
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qint64 n = PhotoLayout::getU32(data + bytes.size() - 4);
    const qint64 entry = n + PhotoLayout::HeaderSize + 2 * PhotoLayout::EntrySize;
    const qint64 at = PhotoLayout::getU32(data + entry + 4);
    QCOMPARE(at, qint64(bytes.size()) - 8);
    QByteArray head = bytes.left(int(at) + 4);
    PhotoLayout::putU32(reinterpret_cast<unsigned char *>(head.data()) + entry + 8, uint32_t(length));
    const QString path = writePhoto(QStringLiteral("181214_0001T.jpg"), head);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(at + length));
        QCOMPARE(file.write(bytes.right(4)), qint64(4));
    }
    QCOMPARE(QFileInfo(path).size(), at + length + 4);

    show(path);
    QSignalSpy reported(m_view->voiceNoteCopy(), &VoiceNoteCopy::finished);
    if (copied) {
        QVERIFY(reported.wait());
    } else {
        // Refused on the spot: no copy was asked for, so none can report.
        QCoreApplication::processEvents();
        QCOMPARE(reported.count(), 0);
    }
    QCOMPARE(m_view->voiceNoteButton()->isVisible(), copied);
    QCOMPARE(m_view->noticeLabel()->isVisible(), !copied);
    const QDir root(m_root->hostPath(QStringLiteral("/root")));
    QCOMPARE(root.entryList({QStringLiteral("music.wav*")}, QDir::Files | QDir::Hidden), QStringList{QStringLiteral("music.wav")});
    if (copied) {
        const QByteArray music = m_root->readFile(QStringLiteral("/root/music.wav"));
        QCOMPARE(music.size(), qsizetype(length));
        QVERIFY(music.startsWith("RIFF"));
        QCOMPARE(music.count('\0'), qsizetype(length - 4));
        return;
    }
    QCOMPARE(m_view->noticeLabel()->text(), PhotosView::tr("The voice note is too long to be played."));
    QCOMPARE(m_root->readFile(QStringLiteral("/root/music.wav")), old);
    // A tap puts the notice away.
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, QPoint(60, 40));
    QVERIFY(!m_view->noticeLabel()->isVisible());
}

void TstPhotoViewer::longTextNoteIsCut()
{
    QByteArray note(12000, 'a');
    note[10238] = 'b';
    note[10239] = 'c';
    const QByteArray bytes = PhotoFixture::withNote(PhotoFixture::photo(PhotoFixture::record()), PhotoLayout::TextNote, note);
    show(writePhoto(QStringLiteral("181214_0001T.jpg"), bytes));
    QCOMPARE(m_view->noteText().size(), 10239);
    QVERIFY(m_view->noteText().endsWith(QLatin1Char('b')));
}

void TstPhotoViewer::lyingNoteEntriesAreIgnored()
{
    QByteArray bytes = PhotoFixture::withNote(PhotoFixture::photo(PhotoFixture::record()), PhotoLayout::VoiceNote, "abc");
    // The voice entry's length now runs far past the file, the count says 16.
    const qint64 n = PhotoLayout::getU32(reinterpret_cast<const unsigned char *>(bytes.constData()) + bytes.size() - 4);
    auto *h = reinterpret_cast<unsigned char *>(bytes.data()) + n;
    PhotoLayout::putU32(h + PhotoLayout::HeaderSize + 2 * PhotoLayout::EntrySize + 8, 0x7FFFFFF0);
    PhotoLayout::putU16(h + PhotoLayout::HeaderCountOffset, 0xFFFF);
    show(writePhoto(QStringLiteral("181214_0001T.jpg"), bytes));
    QVERIFY(!m_view->voiceNoteButton()->isVisible());
    QVERIFY(!QFile::exists(m_root->hostPath(QStringLiteral("/root/music.wav"))));
}

void TstPhotoViewer::rowTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("left");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("50") << 50 << 29;
    QTest::newRow("100") << 100 << 97;
    QTest::newRow("150") << 150 << 165;
    QTest::newRow("199") << 199 << 194;
}

void TstPhotoViewer::rowTable()
{
    QFETCH(int, row);
    QFETCH(int, left);
    const auto rows = GenieItem::rowTable(200, 195, 195);
    QCOMPARE(rows.size(), 200);
    QCOMPARE(rows.at(row).first, left);
    QCOMPARE(rows.at(row).second, 0);
    // The viewer's item has that size.
    QCOMPARE(m_view->genieItem()->rect(), QRectF(0, 0, 195, 200));
}

void TstPhotoViewer::genieFrames()
{
    GenieItem item(QRectF(0, 0, 195, 200));
    QPixmap red(320, 240);
    red.fill(Qt::red);
    item.prepare(red);
    QCOMPARE(item.effectImage().pixel(0, 0), QColor(Qt::red).rgba());
    QVERIFY(item.drawFrame(64));
    // Half way: the top half is empty, the bottom right corner is photo.
    QCOMPARE(qAlpha(item.effectImage().pixel(10, 10)), 0);
    QCOMPARE(item.effectImage().pixel(194, 199), QColor(Qt::red).rgba());
    // The last frame leaves no row.
    QVERIFY(!item.drawFrame(128) || qAlpha(item.effectImage().pixel(100, 100)) == 0);
}

void TstPhotoViewer::genieFramesFollowTheFixedPointRule_data()
{
    QTest::addColumn<int>("frame");
    for (int f : {0, 1, 17, 63, 64, 65, 100, 127, 128})
        QTest::newRow(qPrintable(QString::number(f))) << f;
}

void TstPhotoViewer::genieFramesFollowTheFixedPointRule()
{
    // Every pixel of a frame against the rule written out plainly: 7
    // fractional bits, nearest neighbour, the row table's shifts scaled by
    // k = min(2f, 127).
    QFETCH(int, frame);
    GenieItem item(QRectF(0, 0, 195, 200));
    QImage pattern(320, 240, QImage::Format_ARGB32);
    for (int y = 0; y < pattern.height(); ++y)
        for (int x = 0; x < pattern.width(); ++x)
            pattern.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF));
    item.prepare(QPixmap::fromImage(pattern));
    const QImage &source = item.sourceImage();
    const int sw = source.width();
    const int sh = source.height();
    const int eh = 200;
    const auto table = GenieItem::rowTable(eh, 195, sw);
    QImage expected(195, eh, QImage::Format_ARGB32_Premultiplied);
    expected.fill(0);
    const int k = qMin(2 * frame, 127);
    const int top = (frame * eh) >> 7;
    const int rows = (sh - top) + (((eh - sh) * k) >> 7);
    if (rows > 0) {
        const int ystep = (sh << 7) / rows;
        int sourceRow = 0;
        for (int y = top; y < top + rows && y < eh; ++y) {
            const int left = (table.at(y).first * k) >> 7;
            const int width = sw + ((table.at(y).second * k) >> 7) - left;
            for (int j = 0; width != 0 && j < width; ++j)
                expected.setPixel(left + j, y, source.pixel((j * ((sw << 7) / width)) >> 7, sourceRow >> 7));
            sourceRow += ystep;
        }
    }
    QCOMPARE(item.drawFrame(frame), rows > 0);
    QCOMPARE(item.effectImage(), expected);
}

void TstPhotoViewer::deleteThroughQuestionAndAnimation()
{
    const QString path = writePhoto(QStringLiteral("181214_0001T.jpg"), PhotoFixture::photo(PhotoFixture::record()));
    QSignalSpy deleted(m_view.get(), &PhotosView::deletephotosig);
    show(path, 4, 9);
    QTest::mouseClick(m_view->deleteButton(), Qt::LeftButton);
    QVERIFY(m_view->question());
    QCOMPARE(m_view->question()->pos(), QPoint(45, 80));
    QVERIFY(m_view->binButton()->isVisible());
    QVERIFY(!m_view->barEnabled());
    QTest::mouseClick(m_view->question()->okButton(), Qt::LeftButton);
    QVERIFY(!m_view->question());
    QCOMPARE(m_view->timeLine()->state(), QTimeLine::Running);
    QVERIFY(!m_view->getDelState());
    QVERIFY(m_view->photoPixmap().isNull());
    QVERIFY(m_view->genieItem()->isVisible());
    QCOMPARE(m_view->genieItem()->pos(), QPointF(57, 0));
    QTRY_COMPARE(deleted.count(), 1);
    QCOMPARE(deleted.at(0).at(0).toInt(), 4);
    QVERIFY(m_view->getDelState());
    QVERIFY(!m_view->binButton()->isVisible());
    QVERIFY(!m_view->genieItem()->isVisible());
    QVERIFY(m_view->barEnabled());
}

void TstPhotoViewer::noChangeDuringTheAnimation()
{
    const QString path = writePhoto(QStringLiteral("181214_0001T.jpg"), PhotoFixture::photo(PhotoFixture::record()));
    QSignalSpy deleted(m_view.get(), &PhotosView::deletephotosig);
    QSignalSpy next(m_view.get(), &PhotosView::nextphotosig);
    show(path, 2, 5);
    QTest::mouseClick(m_view->deleteButton(), Qt::LeftButton);
    QTest::mouseClick(m_view->question()->okButton(), Qt::LeftButton);
    // The bar stays dead: next does nothing, a second delete asks nothing.
    QVERIFY(!m_view->barEnabled());
    QTest::mouseClick(m_view->nextButton(), Qt::LeftButton);
    QCOMPARE(next.count(), 0);
    QTest::mouseClick(m_view->deleteButton(), Qt::LeftButton);
    QVERIFY(!m_view->question());
    QTRY_COMPARE(deleted.count(), 1);
    QCOMPARE(deleted.at(0).at(0).toInt(), 2);
}

void TstPhotoViewer::okWithoutCardActsAsCancel()
{
    const QString path = writePhoto(QStringLiteral("181214_0001T.jpg"), PhotoFixture::photo(PhotoFixture::record()));
    QSignalSpy deleted(m_view.get(), &PhotosView::deletephotosig);
    show(path, 0, 1);
    QTest::mouseClick(m_view->deleteButton(), Qt::LeftButton);
    m_bar->displaySDCard(false);
    QTest::mouseClick(m_view->question()->okButton(), Qt::LeftButton);
    QVERIFY(!m_view->question());
    QVERIFY(!m_view->binButton()->isVisible());
    QVERIFY(m_view->barEnabled());
    QCOMPARE(m_view->timeLine()->state(), QTimeLine::NotRunning);
    // And without a card the delete button asks nothing.
    QTest::mouseClick(m_view->deleteButton(), Qt::LeftButton);
    QVERIFY(!m_view->question());
    QCOMPARE(deleted.count(), 0);
}

void TstPhotoViewer::questionEscapeCancels()
{
    show(writePhoto(QStringLiteral("181214_0001T.jpg"), PhotoFixture::photo(PhotoFixture::record())));
    QTest::mouseClick(m_view->deleteButton(), Qt::LeftButton);
    QTest::keyClick(m_view->question(), Qt::Key_A);
    QVERIFY(m_view->question());
    QTest::keyClick(m_view->question(), Qt::Key_Escape);
    QVERIFY(!m_view->question());
    QVERIFY(!m_view->binButton()->isVisible());
    QVERIFY(m_view->barEnabled());
    // Escape on the viewer closes it.
    QTest::keyClick(m_view.get(), Qt::Key_Escape);
    QVERIFY(!m_view->isVisible());
}

void TstPhotoViewer::showWithNotes()
{
    QByteArray bytes = PhotoFixture::photo(PhotoFixture::record());
    bytes = PhotoFixture::withNote(bytes, PhotoLayout::TextNote, "pump B is hot");
    bytes = PhotoFixture::withNote(bytes, PhotoLayout::VoiceNote, QByteArray(44, '\0') + QByteArray(32000, '\1'));
    QVERIFY(showAndCopy(writePhoto(QStringLiteral("181214_0001T.jpg"), bytes)));
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TstPhotoViewer::textPanelToggles()
{
    showWithNotes();
    QTest::mouseClick(m_view->textNoteButton(), Qt::LeftButton);
    QVERIFY(!m_view->barVisible());
    annotateBrowser *panel = m_view->textPanel();
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(panel->geometry(), QRect(35, 80, 251, 135));
    QCOMPARE(panel->toPlainText(), QStringLiteral("pump B is hot"));
    // While it is open a tap does not bring the bar back.
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, QPoint(60, 40));
    QVERIFY(!m_view->barVisible());
    QTest::mouseClick(m_view->textNoteButton(), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, QPoint(60, 40));
    QVERIFY(m_view->barVisible());
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, QPoint(60, 40));
    QVERIFY(!m_view->barVisible());
}

void TstPhotoViewer::panelsExcludeEachOther()
{
    SimMixer::install();
    showWithNotes();
    QTest::mouseClick(m_view->textNoteButton(), Qt::LeftButton);
    QTest::mouseClick(m_view->voiceNoteButton(), Qt::LeftButton);
    QVERIFY(!m_view->audioPanel());
    QTest::mouseClick(m_view->textNoteButton(), Qt::LeftButton);
    QTest::mouseClick(m_view->voiceNoteButton(), Qt::LeftButton);
    QVERIFY(m_view->audioPanel() && m_view->audioPanel()->isVisible());
    QTest::mouseClick(m_view->textNoteButton(), Qt::LeftButton);
    QVERIFY(!m_view->textPanel()->isVisible());
}

void TstPhotoViewer::voicePanelAndVolume()
{
    SimMixer::install();
    showWithNotes();
    QTest::mouseClick(m_view->voiceNoteButton(), Qt::LeftButton);
    AudioInterface *player = m_view->audioPanel();
    QVERIFY(player && player->isVisible());
    QCOMPARE(player->pos(), QPoint(20, 150));
    QCOMPARE(player->audioFn(), QStringLiteral("/root/music.wav"));
    VolumeInterface *volume = m_view->volumePanel();
    QVERIFY(volume && !volume->isVisible());
    QCOMPARE(volume->pos(), QPoint(230, 25));
    QCOMPARE(volume->getVolume(), Mixer::masterVolume());
    // The player's sound button shows the control and arms the hide timer.
    QTest::mouseClick(player->soundButton(), Qt::LeftButton);
    QVERIFY(volume->isVisible());
    QVERIFY(m_view->volumeHideTimer()->isActive());
    QCOMPARE(m_view->volumeHideTimer()->interval(), 5000);
    // A press on the control holds the timer, the release starts it again.
    QTest::mousePress(volume, Qt::LeftButton, {}, QPoint(20, 60));
    QVERIFY(!m_view->volumeHideTimer()->isActive());
    QTest::mouseRelease(volume, Qt::LeftButton, {}, QPoint(20, 60));
    QVERIFY(m_view->volumeHideTimer()->isActive());
    QVERIFY(QMetaObject::invokeMethod(m_view.get(), "hideVolumeUi"));
    QVERIFY(!volume->isVisible());
    // Playing, then the voice button again stops and hides.
    QTest::mouseClick(player->playButton(), Qt::LeftButton);
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Running));
    QTest::mouseClick(m_view->voiceNoteButton(), Qt::LeftButton);
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Idle));
    QVERIFY(!player->isVisible());
}

void TstPhotoViewer::volumeThroughTheMixer_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("set");
    QTest::newRow("above") << 150 << 100;
    QTest::newRow("below") << -5 << 0;
    QTest::newRow("inside") << 42 << 42;
}

void TstPhotoViewer::volumeThroughTheMixer()
{
    QFETCH(int, asked);
    QFETCH(int, set);
    SimMixer::install();
    showWithNotes();
    QTest::mouseClick(m_view->voiceNoteButton(), Qt::LeftButton);
    QVERIFY(QMetaObject::invokeMethod(m_view.get(), "sliderMoved_slots", Q_ARG(int, asked)));
    QCOMPARE(Mixer::masterVolume(), set);
    int result = -2;
    QVERIFY(QMetaObject::invokeMethod(m_view.get(), "set_volume", Q_RETURN_ARG(int, result), Q_ARG(int, asked)));
    QCOMPARE(result, set);
}

void TstPhotoViewer::backDestroysThePanels()
{
    SimMixer::install();
    showWithNotes();
    QTest::mouseClick(m_view->voiceNoteButton(), Qt::LeftButton);
    QTest::mouseClick(m_view->audioPanel()->playButton(), Qt::LeftButton);
    QTest::mouseClick(m_view->voiceNoteButton(), Qt::LeftButton);
    QTest::mouseClick(m_view->textNoteButton(), Qt::LeftButton);
    QVERIFY(m_view->textPanel() && m_view->audioPanel());
    m_view->loadImage(QFileInfo(m_view->loadedFileName()), 0, 1);
    QTest::mouseClick(m_view->button("image_back"), Qt::LeftButton);
    QVERIFY(!m_view->isVisible());
    QVERIFY(!m_view->textPanel() && !m_view->audioPanel() && !m_view->volumePanel());
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Idle));
}

QTEST_MAIN(TstPhotoViewer)
#include "tst_photoviewer.moc"
