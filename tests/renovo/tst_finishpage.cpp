#include "childprocess.h"
#include "finishpage.h"
#include "installwizardbutton.h"
#include "intervals.h"
#include "stubscript.h"
#include "testroot.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The progress page against the stub update script placed in the test
// root, and against messages the test writes into the pipe itself.
class TestFinishPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void stubRuns_data();
    void stubRuns();
    void outputShownAsTextAndBounded_data();
    void outputShownAsTextAndBounded();
    void unbrokenOutputStaysBounded_data();
    void unbrokenOutputStaysBounded();
    void scriptLeavesNothingRunning_data();
    void scriptLeavesNothingRunning();
    void splitMessageFromTheStub();
    void secondsZeroFromTheStub();
    void readsArePutTogether();
    void pipeReplacesWhatWasThere();
    void finishButtonLeads_data();
    void finishButtonLeads();
    void warningOnlyWhileUpdating_data();
    void warningOnlyWhileUpdating();
    void percentageReadable_data();
    void percentageReadable();
};

namespace {
bool writePipe(const TestRoot &root, const QByteArray &data)
{
    const QByteArray path = QFile::encodeName(root.hostPath(QString::fromLatin1(FinishPage::ProgressPipe)));
    const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, data.constData(), data.size()) == data.size();
    ::close(fd);
    return ok;
}

// Where the page asks not to power off, as it is drawn now.
QImage warningArea(FinishPage &page)
{
    return page.grab(QRect(0, 80, 120, 60)).toImage();
}

// WCAG contrast of two opaque colours, 1 (alike) to 21.
double contrast(QRgb a, QRgb b)
{
    auto luminance = [](QRgb c) {
        auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The background child the stub leaves when asked to (RENOVO_STUB_BACKGROUND).
// Should the page fail to end it, the test does, so nothing it started
// outlives it; only that pid, and only while it still is a sleep.
class StubChild
{
public:
    explicit StubChild(const TestRoot &root)
        : m_pidFile(root.hostPath(QStringLiteral("/tmp/renovo-stub-child.pid")))
    {
    }
    ~StubChild()
    {
        if (m_pid > 0 && !ended() && isSleep())
            ::kill(m_pid, SIGKILL);
    }

    bool read()
    {
        QFile file(m_pidFile);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray text = file.readAll();
        if (!text.endsWith('\n'))
            return false;
        m_pid = text.trimmed().toInt();
        return m_pid > 0;
    }
    pid_t pid() const { return m_pid; }

    // Gone, or dead and only waiting for whoever adopted it to reap it.
    bool ended() const
    {
        if (::kill(m_pid, 0) == -1)
            return errno == ESRCH;
        return state() == 'Z';
    }

private:
    QByteArray stat() const
    {
        QFile file(QStringLiteral("/proc/%1/stat").arg(m_pid));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    char state() const
    {
        const QByteArray text = stat();
        const qsizetype close = text.lastIndexOf(')');
        return close >= 0 && close + 2 < text.size() ? text.at(close + 2) : '?';
    }
    bool isSleep() const { return stat().contains("(sleep)"); }

    QString m_pidFile;
    pid_t m_pid = 0;
};

bool logHas(const FinishPage &page, const QString &text)
{
    return page.logArea()->toPlainText().contains(text);
}

// Runs until the script has ended one way or the other.
bool runToEnd(FinishPage &page, int kernel = 0, int app = 0, int fpga = 0)
{
    page.StartInstallProcess(kernel, app, fpga);
    if (page.state() != FinishPage::State::Running)
        return false;
    return QTest::qWaitFor([&] { return page.state() != FinishPage::State::Running; }, 20000);
}
} // namespace

void TestFinishPage::init()
{
    Intervals::setScale(0.01);
}

void TestFinishPage::cleanup()
{
    StubScript::clear();
    Intervals::setScale(1.0);
}

// However the script ends, the page ends in success only for exit code 0;
// every failure stops the timers and offers Exit.
void TestFinishPage::stubRuns_data()
{
    QTest::addColumn<QByteArray>("end");
    QTest::addColumn<int>("stub"); // 0 none, 1 executable, 2 not executable
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<double>("timeScale");
    QTest::newRow("exit 0") << QByteArray("exit0") << 1 << true << "Extracting stub 0 1 0" << 0.01;
    QTest::newRow("exit 1") << QByteArray("exit1") << 1 << false << "exit code 1" << 0.01;
    QTest::newRow("crash") << QByteArray("crash") << 1 << false << "crashed" << 0.01;
    QTest::newRow("cannot start") << QByteArray() << 2 << false << "cannot start" << 0.01;
    QTest::newRow("missing") << QByteArray() << 0 << false << "cannot start" << 0.01;
    // The time limit, shortened to a fraction of a second.
    QTest::newRow("never ends") << QByteArray("hang") << 1 << false << "did not end within 30 minutes" << 0.0001;
}

void TestFinishPage::stubRuns()
{
    QFETCH(QByteArray, end);
    QFETCH(int, stub);
    QFETCH(bool, success);
    QFETCH(QString, logLine);
    QFETCH(double, timeScale);
    Intervals::setScale(timeScale);
    TestRoot root;
    if (stub)
        QVERIFY(StubScript::place(root, stub == 1));
    if (!end.isEmpty())
        StubScript::set("RENOVO_STUB_END", end);
    FinishPage page;
    QVERIFY(page.pipeOpen());
    page.show();
    QVERIFY(runToEnd(page, 0, 1, 0));
    QVERIFY2(logHas(page, logLine), qPrintable(page.logArea()->toPlainText()));
    QVERIFY(!page.isPollingPipe());
    QVERIFY(!page.isTicking());
    Installwizardbutton *button = page.finishButton();
    QVERIFY(button->isEnabled());
    QVERIFY(button->isNormalLook());
    if (success) {
        QCOMPARE(page.state(), FinishPage::State::Succeeded);
        QCOMPARE(page.titleLabel()->text(), QStringLiteral("Update is successful"));
        QCOMPARE(button->installButtonText(), QStringLiteral("Complete"));
        QCOMPARE(page.progressBar()->value(), 100);
    } else {
        QCOMPARE(page.state(), FinishPage::State::Failed);
        QCOMPARE(page.titleLabel()->text(), QStringLiteral("Update fails"));
        QCOMPARE(button->installButtonText(), QStringLiteral("Exit"));
    }
    // Nothing of the script is left running.
    const ChildProcess *child = page.findChild<ChildProcess *>();
    QVERIFY(child);
    QTRY_VERIFY(!child->isRunning());
}

// Megabytes of output are read in bounded pieces and end in time; the log
// keeps its last lines, each as plain text.
void TestFinishPage::outputShownAsTextAndBounded_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("bytes");
    QTest::newRow("20 MB of file names") << QByteArray("works/lib/modules/extra/some-driver-file.ko") << 20 * 1000 * 1000;
    QTest::newRow("markup") << QByteArray("<b>x<img width=30000 src=x>") << 200;
}

void TestFinishPage::outputShownAsTextAndBounded()
{
    QFETCH(QByteArray, line);
    QFETCH(int, bytes);
    TestRoot root;
    QVERIFY(StubScript::place(root));
    StubScript::set("RENOVO_STUB_OUTPUT", QByteArray::number(bytes));
    StubScript::set("RENOVO_STUB_LINE", line);
    FinishPage page;
    page.show();
    QVERIFY(runToEnd(page));
    QCOMPARE(page.state(), FinishPage::State::Succeeded);
    const QStringList lines = page.logArea()->toPlainText().split(QLatin1Char('\n'));
    QVERIFY(lines.size() <= page.logArea()->document()->maximumBlockCount());
    QCOMPARE(lines.last(), QStringLiteral("Extracting last line"));
    QVERIFY2(lines.contains(QStringLiteral("Extracting ") + QString::fromLatin1(line)), qPrintable(lines.join('\n').right(500)));
}

// Tens of megabytes with no line break: each piece is read and dropped but
// for the line's end, so the log never holds more than its bounded lines
// at any moment, the event loop keeps turning, and the update ends well.
void TestFinishPage::unbrokenOutputStaysBounded_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("lineBytes"); // lines after it
    QTest::addColumn<QString>("lastLine");
    const QString cutLine = QStringLiteral("Extracting \u2026") + QString(FinishPage::ShownLineChars, QLatin1Char('x'));
    QTest::newRow("50 MB, no line end at all") << 50 * 1000 * 1000 << 0 << cutLine;
    QTest::newRow("50 MB, then lines") << 50 * 1000 * 1000 << 1000 << "Extracting last line";
    QTest::newRow("a line just short of the cut") << FinishPage::ShownLineChars << 0
                                                  << "Extracting " + QString(FinishPage::ShownLineChars, QLatin1Char('x'));
}

void TestFinishPage::unbrokenOutputStaysBounded()
{
    QFETCH(int, bytes);
    QFETCH(int, lineBytes);
    QFETCH(QString, lastLine);
    TestRoot root;
    QVERIFY(StubScript::place(root));
    StubScript::set("RENOVO_STUB_UNBROKEN", QByteArray::number(bytes));
    StubScript::set("RENOVO_STUB_OUTPUT", QByteArray::number(lineBytes));
    FinishPage page;
    page.show();
    QTextDocument *log = page.logArea()->document();
    // Room for every line the log keeps at its longest, and its prefix.
    const int bound = log->maximumBlockCount() * (FinishPage::ShownLineChars + 20);
    int pieces = 0, longest = 0, turns = 0, turnsAtFirstPiece = -1, turnsAtLastPiece = -1;
    const ChildProcess *child = page.findChild<ChildProcess *>();
    QVERIFY(child);
    // After the page's own handler: what it has made of each piece.
    connect(child, &ChildProcess::outputReady, this, [&] {
        ++pieces;
        longest = std::max(longest, log->characterCount());
        if (turnsAtFirstPiece < 0)
            turnsAtFirstPiece = turns;
        turnsAtLastPiece = turns;
    });
    QTimer turn;
    connect(&turn, &QTimer::timeout, this, [&] { ++turns; });
    turn.start(0);
    // The page's own handler of the end runs first. An event loop of its
    // own, as the program's: a wait that sleeps between rounds would read
    // one piece per round.
    QSignalSpy ended(child, &ChildProcess::finished);
    page.StartInstallProcess(0, 0, 0);
    QVERIFY(ended.wait(60000));
    QCOMPARE(page.state(), FinishPage::State::Succeeded);
    QVERIFY2(longest <= bound, qPrintable(QStringLiteral("the log held %1 characters").arg(longest)));
    QVERIFY(log->characterCount() <= bound);
    const QStringList lines = page.logArea()->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.last(), lastLine);
    QCOMPARE(lines.first(), QStringLiteral("Extracting stub 0 0 0"));
    if (bytes > 1000 * 1000) {
        // The output came in many pieces, with the loop turning between them.
        QVERIFY(pieces > 10);
        QVERIFY(turnsAtLastPiece > turnsAtFirstPiece);
    }
}

// Whatever the script started and left behind ends with it: after a
// normal end, a failure, a crash, the time limit, and when the page goes
// while the script still runs.
void TestFinishPage::scriptLeavesNothingRunning_data()
{
    QTest::addColumn<QByteArray>("end");
    QTest::addColumn<double>("timeScale");
    QTest::addColumn<bool>("closeWhileRunning");
    QTest::addColumn<bool>("success");
    QTest::newRow("exit 0") << QByteArray("exit0") << 0.01 << false << true;
    QTest::newRow("exit 1") << QByteArray("exit1") << 0.01 << false << false;
    QTest::newRow("crash") << QByteArray("crash") << 0.01 << false << false;
    // The time limit, shortened to under a second.
    QTest::newRow("time limit") << QByteArray("hang") << 0.0005 << false << false;
    QTest::newRow("page closed") << QByteArray("hang") << 0.01 << true << false;
}

void TestFinishPage::scriptLeavesNothingRunning()
{
    QFETCH(QByteArray, end);
    QFETCH(double, timeScale);
    QFETCH(bool, closeWhileRunning);
    QFETCH(bool, success);
    Intervals::setScale(timeScale);
    TestRoot root;
    QVERIFY(StubScript::place(root));
    StubScript::set("RENOVO_STUB_BACKGROUND", "1");
    StubScript::set("RENOVO_STUB_END", end);
    StubChild background(root);
    auto page = std::make_unique<FinishPage>();
    page->StartInstallProcess(0, 0, 0);
    QTRY_VERIFY(background.read());
    if (closeWhileRunning) {
        QCOMPARE(page->state(), FinishPage::State::Running);
        page.reset();
    } else {
        QVERIFY(QTest::qWaitFor([&] { return page->state() != FinishPage::State::Running; }, 20000));
        QCOMPARE(page->state(), success ? FinishPage::State::Succeeded : FinishPage::State::Failed);
    }
    QTRY_VERIFY2(background.ended(), qPrintable(QStringLiteral("pid %1 still runs").arg(background.pid())));
}

// The stub writes "0 " and, a pause later, "1 25": one message, not two.
void TestFinishPage::splitMessageFromTheStub()
{
    TestRoot root;
    QVERIFY(StubScript::place(root));
    StubScript::set("RENOVO_STUB_MESSAGES", "0 1 25");
    StubScript::set("RENOVO_STUB_SPLIT", "1");
    StubScript::set("RENOVO_STUB_PAUSE", "0.2");
    StubScript::set("RENOVO_STUB_END", "exit1");
    FinishPage page;
    QVERIFY(runToEnd(page));
    QCOMPARE(page.progress().finalFlag(), 0);
    QCOMPARE(page.progress().seconds(), 1);
    QCOMPARE(page.progress().amount(), 25);
    QVERIFY(page.progressBar()->value() >= 25);
}

// A message with seconds 0 used to divide by zero mid-update: it is
// ignored, the next one counts, and the page lives to report the end.
void TestFinishPage::secondsZeroFromTheStub()
{
    TestRoot root;
    QVERIFY(StubScript::place(root));
    StubScript::set("RENOVO_STUB_MESSAGES", "0 0 30;1 -2 0;0 1 10");
    StubScript::set("RENOVO_STUB_PAUSE", "0.1");
    StubScript::set("RENOVO_STUB_END", "exit1");
    FinishPage page;
    QVERIFY(runToEnd(page));
    QCOMPARE(page.state(), FinishPage::State::Failed);
    QCOMPARE(page.progress().seconds(), 1);
    QCOMPARE(page.progress().amount(), 10);
    QVERIFY(page.progressBar()->value() >= 10 && page.progressBar()->value() <= 30);
}

// Reads driven one poll at a time: split text waits, a later message in
// the same read is dropped, seconds 0 changes nothing.
void TestFinishPage::readsArePutTogether()
{
    TestRoot root;
    FinishPage page;
    QVERIFY(page.pipeOpen());
    QVERIFY(writePipe(root, "0 "));
    page.fifoTimeSlots();
    QCOMPARE(page.progressBar()->value(), 0);
    QVERIFY(!page.isTicking());
    QVERIFY(writePipe(root, "10 30\n"));
    page.fifoTimeSlots();
    QCOMPARE(page.progressBar()->value(), 3);
    QVERIFY(page.isTicking());
    page.progressTimerSlots();
    QCOMPARE(page.progressBar()->value(), 6);

    QVERIFY(writePipe(root, "0 0 30\n"));
    page.fifoTimeSlots();
    QCOMPARE(page.progressBar()->value(), 6);
    QCOMPARE(page.progress().step(), 3.0f);

    QVERIFY(writePipe(root, "1 2 0\n0 1 1\n"));
    page.fifoTimeSlots();
    QCOMPARE(page.progress().finalFlag(), 1);
    QCOMPARE(page.progress().step(), 47.0f);
    QCOMPARE(page.progressBar()->value(), 53);
    page.progressTimerSlots();
    QCOMPARE(page.progressBar()->value(), 100);

    // More than one read's worth waiting: taken 128 bytes at a time.
    QVERIFY(writePipe(root, QByteArray(200, ' ')));
    page.fifoTimeSlots();
    page.fifoTimeSlots();
    page.fifoTimeSlots();
    QCOMPARE(page.progressBar()->value(), 100);
}

void TestFinishPage::pipeReplacesWhatWasThere()
{
    TestRoot root;
    const QString pipe = QString::fromLatin1(FinishPage::ProgressPipe);
    QVERIFY(root.writeFile(pipe, "stale"));
    FinishPage page;
    QVERIFY(page.pipeOpen());
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(root.hostPath(pipe)).constData(), &info), 0);
    QVERIFY(S_ISFIFO(info.st_mode));
}

// Complete after success and Exit after failure both lead out, once.
void TestFinishPage::finishButtonLeads_data()
{
    QTest::addColumn<QByteArray>("end");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("normalLook");
    QTest::newRow("Complete") << QByteArray("exit0") << "reboot..." << false;
    QTest::newRow("Exit") << QByteArray("exit1") << "Exit" << true;
}

void TestFinishPage::finishButtonLeads()
{
    QFETCH(QByteArray, end);
    QFETCH(QString, text);
    QFETCH(bool, normalLook);
    TestRoot root;
    QVERIFY(StubScript::place(root));
    StubScript::set("RENOVO_STUB_END", end);
    FinishPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy leaving(&page, &FinishPage::finishPagesignals);
    QTest::mouseClick(page.finishButton(), Qt::LeftButton);
    QCOMPARE(leaving.count(), 0); // not while nothing has run
    QVERIFY(runToEnd(page));
    QTest::mouseClick(page.finishButton(), Qt::LeftButton);
    QTest::mouseClick(page.finishButton(), Qt::LeftButton);
    QCOMPARE(leaving.count(), 1);
    QCOMPARE(page.state(), FinishPage::State::Finishing);
    QCOMPARE(page.finishButton()->installButtonText(), text);
    QCOMPARE(page.finishButton()->isNormalLook(), normalLook);
}

// "System Updating, Do not power-off" stands while the script runs and
// goes when it ends, however it ends.
void TestFinishPage::warningOnlyWhileUpdating_data()
{
    QTest::addColumn<QByteArray>("end");
    QTest::addColumn<bool>("executable");
    QTest::newRow("success") << QByteArray("exit0") << true;
    QTest::newRow("exit code") << QByteArray("exit1") << true;
    QTest::newRow("crash") << QByteArray("crash") << true;
    QTest::newRow("cannot start") << QByteArray() << false;
}

void TestFinishPage::warningOnlyWhileUpdating()
{
    QFETCH(QByteArray, end);
    QFETCH(bool, executable);
    TestRoot root;
    QVERIFY(StubScript::place(root, executable));
    if (!end.isEmpty())
        StubScript::set("RENOVO_STUB_END", end);
    FinishPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QImage idle = warningArea(page);
    page.StartInstallProcess(0, 0, 0);
    QCOMPARE(page.state(), FinishPage::State::Running);
    QVERIFY(warningArea(page) != idle);
    QVERIFY(QTest::qWaitFor([&] { return page.state() != FinishPage::State::Running; }, 20000));
    QCOMPARE(warningArea(page), idle);
}

// The percentage, where each of the platforms' styles draws it, stands out
// from what lies beneath it on the page: the pixels the text changes are
// compared with the same pixels drawn without it.
void TestFinishPage::percentageReadable_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("value");
    for (const char *style : {"Windows", "Fusion"})
        for (int value : {0, 40, 100})
            QTest::addRow("%s, %d%%", style, value) << QString::fromLatin1(style) << value;
}

void TestFinishPage::percentageReadable()
{
    QFETCH(QString, style);
    QFETCH(int, value);
    TestRoot root;
    const QString before = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(style));
    FinishPage page;
    QProgressBar *bar = page.progressBar();
    bar->setValue(value);
    const QImage with = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // An empty text keeps the room a style sets aside for it.
    bar->setFormat(QString());
    const QImage without = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QApplication::setStyle(QStyleFactory::create(before));

    int textPixels = 0;
    double best = 1.0;
    QRgb text = 0, beneath = 0;
    const QRect area = bar->geometry();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb a = with.pixel(x, y), b = without.pixel(x, y);
            if (a == b)
                continue;
            ++textPixels;
            if (contrast(a, b) > best) {
                best = contrast(a, b);
                text = a;
                beneath = b;
            }
        }
    QVERIFY2(textPixels >= 20, "no percentage drawn");
    QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("text %1 on %2: contrast %3")
                                         .arg(QColor(text).name(), QColor(beneath).name())
                                         .arg(best, 0, 'f', 2)));
}

QTEST_MAIN(TestFinishPage)
#include "tst_finishpage.moc"
