#include "fiforeader.h"
#include "fifowriter.h"
#include "testroot.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace {
// How often the calling thread has gone to sleep so far: a writer that
// waits by looking again every few milliseconds sleeps dozens of times.
long sleepsOfThisThread()
{
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}
} // namespace

class TestFifo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void missingPipeIsAnErrorAndNothingIsCreated();
    void regularFileIsNotWritten();
    void noReaderIsAnError();
    void readerReceivesEachCommandOnItsOwn();
    void readerThatDoesNotReadMakesTheWriterGiveUp();
    void writerWakesWhenTheReaderComes_data();
    void writerWakesWhenTheReaderComes();
    void overlongCommandIsRefused();
    void readerStopsAndCanBeStoppedTwice();
    void readerReplacesAStaleFile();
};

void TestFifo::missingPipeIsAnErrorAndNothingIsCreated()
{
    TestRoot root;
    QCOMPARE(FifoWriter::write(QStringLiteral("/tmp/service_ir"), "capture start"), FifoWriter::Missing);
    QVERIFY(!QFileInfo::exists(root.hostPath(QStringLiteral("/tmp/service_ir"))));
}

void TestFifo::regularFileIsNotWritten()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("/tmp/service_ir"), "old"));
    QCOMPARE(FifoWriter::write(QStringLiteral("/tmp/service_ir"), "capture start"), FifoWriter::NotAFifo);
    QCOMPARE(root.readFile(QStringLiteral("/tmp/service_ir")), QByteArray("old"));
}

void TestFifo::noReaderIsAnError()
{
    TestRoot root;
    QVERIFY(root.makeFifo(QStringLiteral("/tmp/service_ir")));
    QCOMPARE(FifoWriter::write(QStringLiteral("/tmp/service_ir"), "capture start", 20), FifoWriter::NoReader);
}

void TestFifo::readerReceivesEachCommandOnItsOwn()
{
    TestRoot root;
    FifoReader reader(QStringLiteral("/tmp/service_ir"));
    QSignalSpy spy(&reader, &FifoReader::received);
    QVERIFY(reader.open());
    const QList<QByteArray> commands{"jpegenc start", "jpegenc save /media/mmc/a.jpg", "jpegenc stop"};
    for (const QByteArray &c : commands)
        QCOMPARE(FifoWriter::write(QStringLiteral("/tmp/service_ir"), c, 2000), FifoWriter::Written);
    QTRY_COMPARE(spy.count(), commands.size());
    for (int i = 0; i < commands.size(); ++i)
        QCOMPARE(spy.at(i).at(0).toByteArray(), commands.at(i));
    reader.stop();
}

void TestFifo::readerThatDoesNotReadMakesTheWriterGiveUp()
{
    TestRoot root;
    QVERIFY(root.makeFifo(QStringLiteral("/tmp/QSaveImage")));
    const QByteArray host = QFile::encodeName(root.hostPath(QStringLiteral("/tmp/QSaveImage")));
    const int fd = ::open(host.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(fd >= 0);
    QCOMPARE(FifoWriter::write(QStringLiteral("/tmp/QSaveImage"), "save", 20), FifoWriter::Written);
    // The first command is still in the pipe: the second is not glued to it.
    QCOMPARE(FifoWriter::write(QStringLiteral("/tmp/QSaveImage"), "save", 20), FifoWriter::Busy);
    char buffer[16];
    QCOMPARE(::read(fd, buffer, sizeof buffer), ssize_t(4));
    ::close(fd);
}

// The writer sleeps until the reader opens the pipe, or takes the command
// before, rather than looking again every few milliseconds.
void TestFifo::writerWakesWhenTheReaderComes_data()
{
    QTest::addColumn<bool>("previousCommandQueued");
    QTest::newRow("the reader opens the pipe late") << false;
    QTest::newRow("the reader takes the previous command late") << true;
}

void TestFifo::writerWakesWhenTheReaderComes()
{
    QFETCH(bool, previousCommandQueued);
    TestRoot root;
    QVERIFY(root.makeFifo(QStringLiteral("/tmp/service_ir")));
    const QByteArray host = QFile::encodeName(root.hostPath(QStringLiteral("/tmp/service_ir")));
    constexpr int LateMs = 150;
    int fd = -1;
    if (previousCommandQueued) {
        fd = ::open(host.constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        QCOMPARE(FifoWriter::write(QStringLiteral("/tmp/service_ir"), "capture start", 20), FifoWriter::Written);
    }
    QByteArray taken;
    std::thread reader([&] {
        ::usleep(LateMs * 1000);
        if (fd < 0) {
            fd = ::open(host.constData(), O_RDONLY | O_NONBLOCK);
        } else {
            char buffer[32];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            taken = QByteArray(buffer, int(qMax<ssize_t>(n, 0)));
        }
    });
    const long sleepsBefore = sleepsOfThisThread();
    const FifoWriter::Result result = FifoWriter::write(QStringLiteral("/tmp/service_ir"), "capture stop", 10000);
    const long sleeps = sleepsOfThisThread() - sleepsBefore;
    reader.join();
    QCOMPARE(result, FifoWriter::Written);
    QVERIFY2(sleeps < 10, qPrintable(QStringLiteral("the writer slept %1 times").arg(sleeps)));
    if (previousCommandQueued)
        QCOMPARE(taken, QByteArray("capture start"));
    char buffer[32];
    QCOMPARE(QByteArray(buffer, int(::read(fd, buffer, sizeof buffer))), QByteArray("capture stop"));
    ::close(fd);
}

void TestFifo::overlongCommandIsRefused()
{
    TestRoot root;
    QVERIFY(root.makeFifo(QStringLiteral("/tmp/service_ir")));
    QCOMPARE(FifoWriter::write(QStringLiteral("/tmp/service_ir"), QByteArray(PIPE_BUF + 1, 'x')), FifoWriter::TooLong);
}

void TestFifo::readerStopsAndCanBeStoppedTwice()
{
    TestRoot root;
    FifoReader reader(QStringLiteral("/tmp/service_sd"));
    QVERIFY(reader.open());
    QVERIFY(reader.isRunning());
    reader.stop();
    QVERIFY(reader.isFinished());
    reader.stop();
}

void TestFifo::readerReplacesAStaleFile()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("/tmp/service_sd"), "stale"));
    FifoReader reader(QStringLiteral("/tmp/service_sd"));
    QSignalSpy spy(&reader, &FifoReader::received);
    QVERIFY(reader.open());
    QCOMPARE(FifoWriter::write(QStringLiteral("/tmp/service_sd"), "ymount", 2000), FifoWriter::Written);
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("ymount"));
}

QTEST_GUILESS_MAIN(TestFifo)
#include "tst_fifo.moc"
