#include "einfopage.h"
#include "esdcarditem.h"
#include "esdcardspace.h"
#include "esetupcombobox.h"
#include "messagechannel.h"
#include "storageinfo.h"
#include "testroot.h"

#include <QtTest>

// The Info page with scripted card storage and the card watcher's messages:
// nothing is asked of the file system while no card is mounted.
class TestInfoPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void productRows();
    void cardOnShow_data();
    void cardOnShow();
    void cardMessages();

private:
    int m_queries = 0;
    void script(double totalMiB, double freeMiB, bool ok = true)
    {
        StorageInfo::setScript([this, totalMiB, freeMiB, ok](const QString &path, StorageInfo::Usage *usage) {
            ++m_queries;
            if (path != QLatin1String("/media/mmc") || !ok)
                return false;
            usage->totalBytes = totalMiB * 1048576;
            usage->freeBytes = freeMiB * 1048576;
            return true;
        });
    }
};

void TestInfoPage::cleanup()
{
    StorageInfo::setScript({});
    StorageInfo::setCardMounted(false);
    m_queries = 0;
}

void TestInfoPage::productRows()
{
    TestRoot root;
    EInfoPage page;
    page.show();
    QCOMPARE(page.modelItem()->text(), QStringLiteral("OS-320"));
    QCOMPARE(page.numberItem()->text(), QStringLiteral("2012010001"));
    QCOMPARE(page.dateItem()->text(), QStringLiteral("2012-12-25"));
    QCOMPARE(page.versionItem()->text(), QStringLiteral("2.0.04"));
    root.writeFile(QStringLiteral("Parameter/Setting"),
                   "[ProductInfo]\nDeviceType=T-9\nSerialNo=42\nProduceDate=\"  2020-01-02  \"\n[General]\nVersion=9.9\n");
    page.hide();
    page.show();
    QCOMPARE(page.modelItem()->text(), QStringLiteral("T-9"));
    QCOMPARE(page.numberItem()->text(), QStringLiteral("42"));
    QCOMPARE(page.dateItem()->text(), QStringLiteral("2020-01-02"));
    QCOMPARE(page.versionItem()->text(), QStringLiteral("2.0.04"));
}

void TestInfoPage::cardOnShow_data()
{
    QTest::addColumn<bool>("mounted");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("queries");
    QTest::newRow("card mounted") << true << true << "3000.0M/4000.0M" << 1;
    QTest::newRow("no card: the root file system is never asked") << false << true << "0M/0M" << 0;
    QTest::newRow("statfs fails: the row keeps its text") << true << false << "0M/0M" << 1;
}

void TestInfoPage::cardOnShow()
{
    QFETCH(bool, mounted);
    QFETCH(bool, answers);
    QFETCH(QString, shown);
    QFETCH(int, queries);
    TestRoot root;
    StorageInfo::setCardMounted(mounted);
    script(4000, 1000, answers);
    EInfoPage page;
    QCOMPARE(page.sdCardItem()->isEnabled(), mounted);
    QCOMPARE(m_queries, 0);
    page.sdCardItem()->setText(QStringLiteral("0M/0M"));
    page.show();
    QCOMPARE(m_queries, queries);
    QVERIFY(page.sdCardItem()->findChildren<QLabel *>().size() > 0);
    bool found = false;
    for (QLabel *label : page.sdCardItem()->findChildren<QLabel *>())
        found = found || label->text() == shown;
    QVERIFY2(found, qPrintable(shown));
}

void TestInfoPage::cardMessages()
{
    TestRoot root;
    script(8000, 6000);
    EInfoPage page;
    page.show();
    QVERIFY(!page.sdCardItem()->isEnabled());
    QCOMPARE(m_queries, 0);
    auto shows = [&page](const QString &text) {
        for (QLabel *label : page.sdCardItem()->findChildren<QLabel *>())
            if (label->text() == text)
                return true;
        return false;
    };
    QVERIFY(MessageChannel::send(QStringLiteral("VYX/SDCard"), QStringLiteral("mounted()")));
    QTRY_VERIFY(page.sdCardItem()->isEnabled());
    QVERIFY(shows(QStringLiteral("2000.0M/8000.0M")));
    QCOMPARE(m_queries, 1);
    MessageChannel::send(QStringLiteral("VYX/SDCard"), QStringLiteral("ejected()"));
    QVERIFY(!QTest::qWaitFor([&] { return !page.sdCardItem()->isEnabled(); }, 50));
    QVERIFY(shows(QStringLiteral("2000.0M/8000.0M")));
    MessageChannel::send(QStringLiteral("VYX/SDCard"), QStringLiteral("unMounted()"));
    QTRY_VERIFY(!page.sdCardItem()->isEnabled());
    QVERIFY(shows(QStringLiteral("0M/0M")));
    page.hide();
    page.show();
    QCOMPARE(m_queries, 1);
}

QTEST_MAIN(TestInfoPage)
#include "tst_infopage.moc"
