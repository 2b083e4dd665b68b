#include "egraphicsview.h"
#include "egraphicstextitem.h"
#include "eglobal.h"
#include "etoolwidget.h"
#include "fiforeader.h"
#include "mzoomrotebutton.h"
#include "testroot.h"
#include "zmultifunctional.h"

#include <QLoggingCategory>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

// The zoom and rotate strip: held buttons as event sequences against the
// commands the encoder service reads, the indicator, revert and Done.
class TestZoomRotate : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<EGraphicsView> m_view;
    std::unique_ptr<ZMultifunctional> m_strip;
    std::unique_ptr<FifoReader> m_service;
    std::unique_ptr<QSignalSpy> m_commands;

    // Words: "P:name" presses a button, "T" is one tick of the held
    // button's repeat timer, "R" releases it, "C:name" is a press and release.
    void play(const QString &sequence);
    QByteArrayList commands() const
    {
        QByteArrayList list;
        for (const QList<QVariant> &args : *m_commands)
            list.append(args.at(0).toByteArray());
        return list;
    }
    QString indicator() const
    {
        return m_view->zoomItem()->isVisible() ? m_view->zoomItem()->text() : QString();
    }

private Q_SLOTS:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }
    void init()
    {
        m_root = std::make_unique<TestRoot>();
        m_view = std::make_unique<EGraphicsView>();
        m_service = std::make_unique<FifoReader>(QStringLiteral("/tmp/service_ir"));
        m_commands = std::make_unique<QSignalSpy>(m_service.get(), &FifoReader::received);
        QVERIFY(m_service->open());
        m_strip = std::make_unique<ZMultifunctional>();
        EGlobal::set_multifunctional(m_strip.get());
        m_strip->setGeometry(0, 200, 320, 40);
        m_strip->show();
    }
    void cleanup()
    {
        EGlobal::set_multifunctional(nullptr);
        m_strip.reset();
        m_service->stop();
        m_commands.reset();
        m_service.reset();
        m_view.reset();
        m_root.reset();
    }

    void look();
    void heldButtons_data();
    void heldButtons();
    void indicatorText_data();
    void indicatorText();
    void doneKeepsTheIndicator();
    void hidingEndsAHeldPress();
    void statusBarToggles();
    void missingServiceKeepsTheStrip();
};

void TestZoomRotate::play(const QString &sequence)
{
    MZoomroteButton *held = nullptr;
    for (const QString &word : sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.startsWith(QLatin1String("P:")) || word.startsWith(QLatin1String("C:"))) {
            held = m_strip->button(word.mid(2));
            QVERIFY2(held, qPrintable(word));
            QTest::mousePress(held, Qt::LeftButton);
            if (word.startsWith(QLatin1String("C:"))) {
                QTest::mouseRelease(held, Qt::LeftButton);
                held = nullptr;
            }
        } else if (word == QLatin1String("T")) {
            QVERIFY(held && held->repeatTimer()->isActive());
            held->time_outslots();
        } else if (word == QLatin1String("R")) {
            QVERIFY(held);
            QTest::mouseRelease(held, Qt::LeftButton);
            QVERIFY(!held->repeatTimer()->isActive());
            held = nullptr;
        }
    }
}

void TestZoomRotate::look()
{
    QCOMPARE(m_strip->size(), QSize(320, 40));
    QVERIFY(m_strip->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_strip->cursor().shape(), Qt::BlankCursor);
    const char *names[] = {"zoom_in", "zoom_out", "leftrote", "rightrote", "revert", "exit"};
    int x = -1;
    for (const char *name : names) {
        MZoomroteButton *button = m_strip->button(QLatin1String(name));
        QVERIFY2(button, name);
        QCOMPARE(button->objectName(), QLatin1String(name));
        QCOMPARE(button->height(), 30);
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QVERIFY(button->x() > x);
        x = button->x();
    }
    QCOMPARE(m_strip->button(QStringLiteral("exit"))->width(), 45);
    QCOMPARE(m_strip->button(QStringLiteral("exit"))->text(), QStringLiteral("Done"));
    for (const char *picture : {"bg.png", "zoomin.bmp", "zoomin_red.bmp", "zoom_rote_exit_red.bmp", "right_rote.bmp"})
        QVERIFY2(!QPixmap(QStringLiteral(":images/multifunctional/") + QLatin1String(picture)).isNull(), picture);
}

void TestZoomRotate::heldButtons_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<QByteArrayList>("expected");
    QTest::addColumn<QString>("indicatorAfter");

    const QString deg = QString(QChar(0x00B0));
    QTest::newRow("zoom_in from neutral") << "" << "C:zoom_in" << QByteArrayList{"zoom start sub10"} << "";
    QTest::newRow("zoom_out from neutral") << "" << "C:zoom_out" << QByteArrayList{"zoom start add11"} << "0" + deg + "/ 1.1";
    QTest::newRow("zoom_out held 3 s") << "" << "P:zoom_out T T T R"
        << QByteArrayList{"zoom start add11", "zoom start add13", "zoom start add16", "zoom start add20"} << "0" + deg + "/ 2.0";
    QTest::newRow("zoom_out at 200") << "P:zoom_out T T T T T T T T T T T T T T T T T T T T T T T T R" << "C:zoom_out"
        << QByteArrayList{"zoom start add200"} << "0" + deg + "/20.0";
    QTest::newRow("zoom_in back to 10") << "P:zoom_out T T R" << "P:zoom_in T T R"
        << QByteArrayList{"zoom start sub15", "zoom start sub13", "zoom start sub10"} << "";
    QTest::newRow("leftrote from 0") << "" << "C:leftrote" << QByteArrayList{"rote start sub359"} << "359" + deg + "/ 1.0";
    QTest::newRow("leftrote held through 0") << "C:rightrote C:rightrote C:rightrote C:rightrote C:rightrote"
        << "P:leftrote T T T R"
        << QByteArrayList{"rote start sub4", "rote start sub2", "rote start sub0", "rote start sub356"} << "356" + deg + "/ 1.0";
    QTest::newRow("rightrote 359 to 360 to 0") << "C:leftrote" << "C:rightrote C:rightrote"
        << QByteArrayList{"rote start add360", "rote start add0"} << "";
    QTest::newRow("step stops at 10") << "" << "P:rightrote T T T T T T T T T T R"
        << QByteArrayList{"rote start add1", "rote start add3", "rote start add6", "rote start add10", "rote start add15",
                          "rote start add21", "rote start add28", "rote start add36", "rote start add45", "rote start add55",
                          "rote start add65"} << "65" + deg + "/ 1.0";
    QTest::newRow("release starts again at 1") << "P:zoom_out T T R" << "C:zoom_out" << QByteArrayList{"zoom start add17"}
        << "0" + deg + "/ 1.7";
    QTest::newRow("revert") << "P:zoom_out T R C:rightrote" << "C:revert" << QByteArrayList{"rote stop", "zoom stop"} << "";
    QTest::newRow("revert at neutral") << "" << "C:revert" << QByteArrayList{"rote stop", "zoom stop"} << "";
}

void TestZoomRotate::heldButtons()
{
    QFETCH(QString, before);
    QFETCH(QString, sequence);
    QFETCH(QByteArrayList, expected);
    QFETCH(QString, indicatorAfter);
    play(before);
    QTest::qWait(10);
    QTRY_VERIFY(m_commands->count() >= before.count(QLatin1String("C:")));
    m_commands->clear();
    play(sequence);
    QTRY_COMPARE(m_commands->count(), expected.size());
    QCOMPARE(commands(), expected);
    QCOMPARE(indicator(), indicatorAfter);
    QCOMPARE(m_strip->step(), 0);
}

void TestZoomRotate::indicatorText_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QString>("text");
    const QString deg = QString(QChar(0x00B0));
    QTest::newRow("30, 1.5") << 30 << 15 << "30" + deg + "/ 1.5";
    QTest::newRow("0, 20.0") << 0 << 200 << "0" + deg + "/20.0";
    QTest::newRow("360, 1.0") << 360 << 10 << "360" + deg + "/ 1.0";
}

void TestZoomRotate::indicatorText()
{
    QFETCH(int, angle);
    QFETCH(int, zoom);
    QFETCH(QString, text);
    QCOMPARE(ZMultifunctional::indicatorText(angle, zoom), text);
}

void TestZoomRotate::doneKeepsTheIndicator()
{
    play(QStringLiteral("C:zoom_out C:rightrote"));
    MZoomroteButton *done = m_strip->button(QStringLiteral("exit"));
    QTest::mousePress(done, Qt::LeftButton);
    QVERIFY(!done->repeatTimer()->isActive());
    QVERIFY(!m_strip->isVisible());
    QTest::mouseRelease(done, Qt::LeftButton);
    QCOMPARE(m_strip->step(), 0);
    QCOMPARE(indicator(), QStringLiteral("1") + QChar(0x00B0) + QStringLiteral("/ 1.1"));
    QCOMPARE(m_strip->zoom(), 11);
    QCOMPARE(m_strip->angle(), 1);
    // Revert does not repeat either.
    m_strip->show();
    MZoomroteButton *revert = m_strip->button(QStringLiteral("revert"));
    QTest::mousePress(revert, Qt::LeftButton);
    QVERIFY(!revert->repeatTimer()->isActive());
    QTest::mouseRelease(revert, Qt::LeftButton);
    QCOMPARE(indicator(), QString());
}

// A strip hidden under a held finger sends no more steps.
void TestZoomRotate::hidingEndsAHeldPress()
{
    MZoomroteButton *zoomOut = m_strip->button(QStringLiteral("zoom_out"));
    QTest::mousePress(zoomOut, Qt::LeftButton);
    QVERIFY(zoomOut->repeatTimer()->isActive());
    m_strip->hide();
    QVERIFY(!zoomOut->repeatTimer()->isActive());
    QVERIFY(!zoomOut->isDown());
    QCOMPARE(m_strip->step(), 0);
}

void TestZoomRotate::statusBarToggles()
{
    EToolWidget *bar = m_view->toolBar();
    QVERIFY(m_strip->isVisible());
    QTest::mousePress(bar->zoomButton(), Qt::LeftButton);
    QTest::mouseRelease(bar->zoomButton(), Qt::LeftButton);
    QVERIFY(!m_strip->isVisible());
    QTest::mousePress(bar->zoomButton(), Qt::LeftButton);
    QTest::mouseRelease(bar->zoomButton(), Qt::LeftButton);
    QVERIFY(m_strip->isVisible());
    // Without a strip there is nothing to toggle.
    EGlobal::set_multifunctional(nullptr);
    m_strip.reset();
    bar->displaymultifunctionWindow();
}

// No reader: each command is dropped within its bound, and the values and
// the indicator still follow the buttons.
void TestZoomRotate::missingServiceKeepsTheStrip()
{
    m_service->stop();
    play(QStringLiteral("P:zoom_out T R"));
    QCOMPARE(m_strip->zoom(), 13);
    QCOMPARE(indicator(), QStringLiteral("0") + QChar(0x00B0) + QStringLiteral("/ 1.3"));
}

QTEST_MAIN(TestZoomRotate)
#include "tst_zoomrotate.moc"
