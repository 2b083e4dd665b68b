// encoder-sim writes only inside the root it serves. In the device rig it
// runs outside the program's root, as this machine's root user, and takes
// the names it is sent from the program: a name that climbs out, a folder
// or a name whose link leads out, or a relative name lands nowhere. A
// folder beside the test's root stands for the rest of the machine.
#include "encoderphoto.h"
#include "encoderstate.h"
#include "paths.h"
#include "simroot.h"
#include "testroot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// "@root" and "@outside" stand for the two folders' paths.
QString expand(QString name, const QString &root, const QString &outside)
{
    return name.replace(QLatin1String("@root"), root).replace(QLatin1String("@outside"), outside);
}

// Every file below folder (links too), relative, with its size.
QStringList listing(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files << QDir(folder).relativeFilePath(path) + QLatin1Char(' ') + QString::number(QFileInfo(path).size());
    }
    files.sort();
    return files;
}

} // namespace

class TstEncoderRoot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void resolvesInsideTheRoot_data();
    void resolvesInsideTheRoot();
    void savesOnlyInsideTheRoot_data();
    void savesOnlyInsideTheRoot();
    void staleTemporariesOnlyInsideTheRoot();
    void stateOnlyInsideTheRoot();

private:
    // Links the test's root holds, some leading out.
    void plantLinks();
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<QTemporaryDir> m_outside;
    QString m_rootPath;
    QString m_outsidePath;
};

void TstEncoderRoot::init()
{
    m_root = std::make_unique<TestRoot>();
    m_outside = std::make_unique<QTemporaryDir>();
    QVERIFY(m_outside->isValid());
    m_rootPath = SimRoot::resolve(m_root->root());
    m_outsidePath = SimRoot::resolve(m_outside->path());
    QVERIFY(QDir().mkpath(m_rootPath + QStringLiteral("/media/mmc/image")));
    plantLinks();
}

void TstEncoderRoot::cleanup()
{
    m_root.reset();
    m_outside.reset();
}

void TstEncoderRoot::plantLinks()
{
    const QString card = m_rootPath + QStringLiteral("/media/mmc/");
    QVERIFY(QFile::link(m_outsidePath, card + QStringLiteral("out")));
    QVERIFY(QFile::link(QStringLiteral("../../../") + QFileInfo(m_outsidePath).fileName(), card + QStringLiteral("up")));
    QVERIFY(QFile::link(QStringLiteral("image"), card + QStringLiteral("inner")));
    // Links at names still to be written: to nothing yet, and to a file.
    QVERIFY(QFile::link(m_outsidePath + QStringLiteral("/made.jpg"), card + QStringLiteral("image/dangling.jpg")));
    QVERIFY(QFile::link(m_outsidePath + QStringLiteral("/made.jpg.enc"), card + QStringLiteral("image/trap.jpg.enc")));
    QFile kept(m_outsidePath + QStringLiteral("/kept.jpg"));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write("keep");
    kept.close();
    QVERIFY(QFile::link(kept.fileName(), card + QStringLiteral("image/kept.jpg")));
}

void TstEncoderRoot::resolvesInsideTheRoot_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("inside"); // below the root; empty: refused

    QTest::newRow("camera's path") << "/media/mmc/image/a.jpg" << "/media/mmc/image/a.jpg";
    QTest::newRow("camera's path, doubled slashes") << "//media//mmc/image/./a.jpg" << "/media/mmc/image/a.jpg";
    QTest::newRow("already below the root") << "@root/media/mmc/image/a.jpg" << "/media/mmc/image/a.jpg";
    QTest::newRow("a folder made later") << "/media/mmc/videoFile/a.mp4" << "/media/mmc/videoFile/a.mp4";
    QTest::newRow("link inside the root") << "/media/mmc/inner/a.jpg" << "/media/mmc/image/a.jpg";
    QTest::newRow("this machine's path") << "@outside/a.jpg" << "@outside/a.jpg";
    QTest::newRow("relative") << "a.jpg" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("a folder") << "/media/mmc/image/" << "";
    QTest::newRow("the root itself") << "/" << "";
    QTest::newRow("climbs out") << "/../a.jpg" << "";
    QTest::newRow("climbs out below the root") << "@root/media/../../a.jpg" << "";
    QTest::newRow("climbs and comes back") << "/media/../media/mmc/a.jpg" << "";
    QTest::newRow("folder linked out") << "/media/mmc/out/a.jpg" << "";
    QTest::newRow("folder linked out, relative link") << "/media/mmc/up/a.jpg" << "";
    QTest::newRow("link to nothing yet") << "/media/mmc/image/dangling.jpg" << "";
    QTest::newRow("link to a file outside") << "/media/mmc/image/kept.jpg" << "";
    QTest::newRow("below a link to a file") << "/media/mmc/image/kept.jpg/a" << "";
}

void TstEncoderRoot::resolvesInsideTheRoot()
{
    QFETCH(QString, name);
    QFETCH(QString, inside);
    name = expand(name, m_rootPath, m_outsidePath);
    inside = expand(inside, m_rootPath, m_outsidePath);
    const QString expected = inside.isEmpty() ? QString() : m_rootPath + inside;
    QCOMPARE(SimRoot::resolveInside(m_root->root(), name), expected);
    // The root as asked or as resolved: the same answer.
    QCOMPARE(SimRoot::resolveInside(m_rootPath, name), expected);
}

void TstEncoderRoot::savesOnlyInsideTheRoot_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("saved"); // below the root; empty: nothing saved

    QTest::newRow("below the root") << "@root/media/mmc/image/a.jpg" << "/media/mmc/image/a.jpg";
    QTest::newRow("through a link inside") << "@root/media/mmc/inner/a.jpg" << "/media/mmc/image/a.jpg";
    QTest::newRow("this machine's path") << "@outside/a.jpg" << "";
    QTest::newRow("relative, beside encoder-sim") << "a.jpg" << "";
    QTest::newRow("climbs out") << "@root/media/../../" + QStringLiteral("@outsideName/a.jpg") << "";
    QTest::newRow("folder linked out") << "@root/media/mmc/out/a.jpg" << "";
    QTest::newRow("folder linked out, relative link") << "@root/media/mmc/up/a.jpg" << "";
    QTest::newRow("link to nothing yet") << "@root/media/mmc/image/dangling.jpg" << "";
    QTest::newRow("temporary's name a link out") << "@root/media/mmc/image/trap.jpg" << "";
    QTest::newRow("link to a file outside") << "@root/media/mmc/image/kept.jpg" << "";
}

void TstEncoderRoot::savesOnlyInsideTheRoot()
{
    QFETCH(QString, name);
    QFETCH(QString, saved);
    name.replace(QLatin1String("@outsideName"), QFileInfo(m_outsidePath).fileName());
    name = expand(name, m_rootPath, m_outsidePath);
    // Where encoder-sim would write a relative name.
    QVERIFY(QDir::setCurrent(m_outsidePath));
    const QStringList before = listing(m_outsidePath);
    EncoderPhoto photo;
    QVERIFY(photo.handle("jpegenc save " + QFile::encodeName(name)));
    QVERIFY(QDir::setCurrent(m_rootPath));
    QCOMPARE(listing(m_outsidePath), before);
    QFile kept(m_outsidePath + QStringLiteral("/kept.jpg"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("keep"));
    if (!saved.isEmpty()) {
        const QFileInfo photoFile(m_rootPath + saved);
        QVERIFY(photoFile.isFile());
        QVERIFY(photoFile.size() > EncoderPhoto::BlockSize);
    }
    // Nothing left half-written in the root either.
    QDirIterator temporaries(m_rootPath, {QStringLiteral("*.enc")}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    QVERIFY2(!temporaries.hasNext(), qPrintable(temporaries.hasNext() ? temporaries.next() : QString()));
}

// A start's clean-up of cut-off saves stays in the root's photo folder.
void TstEncoderRoot::staleTemporariesOnlyInsideTheRoot()
{
    QFile stale(m_outsidePath + QStringLiteral("/.a.jpg.part.enc"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    const QString folder = m_rootPath + QStringLiteral("/media/mmc/image");
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(QFile::link(m_outsidePath, folder));
    QCOMPARE(EncoderPhoto::removeStaleTemporaries(), 0);
    QVERIFY(stale.exists());
}

// The picture geometry it keeps is written in the root's "/tmp" only.
void TstEncoderRoot::stateOnlyInsideTheRoot()
{
    const QString tmp = m_rootPath + QStringLiteral("/tmp");
    QVERIFY(QDir(tmp).removeRecursively());
    QVERIFY(QFile::link(m_outsidePath, tmp));
    const QStringList before = listing(m_outsidePath);
    EncoderState state;
    QVERIFY(state.apply("zoom start add 3"));
    QVERIFY(!state.save());
    QCOMPARE(listing(m_outsidePath), before);
}

QTEST_GUILESS_MAIN(TstEncoderRoot)
#include "tst_encoderroot.moc"
