#include "messagechannel.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

class TestMessageBus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void deliveryIsQueuedAndOrdered();
    void onlyTheNamedChannelHears();
    void deliveredOnTheListenersThread();
    void listenerGoneBeforeDelivery();
};

void TestMessageBus::deliveryIsQueuedAndOrdered()
{
    MessageChannel channel(QStringLiteral("emaininterface"));
    QSignalSpy spy(&channel, &MessageChannel::received);
    QVERIFY(MessageChannel::isRegistered(QStringLiteral("emaininterface")));
    QVERIFY(MessageChannel::send(QStringLiteral("emaininterface"), QStringLiteral("playexit")));
    QVERIFY(MessageChannel::send(QStringLiteral("emaininterface"), QStringLiteral("Imagephotos"), "x"));
    QCOMPARE(spy.count(), 0); // never inside send()
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("playexit"));
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("Imagephotos"));
    QCOMPARE(spy.at(1).at(1).toByteArray(), QByteArray("x"));
}

void TestMessageBus::onlyTheNamedChannelHears()
{
    MessageChannel card(QStringLiteral("VYX/SDCard"));
    MessageChannel wake(QStringLiteral("mousewakeup"));
    QSignalSpy cardSpy(&card, &MessageChannel::received);
    QSignalSpy wakeSpy(&wake, &MessageChannel::received);
    QVERIFY(!MessageChannel::send(QStringLiteral("vyx/sdcard"), QStringLiteral("mounted()")));
    QVERIFY(MessageChannel::send(QStringLiteral("VYX/SDCard"), QStringLiteral("mounted()")));
    QTRY_COMPARE(cardSpy.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(wakeSpy.count(), 0);
}

void TestMessageBus::deliveredOnTheListenersThread()
{
    QThread worker;
    worker.start();
    auto *channel = new MessageChannel(QStringLiteral("kdatetimeinterface"));
    channel->moveToThread(&worker);
    QThread *seenOn = nullptr;
    QAtomicInt calls;
    connect(channel, &MessageChannel::received, channel, [&](const QString &) {
        seenOn = QThread::currentThread();
        calls.fetchAndAddOrdered(1);
    }, Qt::DirectConnection);
    MessageChannel::send(QStringLiteral("kdatetimeinterface"), QStringLiteral("ok"));
    QTRY_COMPARE(calls.loadAcquire(), 1);
    QCOMPARE(seenOn, &worker);
    QMetaObject::invokeMethod(channel, [channel] { delete channel; }, Qt::BlockingQueuedConnection);
    worker.quit();
    worker.wait();
    QVERIFY(!MessageChannel::isRegistered(QStringLiteral("kdatetimeinterface")));
}

void TestMessageBus::listenerGoneBeforeDelivery()
{
    auto *channel = new MessageChannel(QStringLiteral("setupwindow"));
    MessageChannel::send(QStringLiteral("setupwindow"), QStringLiteral("close"));
    delete channel; // the queued message must not reach a dead object
    QCoreApplication::processEvents();
    QVERIFY(!MessageChannel::send(QStringLiteral("setupwindow"), QStringLiteral("close")));
}

QTEST_GUILESS_MAIN(TestMessageBus)
#include "tst_messagebus.moc"
