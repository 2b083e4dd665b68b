#include "cvmainwindow.h"
#include "edialogtitle.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "ephotospage.h"
#include "esetupcombobox.h"
#include "esetupswitch.h"
#include "etoolwidget.h"
#include "fiforeader.h"
#include "freespace.h"
#include "intervals.h"
#include "key_num.h"
#include "messagechannel.h"
#include "photointerval.h"
#include "phototimeboard.h"
#include "phototimedialog.h"
#include "testroot.h"
#include "zlineedit.h"

#include <QLoggingCategory>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

// The Photos page, its interval dialog and number pad, and the interval
// capture's tick, against pipes in the test root read as the encoder
// service and the save thread would.
class TestPhotos : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<EGraphicsView> m_view;
    std::unique_ptr<CvmainWindow> m_panel;
    std::unique_ptr<EPhotosPage> m_page;

    // Raw texts, so hostile values reach the readers as they would.
    static void store(const QVariant &count, const QVariant &unit)
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        for (const auto &[key, value] : {std::pair{"PhotoTimeCount", count}, std::pair{"PhotoTimeUnit", unit}}) {
            if (value.isValid())
                settings.setValue(QLatin1String(key), value);
            else
                settings.remove(QLatin1String(key));
        }
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }
    static QVariant stored(const char *key)
    {
        return QSettings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat).value(QLatin1String(key));
    }
    PhotoTimeDialog *openDialog()
    {
        QTest::mouseClick(m_page->periodRow(), Qt::LeftButton);
        PhotoTimeDialog *dialog = m_page->dialog();
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }
    void applyDialogSteps(PhotoTimeDialog *dialog, const QString &steps);
    static QPushButton *titleButton(PhotoTimeDialog *dialog, const char *text)
    {
        for (QPushButton *button : dialog->title()->findChildren<QPushButton *>())
            if (button->text() == QLatin1String(text))
                return button;
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }
    void init()
    {
        m_root = std::make_unique<TestRoot>();
        m_view = std::make_unique<EGraphicsView>();
        m_panel = std::make_unique<CvmainWindow>();
        EGlobal::set_cvmainwindow(m_panel.get());
    }
    void cleanup()
    {
        m_page.reset();
        EGlobal::set_cvmainwindow(nullptr);
        m_panel.reset();
        m_view.reset();
        FreeSpace::setScript(nullptr);
        m_root.reset();
    }

    void intervalRule_data();
    void intervalRule();
    void intervalText_data();
    void intervalText();
    void dialogSteps_data();
    void dialogSteps();
    void padEntries_data();
    void padEntries();
    void doneRestartsARunningTimer();
    void cancelAndEscapeDiscard();
    void repeatSwitch();
    void tick_data();
    void tick();
    void tickWithoutReaderReleasesThePicture_data();
    void tickWithoutReaderReleasesThePicture();
};

// The page, the dialog and the shared rule read one interval from the same
// stored values, whatever is stored.
void TestPhotos::intervalRule_data()
{
    QTest::addColumn<QVariant>("count");
    QTest::addColumn<QVariant>("unit");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("dialogCount");
    QTest::addColumn<int>("dialogUnit");

    const QVariant none;
    QTest::newRow("nothing stored") << none << none << qint64(5) << "5s" << 5 << 0;
    QTest::newRow("2 hours") << QVariant(2) << QVariant(2) << qint64(7200) << "2h0m0s" << 2 << 2;
    QTest::newRow("0 minutes is 5 minutes") << QVariant(0) << QVariant(1) << qint64(300) << "5m0s" << 5 << 1;
    QTest::newRow("0 hours is 5 hours") << QVariant(0) << QVariant(2) << qint64(18000) << "5h0m0s" << 5 << 2;
    QTest::newRow("negative seconds") << QVariant(-3) << QVariant(0) << qint64(5) << "5s" << 5 << 0;
    QTest::newRow("negative minutes") << QVariant(-2) << QVariant(1) << qint64(60) << "1m0s" << 1 << 1;
    QTest::newRow("unit -1 is seconds") << QVariant(7) << QVariant(-1) << qint64(7) << "7s" << 7 << 0;
    QTest::newRow("unit 5 is seconds") << QVariant(7) << QVariant(5) << qint64(7) << "7s" << 7 << 0;
    QTest::newRow("unit not a number") << QVariant(7) << QVariant("x") << qint64(7) << "7s" << 7 << 0;
    QTest::newRow("count not a number") << QVariant("abc") << QVariant(0) << qint64(5) << "5s" << 5 << 0;
    QTest::newRow("90 s") << QVariant(90) << QVariant(0) << qint64(90) << "1m30s" << 90 << 0;
    QTest::newRow("3661 s") << QVariant(3661) << QVariant(0) << qint64(3661) << "1h1m1s" << 3661 << 0;
    QTest::newRow("too many seconds") << QVariant(100000) << QVariant(0) << qint64(86400) << "24h0m0s" << 86400 << 0;
    QTest::newRow("1440 minutes") << QVariant(1440) << QVariant(1) << qint64(86340) << "23h59m0s" << 1439 << 1;
    QTest::newRow("25 hours") << QVariant(25) << QVariant(2) << qint64(86400) << "24h0m0s" << 24 << 2;
    // seconds x 1000 overflowed an int here.
    QTest::newRow("int max seconds") << QVariant(INT_MAX) << QVariant(0) << qint64(86400) << "24h0m0s" << 86400 << 0;
    QTest::newRow("beyond 32 bits") << QVariant("99999999999") << QVariant(2) << qint64(86400) << "24h0m0s" << 24 << 2;
    QTest::newRow("unsigned -1") << QVariant(4294967295u) << QVariant(1) << qint64(86340) << "23h59m0s" << 1439 << 1;
}

void TestPhotos::intervalRule()
{
    QFETCH(QVariant, count);
    QFETCH(QVariant, unit);
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QFETCH(int, dialogCount);
    QFETCH(int, dialogUnit);
    store(count, unit);

    QCOMPARE(EPhotosPage::readConfigParam(), seconds);
    QCOMPARE(EPhotosPage::int_to_time(seconds), text);
    m_page = std::make_unique<EPhotosPage>();
    QCOMPARE(m_page->periodRow()->text(), text);
    // The timer's period is the interval, in 64 bits.
    m_page->repeatHandler_start();
    QCOMPARE(qint64(m_page->repeatTimer()->interval()), qint64(Intervals::ms(int(seconds * 1000))));

    PhotoTimeDialog *dialog = openDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->count(), dialogCount);
    QCOMPARE(dialog->unit(), dialogUnit);
    QCOMPARE(dialog->countEdit()->text(), QString::number(dialogCount));
    QCOMPARE(dialog->unitEdit()->text(), PhotoTimeDialog::unitName(dialogUnit));
    QCOMPARE(PhotoInterval::fromStored(dialogCount, dialogUnit).seconds(), seconds);
    QVERIFY(m_view->isSetupVisibled());
    dialog->close();
}

void TestPhotos::intervalText_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << "0s";
    QTest::newRow("negative") << qint64(-5) << "0s";
    QTest::newRow("59") << qint64(59) << "59s";
    QTest::newRow("60") << qint64(60) << "1m0s";
    QTest::newRow("3599") << qint64(3599) << "59m59s";
    QTest::newRow("3600") << qint64(3600) << "1h0m0s";
    QTest::newRow("86400") << qint64(86400) << "24h0m0s";
}

void TestPhotos::intervalText()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(EPhotosPage::int_to_time(seconds), text);
}

// Steps: "c+", "c-", "u+", "u-" press the dialog's buttons.
void TestPhotos::applyDialogSteps(PhotoTimeDialog *dialog, const QString &steps)
{
    for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QPushButton *button = step == QLatin1String("c+") ? dialog->countAdd()
                            : step == QLatin1String("c-") ? dialog->countSub()
                            : step == QLatin1String("u+") ? dialog->unitAdd()
                                                          : dialog->unitSub();
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

void TestPhotos::dialogSteps_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("expectedCount");
    QTest::addColumn<int>("expectedUnit");
    QTest::addColumn<bool>("countFocused");

    QTest::newRow("5 s minus") << 5 << 0 << "c-" << 5 << 0 << true;
    QTest::newRow("6 s minus") << 6 << 0 << "c-" << 5 << 0 << true;
    QTest::newRow("86400 s plus") << 86400 << 0 << "c+" << 86400 << 0 << true;
    QTest::newRow("24 h plus") << 24 << 2 << "c+" << 24 << 2 << true;
    QTest::newRow("1439 min plus") << 1439 << 1 << "c+" << 1439 << 1 << true;
    QTest::newRow("1 min minus") << 1 << 1 << "c-" << 1 << 1 << true;
    QTest::newRow("1 h minus") << 1 << 2 << "c-" << 1 << 2 << true;
    QTest::newRow("unit plus on hours") << 3 << 2 << "u+" << 3 << 2 << false;
    QTest::newRow("unit minus on seconds") << 7 << 0 << "u-" << 7 << 0 << false;
    QTest::newRow("120 s to minutes") << 120 << 0 << "u+" << 120 << 1 << false;
    QTest::newRow("1439 min to hours") << 1439 << 1 << "u+" << 24 << 2 << false;
    QTest::newRow("3 min to seconds") << 3 << 1 << "u-" << 5 << 0 << false;
    QTest::newRow("up and back") << 10 << 0 << "c+ c+ c- u+ c-" << 10 << 1 << true;
    // A stored negative count is brought into range first: "+" steps from it.
    QTest::newRow("stored -2 plus") << -2 << 0 << "c+" << 6 << 0 << true;
}

void TestPhotos::dialogSteps()
{
    QFETCH(int, count);
    QFETCH(int, unit);
    QFETCH(QString, steps);
    QFETCH(int, expectedCount);
    QFETCH(int, expectedUnit);
    QFETCH(bool, countFocused);
    store(count, unit);
    m_page = std::make_unique<EPhotosPage>();
    PhotoTimeDialog *dialog = openDialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    applyDialogSteps(dialog, steps);
    QCOMPARE(dialog->count(), expectedCount);
    QCOMPARE(dialog->unit(), expectedUnit);
    QCOMPARE(dialog->countEdit()->text(), QString::number(expectedCount));
    QCOMPARE(dialog->unitEdit()->text(), PhotoTimeDialog::unitName(expectedUnit));
    QCOMPARE(dialog->countEdit()->hasFocus(), countFocused);
    QCOMPARE(dialog->unitEdit()->hasFocus(), !countFocused);
    // Nothing is stored before Done.
    QCOMPARE(stored("PhotoTimeCount").toInt(), count);
    QTest::mouseClick(titleButton(dialog, "Done"), Qt::LeftButton);
    QCOMPARE(stored("PhotoTimeCount").toInt(), expectedCount);
    QCOMPARE(stored("PhotoTimeUnit").toInt(), expectedUnit);
    QCOMPARE(m_page->periodRow()->text(), EPhotosPage::int_to_time(PhotoInterval::fromStored(expectedCount, expectedUnit).seconds()));
    QVERIFY(!dialog->isVisible());
    QVERIFY(!m_view->isSetupVisibled());
}

// Keys typed on the pad's buttons; "<" is Del. The entry keeps six digits.
void TestPhotos::padEntries_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("expectedCount");

    QTest::newRow("0 seconds") << 0 << "<<0" << "0" << 5;
    QTest::newRow("0 minutes") << 1 << "<<0" << "0" << 1;
    QTest::newRow("0 hours") << 2 << "<<0" << "0" << 1;
    QTest::newRow("100000 seconds") << 0 << "<<100000" << "100000" << 86400;
    QTest::newRow("cleared") << 0 << "<<" << "" << 5;
    QTest::newRow("appended") << 0 << "0" << "50" << 50;
    QTest::newRow("seven digits") << 0 << "<<1234567" << "123456" << 86400;
    // Ten digits once overflowed to 0 and then to the smallest count.
    QTest::newRow("ten digits") << 1 << "<<9999999999" << "999999" << 1439;
    QTest::newRow("90 minutes") << 1 << "<<90" << "90" << 90;
}

void TestPhotos::padEntries()
{
    QFETCH(int, unit);
    QFETCH(QString, keys);
    QFETCH(QString, entry);
    QFETCH(int, expectedCount);
    store(5, unit);
    m_page = std::make_unique<EPhotosPage>();
    PhotoTimeDialog *dialog = openDialog();
    QVERIFY(dialog);
    QTest::mouseClick(dialog->countEdit(), Qt::LeftButton);
    PhotoTimeBoard *board = dialog->board();
    QVERIFY(board && board->isVisible());
    QCOMPARE(board->geometry().size(), QSize(320, 240));
    QCOMPARE(board->textEdit()->toPlainText(), QStringLiteral("5"));
    QVERIFY(QTest::qWaitForWindowActive(board));
    for (const QChar key : keys) {
        QPushButton *button = nullptr;
        for (QPushButton *b : board->keypad()->findChildren<QPushButton *>()) {
            if ((key == QLatin1Char('<') && b->text() == QLatin1String("Del")) || b->text() == QString(key))
                button = b;
        }
        QVERIFY2(button, qPrintable(QString(key)));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(board->textEdit()->toPlainText(), entry);
    QSignalSpy reported(board, &PhotoTimeBoard::photoTimeBoard_signals);
    QTest::mouseClick(board->okButton(), Qt::LeftButton);
    QCOMPARE(reported.count(), 1);
    QVERIFY(!board->isVisible());
    QCOMPARE(dialog->count(), expectedCount);
    QCOMPARE(dialog->countEdit()->text(), QString::number(expectedCount));

    // Reused, showing the current count; Escape closes only the pad.
    QTest::mouseClick(dialog->countEdit(), Qt::LeftButton);
    QCOMPARE(dialog->board(), board);
    QCOMPARE(board->textEdit()->toPlainText(), QString::number(expectedCount));
    QTest::keyClick(board, Qt::Key_Escape);
    QVERIFY(!board->isVisible());
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->count(), expectedCount);
    delete board;
}

void TestPhotos::doneRestartsARunningTimer()
{
    store(5, 0);
    m_page = std::make_unique<EPhotosPage>();
    // Off: Done changes only the text.
    PhotoTimeDialog *dialog = openDialog();
    QVERIFY(dialog);
    applyDialogSteps(dialog, QStringLiteral("c+ c+"));
    dialog->doneHandler();
    QCOMPARE(m_page->periodRow()->text(), QStringLiteral("7s"));
    QVERIFY(!m_page->repeatTimer()->isActive());

    QTest::mouseClick(m_page->repeatSwitch(), Qt::LeftButton);
    QVERIFY(m_page->repeatTimer()->isActive());
    QCOMPARE(m_page->repeatTimer()->interval(), Intervals::ms(7000));
    dialog = openDialog();
    applyDialogSteps(dialog, QStringLiteral("u+"));
    QSignalSpy told(dialog, &PhotoTimeDialog::emitPhototime);
    dialog->doneHandler();
    QCOMPARE(told.count(), 1);
    QCOMPARE(m_page->periodRow()->text(), QStringLiteral("7m0s"));
    QVERIFY(m_page->repeatTimer()->isActive());
    QCOMPARE(m_page->repeatTimer()->interval(), Intervals::ms(420000));
}

void TestPhotos::cancelAndEscapeDiscard()
{
    store(30, 0);
    m_page = std::make_unique<EPhotosPage>();
    PhotoTimeDialog *dialog = openDialog();
    QVERIFY(dialog);
    applyDialogSteps(dialog, QStringLiteral("c+ u+"));
    QTest::mouseClick(titleButton(dialog, "Cancel"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!m_view->isSetupVisibled());
    QCOMPARE(stored("PhotoTimeCount").toInt(), 30);

    // Reopened with the stored values; Escape also closes the setup window.
    dialog = openDialog();
    QCOMPARE(dialog->count(), 30);
    QCOMPARE(dialog->unit(), 0);
    MessageChannel channel(QStringLiteral("setupwindow"));
    QSignalSpy messages(&channel, &MessageChannel::received);
    applyDialogSteps(dialog, QStringLiteral("c-"));
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QTRY_COMPARE(messages.count(), 1);
    QCOMPARE(messages.at(0).at(0).toString(), QStringLiteral("close"));
    QCOMPARE(stored("PhotoTimeCount").toInt(), 30);
}

void TestPhotos::repeatSwitch()
{
    m_page = std::make_unique<EPhotosPage>();
    QVERIFY(!m_page->repeatSwitch()->isOpen());
    QVERIFY(!m_page->repeatTimer()->isActive());
    QTest::mouseClick(m_page->repeatSwitch(), Qt::LeftButton);
    QVERIFY(m_page->repeatSwitch()->isOpen());
    QVERIFY(m_view->getImagesequencemode());
    QCOMPARE(m_page->repeatTimer()->interval(), Intervals::ms(5000));
    QVERIFY(!m_page->repeatTimer()->isSingleShot());
    QTest::mouseClick(m_page->repeatSwitch(), Qt::LeftButton);
    QVERIFY(!m_page->repeatSwitch()->isOpen());
    QVERIFY(!m_page->repeatTimer()->isActive());
    QVERIFY(!m_view->getImagesequencemode());
    // The factory reset's stop leaves it off and shows the new interval.
    m_page->repeatHandler_start();
    store(5, 1);
    m_page->repeatHandler_stop();
    QVERIFY(!m_page->repeatTimer()->isActive());
    QCOMPARE(m_page->periodRow()->text(), QStringLiteral("5m0s"));
}

void TestPhotos::tick_data()
{
    QTest::addColumn<bool>("sequence");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("card");
    QTest::addColumn<qint64>("freeMiB");
    QTest::addColumn<int>("busy");
    QTest::addColumn<bool>("panelMoved");
    QTest::addColumn<bool>("captured");
    QTest::addColumn<int>("busyAfter");

    QTest::newRow("flag off") << false << true << true << qint64(100) << 0 << false << false << 0;
    QTest::newRow("view not shown") << true << false << true << qint64(100) << 0 << true << false << 0;
    QTest::newRow("no card") << true << true << false << qint64(100) << 1 << true << false << 1;
    QTest::newRow("no card, idle") << true << true << false << qint64(100) << 0 << true << false << 0;
    QTest::newRow("card full") << true << true << true << qint64(0) << 0 << true << false << 0;
    QTest::newRow("busy") << true << true << true << qint64(100) << 1 << true << false << 1;
    QTest::newRow("normal") << true << true << true << qint64(100) << 0 << true << true << 1;
}

void TestPhotos::tick()
{
    QFETCH(bool, sequence);
    QFETCH(bool, shown);
    QFETCH(bool, card);
    QFETCH(qint64, freeMiB);
    QFETCH(int, busy);
    QFETCH(bool, panelMoved);
    QFETCH(bool, captured);
    QFETCH(int, busyAfter);

    FifoReader service(QStringLiteral("/tmp/service_ir"));
    FifoReader save(QStringLiteral("/tmp/QSaveImage"));
    QSignalSpy serviceData(&service, &FifoReader::received);
    QSignalSpy saveData(&save, &FifoReader::received);
    QVERIFY(service.open());
    QVERIFY(save.open());
    FreeSpace::setScript([freeMiB](const QString &) { return freeMiB * 1048576; });

    m_page = std::make_unique<EPhotosPage>();
    m_page->repeatHandler_start();
    m_view->setImagesequencemode(sequence);
    m_view->setVisibled(shown);
    m_view->toolBar()->displaySDCard(card);
    m_panel->set_Imagestate(busy);
    m_panel->move(5, 5);

    m_page->timeoutslots();

    QCOMPARE(m_panel->pos() == QPoint(0, 200), panelMoved);
    QCOMPARE(m_view->toolBar()->getFreezeImageFlag(), captured);
    QCOMPARE(m_panel->getSnapshot(), captured);
    QCOMPARE(m_panel->get_Imagestate(), busyAfter);
    if (captured) {
        QTRY_COMPARE(serviceData.count(), 1);
        QTRY_COMPARE(saveData.count(), 1);
        const QByteArray start = serviceData.at(0).at(0).toByteArray();
        QCOMPARE(start, QByteArray("jpegenc start"));
        QCOMPARE(start.size(), 13);
        QCOMPARE(saveData.at(0).at(0).toByteArray(), QByteArray("save"));
    }
    // Give a stray write the chance to arrive before saying none came.
    const int expected = captured ? 1 : 0;
    QVERIFY(!QTest::qWaitFor([&] { return serviceData.count() > expected || saveData.count() > expected; }, 50));
    QCOMPARE(serviceData.count(), captured ? 1 : 0);
    QCOMPARE(saveData.count(), captured ? 1 : 0);
    // The timer keeps running whatever the tick found.
    QVERIFY(m_page->repeatTimer()->isActive());
    service.stop();
    save.stop();
}

// A command that cannot be written releases the picture and the capture
// at once instead of leaving them frozen and busy for good.
void TestPhotos::tickWithoutReaderReleasesThePicture_data()
{
    QTest::addColumn<bool>("serviceReader");
    QTest::addColumn<QByteArrayList>("serviceCommands");
    QTest::newRow("no save thread") << true << QByteArrayList{"jpegenc start", "jpegenc stop"};
    QTest::newRow("no encoder service") << false << QByteArrayList{};
}

void TestPhotos::tickWithoutReaderReleasesThePicture()
{
    QFETCH(bool, serviceReader);
    QFETCH(QByteArrayList, serviceCommands);
    FifoReader service(QStringLiteral("/tmp/service_ir"));
    QSignalSpy serviceData(&service, &FifoReader::received);
    if (serviceReader)
        QVERIFY(service.open());
    QVERIFY(m_root->makeFifo(QStringLiteral("/tmp/QSaveImage")));
    FreeSpace::setScript([](const QString &) { return qint64(100) * 1048576; });
    m_page = std::make_unique<EPhotosPage>();
    m_page->repeatHandler_start();
    m_view->toolBar()->displaySDCard(true);

    m_page->timeoutslots();

    QVERIFY(!m_view->toolBar()->getFreezeImageFlag());
    QCOMPARE(m_panel->get_Imagestate(), 0);
    QTRY_COMPARE(serviceData.count(), serviceCommands.size());
    for (int i = 0; i < serviceCommands.size(); ++i)
        QCOMPARE(serviceData.at(i).at(0).toByteArray(), serviceCommands.at(i));
    // The next tick is not held back.
    QVERIFY(m_page->repeatTimer()->isActive());
    service.stop();
}

QTEST_MAIN(TestPhotos)
#include "tst_photos.moc"
