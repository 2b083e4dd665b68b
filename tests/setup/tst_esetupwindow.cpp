#include "egeneralpage.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "einfopage.h"
#include "elistitems.h"
#include "emiscpage.h"
#include "ephotospage.h"
#include "esetupitem.h"
#include "esetupwindow.h"
#include "fiforeader.h"
#include "idleinterval.h"
#include "idlewatcher.h"
#include "messagechannel.h"
#include "testroot.h"
#include "zdatetimepage.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QtTest>

#include <climits>
#include <memory>

// The setup window: its list and page stack, the back button, Escape and
// the "setupwindow" channel, and the close steps against the encoder
// service's pipe and the idle watcher.
class TstESetupWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<EGraphicsView> m_view;
    std::unique_ptr<ESetupWindow> m_window;

    ESetupItem *entry(const char *caption) const
    {
        return m_window->listItems()->findChild<ESetupItem *>(QLatin1String(caption));
    }
    QList<ESetupItem *> highlighted() const
    {
        QList<ESetupItem *> on;
        for (ESetupItem *item : m_window->listItems()->findChildren<ESetupItem *>())
            if (item->highlight())
                on << item;
        return on;
    }
    void open()
    {
        m_window->setGeometry(0, 16, 320, 225);
        m_window->hide();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_view->setVisibled(false);
    }
    static void storePeriods(const QVariant &closeScreen, const QVariant &shutdown)
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
        if (closeScreen.isValid())
            settings.setValue(QStringLiteral("CloseScreenPeriod"), closeScreen);
        if (shutdown.isValid())
            settings.setValue(QStringLiteral("ShutdownPeriod"), shutdown);
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<TestRoot>();
        m_view = std::make_unique<EGraphicsView>();
        m_window = std::make_unique<ESetupWindow>(nullptr, Qt::FramelessWindowHint);
        IdleWatcher::instance()->setIntervalMs(12345);
        open();
    }
    void cleanup()
    {
        m_window.reset();
        m_view.reset();
        m_root.reset();
    }

    void pagesInOrder()
    {
        QCOMPARE(EGlobal::getSetupWindow(), m_window.get());
        QVERIFY(qobject_cast<EGeneralPage *>(m_window->widget(0)));
        QVERIFY(qobject_cast<EMiscPage *>(m_window->widget(1)));
        QVERIFY(qobject_cast<EPhotosPage *>(m_window->widget(2)));
        QVERIFY(qobject_cast<ZDateTimePage *>(m_window->widget(3)));
        QVERIFY(qobject_cast<EInfoPage *>(m_window->widget(4)));
        QCOMPARE(m_window->widget(-1), nullptr);
        QCOMPARE(m_window->widget(5), nullptr);
        QCOMPARE(m_window->widget(INT_MAX), nullptr);
        QCOMPARE(m_window->currentIndex(), 0);
        QCOMPARE(m_window->listItems()->width(), 130);
        QCOMPARE(m_window->listItems()->objectName(), QStringLiteral("ListItem"));
        QCOMPARE(highlighted(), QList<ESetupItem *>{entry("General")});
        // The whole list fits the window: the back button is on screen.
        QPushButton *back = m_window->listItems()->backButton();
        QVERIFY(back->geometry().bottom() < m_window->height());
        QVERIFY(back->geometry().top() > entry("Info")->geometry().bottom());
    }

    void destroyedWindowLeavesTheRegistry()
    {
        m_window.reset();
        QCOMPARE(EGlobal::getSetupWindow(), nullptr);
    }

    // Entries from the top: the page each shows. With a page's dialog
    // open, a tap changes neither the page nor the highlight.
    void selection_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("dialogOpen");
        const char *captions[] = {"General", "Control", "Photos", "Date & Time", "Info"};
        for (int page = 0; page < 5; ++page) {
            QTest::addRow("%s", captions[page]) << QString::fromLatin1(captions[page]) << page << false;
            QTest::addRow("%s, dialog open", captions[page]) << QString::fromLatin1(captions[page]) << page << true;
        }
    }
    void selection()
    {
        QFETCH(QString, caption);
        QFETCH(int, page);
        QFETCH(bool, dialogOpen);
        // Start from Photos so every entry is a change.
        QTest::mouseClick(entry("Photos"), Qt::LeftButton);
        QCOMPARE(m_window->currentIndex(), 2);
        m_view->setSetupVisibled(dialogOpen);
        QSignalSpy changed(m_window->listItems(), &EListItems::pageChanged);
        ESetupItem *target = entry(caption.toLatin1().constData());
        QVERIFY(target);
        // The page changes as the finger lands.
        QTest::mousePress(target, Qt::LeftButton);
        const int expected = dialogOpen ? 2 : page;
        QCOMPARE(m_window->currentIndex(), expected);
        QCOMPARE(changed.count(), dialogOpen ? 0 : 1);
        QTest::mouseRelease(target, Qt::LeftButton);
        QCOMPARE(m_window->currentIndex(), expected);
        QCOMPARE(highlighted(), QList<ESetupItem *>{dialogOpen ? entry("Photos") : target});
        QCOMPARE(m_window->listItems()->currentItem(), highlighted().value(0));
    }

    void unknownNameKeepsTheEntry()
    {
        QSignalSpy changed(m_window->listItems(), &EListItems::pageChanged);
        m_window->listItems()->clickedHandler(QStringLiteral("Nothing"));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(highlighted(), QList<ESetupItem *>{entry("General")});
    }

    // The back button's press takes the highlight; a release with a page
    // dialog open leaves the window open until the next show.
    void backWithDialogOpen()
    {
        QTest::mouseClick(entry("Info"), Qt::LeftButton);
        m_view->setSetupVisibled(true);
        QPushButton *back = m_window->listItems()->backButton();
        QTest::mousePress(back, Qt::LeftButton);
        QVERIFY(highlighted().isEmpty());
        QTest::mouseRelease(back, Qt::LeftButton);
        QVERIFY(m_window->isVisible());
        QVERIFY(highlighted().isEmpty());
        QVERIFY(!m_view->isVisibled());
        QVERIFY(m_view->isSetupVisibled());
        m_window->hide();
        m_window->show();
        QCOMPARE(highlighted(), QList<ESetupItem *>{entry("Info")});
        QCOMPARE(m_window->currentIndex(), 4);
    }

    void backCloses()
    {
        QTest::mouseClick(entry("Control"), Qt::LeftButton);
        QTest::mouseClick(m_window->listItems()->backButton(), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_view->isVisibled());
        // Reopened on the page last chosen.
        open();
        QCOMPARE(m_window->currentIndex(), 1);
        QCOMPARE(highlighted(), QList<ESetupItem *>{entry("Control")});
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("A") << int(Qt::Key_A) << false;
        QTest::newRow("Return") << int(Qt::Key_Return) << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << false;
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(bool, closes);
        m_view->setSetupVisibled(true);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &press);
        // Every key goes on to the window's parent as it came.
        QVERIFY(!press.isAccepted());
        QCOMPARE(m_window->isVisible(), !closes);
        QCOMPARE(m_view->isVisibled(), closes);
        QCOMPARE(m_view->isSetupVisibled(), !closes);
    }

    // Any message closes, also while the window is hidden.
    void messages_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("close") << QStringLiteral("close") << false;
        QTest::newRow("another message") << QStringLiteral("refresh()") << false;
        QTest::newRow("empty message") << QString() << false;
        QTest::newRow("close while hidden") << QStringLiteral("close") << true;
    }
    void messages()
    {
        QFETCH(QString, message);
        QFETCH(bool, hidden);
        if (hidden)
            m_window->hide();
        m_view->setSetupVisibled(true);
        storePeriods(30000, 0);
        QVERIFY(MessageChannel::send(QStringLiteral("setupwindow"), message, QByteArrayLiteral("x")));
        QTRY_VERIFY(m_view->isVisibled());
        QVERIFY(!m_window->isVisible());
        QVERIFY(!m_view->isSetupVisibled());
        QCOMPARE(IdleWatcher::instance()->intervalMs(), 30000);
    }

    // The close steps with the service reading: "resume stop" arrives once
    // and whole, the stored periods are in force and both flags are set.
    void closeSendsResumeStop()
    {
        QVERIFY(m_root->makeFifo(QStringLiteral("/tmp/service_ir")));
        FifoReader service(QStringLiteral("/tmp/service_ir"));
        QVERIFY(service.open());
        QSignalSpy received(&service, &FifoReader::received);
        storePeriods(120000, 300);
        QTest::mouseClick(m_window->listItems()->backButton(), Qt::LeftButton);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toByteArray(), QByteArray("resume stop"));
        QCOMPARE(IdleWatcher::instance()->intervalMs(), 120000);
        QVERIFY(m_view->isVisibled());
        QVERIFY(!received.wait(50));
        QCOMPARE(received.count(), 1);
        service.stop();
    }

    // Nobody reads the pipe, it is missing, or a stale file stands in its
    // place: the close steps still finish at once, nothing is created or
    // changed, and the rest of the steps run.
    void closeWithoutService_data()
    {
        QTest::addColumn<QString>("pipe");
        QTest::newRow("pipe without reader") << QStringLiteral("fifo");
        QTest::newRow("no pipe") << QStringLiteral("none");
        QTest::newRow("regular file") << QStringLiteral("file");
    }
    void closeWithoutService()
    {
        QFETCH(QString, pipe);
        const QString path = QStringLiteral("/tmp/service_ir");
        if (pipe == QLatin1String("fifo"))
            QVERIFY(m_root->makeFifo(path));
        else if (pipe == QLatin1String("file"))
            QVERIFY(m_root->writeFile(path, "old"));
        storePeriods(0, 600);
        QElapsedTimer clock;
        clock.start();
        m_window->close();
        // A blocking open would never come back; the writer's bound is
        // a tenth of a second.
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_view->isVisibled());
        QCOMPARE(IdleWatcher::instance()->intervalMs(), 60000);
        const QFileInfo info(m_root->hostPath(path));
        if (pipe == QLatin1String("none"))
            QVERIFY(!info.exists());
        else if (pipe == QLatin1String("file"))
            QCOMPARE(m_root->readFile(path), QByteArray("old"));
        else
            QVERIFY(!info.isFile());
    }

    void closeWithoutLiveView()
    {
        m_view.reset();
        QCOMPARE(EGlobal::getGraphicsView(), nullptr);
        storePeriods(60000, 600);
        QVERIFY(m_window->close());
        QVERIFY(!m_window->isVisible());
        QCOMPARE(IdleWatcher::instance()->intervalMs(), 60000);
    }

    // The interval rule against the stored periods (screen-off ms,
    // power-off s), then values that are no periods at all.
    void idleInterval_data()
    {
        QTest::addColumn<int>("closeScreenMs");
        QTest::addColumn<int>("shutdownS");
        QTest::addColumn<int>("powerOffOnlyMs");
        QTest::addColumn<int>("expected");
        QTest::newRow("both set") << 60000 << 600 << 60000 << 60000;
        QTest::newRow("both off") << 0 << 0 << 60000 << 0;
        QTest::newRow("power-off only") << 0 << 300 << 60000 << 60000;
        QTest::newRow("screen-off wins") << 120000 << 300 << 60000 << 120000;
        QTest::newRow("screen-off only") << 30000 << 0 << 60000 << 30000;
        QTest::newRow("start-up, power-off only") << 0 << 300 << 6000 << 6000;
        QTest::newRow("start-up, screen-off") << 60000 << 300 << 6000 << 60000;
        QTest::newRow("negative screen-off") << -5 << 0 << 60000 << 0;
        QTest::newRow("negative screen-off, power-off set") << -60000 << 300 << 60000 << 60000;
        QTest::newRow("negative power-off") << 0 << -1 << 60000 << 0;
        QTest::newRow("both lowest") << INT_MIN << INT_MIN << 60000 << 0;
        QTest::newRow("largest screen-off") << INT_MAX << 0 << 60000 << INT_MAX;
    }
    void idleInterval()
    {
        QFETCH(int, closeScreenMs);
        QFETCH(int, shutdownS);
        QFETCH(int, powerOffOnlyMs);
        QFETCH(int, expected);
        QCOMPARE(idleIntervalMs(closeScreenMs, shutdownS, powerOffOnlyMs), expected);
    }

    void storedIdleInterval_data()
    {
        QTest::addColumn<QVariant>("closeScreen");
        QTest::addColumn<QVariant>("shutdown");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("atStartUp");
        QTest::newRow("60000 / 600") << QVariant(60000) << QVariant(600) << 60000 << 60000;
        QTest::newRow("0 / 0") << QVariant(0) << QVariant(0) << 0 << 0;
        QTest::newRow("0 / 300") << QVariant(0) << QVariant(300) << 60000 << 6000;
        QTest::newRow("120000 / 300") << QVariant(120000) << QVariant(300) << 120000 << 120000;
        QTest::newRow("nothing stored") << QVariant() << QVariant() << 0 << 0;
        QTest::newRow("negative screen-off") << QVariant(-60000) << QVariant(0) << 0 << 0;
        QTest::newRow("negative screen-off, power-off set") << QVariant(-1) << QVariant(300) << 60000 << 6000;
        QTest::newRow("negative power-off") << QVariant(0) << QVariant(-300) << 0 << 0;
        QTest::newRow("words") << QVariant(QStringLiteral("soon")) << QVariant(QStringLiteral("never")) << 0 << 0;
        QTest::newRow("trailing letters") << QVariant(QStringLiteral("60000ms")) << QVariant(0) << 0 << 0;
        QTest::newRow("fraction") << QVariant(QStringLiteral("60000.5")) << QVariant(0) << 0 << 0;
        QTest::newRow("beyond int") << QVariant(QStringLiteral("99999999999")) << QVariant(0) << 0 << 0;
        QTest::newRow("empty") << QVariant(QString()) << QVariant(QString()) << 0 << 0;
        QTest::newRow("a list") << QVariant(QStringList{QStringLiteral("1"), QStringLiteral("2")}) << QVariant(300) << 60000 << 6000;
    }
    void storedIdleInterval()
    {
        QFETCH(QVariant, closeScreen);
        QFETCH(QVariant, shutdown);
        QFETCH(int, expected);
        QFETCH(int, atStartUp);
        storePeriods(closeScreen, shutdown);
        QCOMPARE(storedIdleIntervalMs(), expected);
        QCOMPARE(storedIdleIntervalMs(6000), atStartUp);
        m_window->updatePageTimeStat();
        QCOMPARE(IdleWatcher::instance()->intervalMs(), expected);
    }
};

QTEST_MAIN(TstESetupWindow)
#include "tst_esetupwindow.moc"
