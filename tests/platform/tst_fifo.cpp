#include "fiforeader.h"
#include "fifowriter.h"
#include "testroot.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

class TestFifo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void missingPipeIsAnErrorAndNothingIsCreated();
    void regularFileIsNotWritten();
    void noReaderIsAnError();
    void readerReceivesEachCommandOnItsOwn();
    void readerThatDoesNotReadMakesTheWriterGiveUp();
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
