#include "../ircore/corefixture.h"

#include "calibinterface.h"
#include "einterfaceitem.h"
#include "myitemedit.h"
#include "mykeyboard.h"
#include "productinfowidget.h"
#include "usekeyboarddialog.h"

#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

// The product information editor: defaults, the once-only serial and chip
// numbers under the backup folder's rule, the date check and the text
// dialog's Done and Cancel.
class TestProductInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultsAndBack();
    void dateCheck_data();
    void dateCheck();
    void numbersLockOnce_data();
    void numbersLockOnce();
    void refusedNumberDoesNotLock_data();
    void refusedNumberDoesNotLock();
    void unwrittenNumberDoesNotLock();
    void dateEntry();
    void textDialog();
};

namespace {
struct Editor
{
    CoreFixture f;
    ProductInfoWidget *w = nullptr;
    Editor()
    {
        f.view->enterCalibInterface(false);
        QTest::mouseClick(f.view->calibMenu()->item(QStringLiteral("PN")), Qt::LeftButton);
        w = f.view->productInfoWidget();
    }
    void type(int row, const QString &text)
    {
        QTest::mouseClick(w->row(row), Qt::LeftButton);
        QVERIFY(w->keyboard()->isVisible());
        w->keyboard()->setCurrentText(text);
        QTest::mouseClick(w->keyboard()->findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
        QVERIFY(!w->keyboard()->isVisible());
    }
    QString stored(const char *key) const
    {
        QSettings file(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
        return file.value(QLatin1String(key)).toString();
    }
};
} // namespace

void TestProductInfo::defaultsAndBack()
{
    Editor e;
    QVERIFY(e.w && e.w->isVisible());
    const char *expected[] = {"VYX", "OS-320", "2012010001", "00000001", "2012-12-25"};
    for (int i = 0; i < ProductInfoWidget::RowCount; ++i)
        QCOMPARE(e.w->row(i)->text(), QLatin1String(expected[i]));
    QTest::mouseClick(e.w->backButton(), Qt::LeftButton);
    QTRY_VERIFY(!e.f.view->productInfoWidget());
    QVERIFY(e.f.view->calibMenu()->isVisible());
}

void TestProductInfo::dateCheck_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "2012-12-25" << true;
    QTest::newRow("short digits") << "2013-2-5" << true;
    QTest::newRow("leap day") << "2012-2-29" << true;
    QTest::newRow("no leap day") << "2011-2-29" << false;
    QTest::newRow("30 February") << "2012-2-30" << false;
    QTest::newRow("31 April") << "2012-04-31" << false;
    QTest::newRow("month 0") << "2012-00-10" << false;
    QTest::newRow("day 0") << "2012-01-00" << false;
    QTest::newRow("before 2000") << "1999-01-01" << false;
    QTest::newRow("first year") << "2000-01-01" << true;
    QTest::newRow("last day") << "2050-12-31" << true;
    QTest::newRow("after 2050") << "2051-01-01" << false;
    QTest::newRow("four parts") << "2012-12-25-7" << false;
    QTest::newRow("two parts") << "2012-12" << false;
    QTest::newRow("one part") << "2012" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("empty parts") << "--" << false;
    QTest::newRow("slashes") << "2012/12/25" << false;
    QTest::newRow("sign") << "2012--1-5" << false;
}

void TestProductInfo::dateCheck()
{
    QFETCH(QString, date);
    QFETCH(bool, valid);
    QCOMPARE(ProductInfoWidget::checkDataTime(date), valid);
}

void TestProductInfo::numbersLockOnce_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("valueKey");
    QTest::addColumn<QByteArray>("lockKey");
    QTest::newRow("serial") << int(ProductInfoWidget::Serial) << QByteArray("ProductInfo/SerialNo")
                            << QByteArray("ProductInfo/IsSnChgAble");
    QTest::newRow("chip") << int(ProductInfoWidget::ChipNo) << QByteArray("ProductInfo/DevChipNo")
                          << QByteArray("ProductInfo/IsFidChgAble");
}

void TestProductInfo::numbersLockOnce()
{
    QFETCH(int, row);
    QFETCH(QByteArray, valueKey);
    QFETCH(QByteArray, lockKey);
    Editor e;
    const QString shown = e.w->row(row)->text();
    // The same number again: nothing written, nothing locked.
    e.type(row, shown);
    QVERIFY(e.stored(lockKey).isEmpty());
    // Escape keeps the row.
    QTest::mouseClick(e.w->row(row), Qt::LeftButton);
    QTest::keyClick(e.w->keyboard(), Qt::Key_Escape);
    QCOMPARE(e.w->row(row)->text(), shown);
    QVERIFY(e.stored(lockKey).isEmpty());

    e.type(row, QStringLiteral("2026-0042"));
    QCOMPARE(e.w->row(row)->text(), QStringLiteral("2026-0042"));
    QCOMPARE(e.stored(valueKey), QStringLiteral("2026-0042"));
    QCOMPARE(e.stored(lockKey), QStringLiteral("1"));
    QTest::mouseClick(e.w->row(row), Qt::LeftButton);
    QVERIFY(!e.w->keyboard()->isVisible());
}

void TestProductInfo::refusedNumberDoesNotLock_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("climbs out") << "../x";
    QTest::newRow("slash") << "1/2";
    QTest::newRow("dot") << "1.5";
    QTest::newRow("too long") << "123456789012345678901";
    QTest::newRow("empty") << "";
    QTest::newRow("range sign") << "1~2";
}

void TestProductInfo::refusedNumberDoesNotLock()
{
    QFETCH(QString, typed);
    Editor e;
    e.type(ProductInfoWidget::Serial, typed);
    QCOMPARE(e.w->row(ProductInfoWidget::Serial)->text(), QStringLiteral("2012010001"));
    QVERIFY(e.stored("ProductInfo/IsSnChgAble").isEmpty());
    QVERIFY(e.stored("ProductInfo/SerialNo").isEmpty());
    // Still editable.
    e.type(ProductInfoWidget::Serial, QStringLiteral("77"));
    QCOMPARE(e.stored("ProductInfo/SerialNo"), QStringLiteral("77"));
}

// A number the file did not take is neither shown nor locked: the row
// stays editable for the next try. A date the file did not take is not
// shown either.
void TestProductInfo::unwrittenNumberDoesNotLock()
{
    Editor e;
    const QString settings = e.f.front.root.hostPath(QStringLiteral("Parameter/Setting"));
    QFile::remove(settings);
    // A folder where the file should be: refused whoever runs the test.
    QVERIFY(QDir().mkpath(settings + QStringLiteral("/x")));
    e.type(ProductInfoWidget::Serial, QStringLiteral("SN-9"));
    QCOMPARE(e.w->row(ProductInfoWidget::Serial)->text(), QStringLiteral("2012010001"));
    // The date row likewise keeps the date the file holds.
    e.type(ProductInfoWidget::Date, QStringLiteral("2020-02-29"));
    QCOMPARE(e.w->row(ProductInfoWidget::Date)->text(), QStringLiteral("2012-12-25"));
    QVERIFY(QDir(settings).removeRecursively());
    e.type(ProductInfoWidget::Serial, QStringLiteral("SN-9"));
    QCOMPARE(e.w->row(ProductInfoWidget::Serial)->text(), QStringLiteral("SN-9"));
    QCOMPARE(e.stored("ProductInfo/SerialNo"), QStringLiteral("SN-9"));
    QCOMPARE(e.stored("ProductInfo/IsSnChgAble"), QStringLiteral("1"));
}

void TestProductInfo::dateEntry()
{
    Editor e;
    e.type(ProductInfoWidget::Date, QStringLiteral("2012-2-30"));
    QCOMPARE(e.w->row(ProductInfoWidget::Date)->text(), QStringLiteral("2012-12-25"));
    QVERIFY(e.stored("ProductInfo/ProduceDate").isEmpty());
    e.type(ProductInfoWidget::Date, QStringLiteral("2020-02-29"));
    QCOMPARE(e.stored("ProductInfo/ProduceDate"), QStringLiteral("2020-02-29"));
    // The date has no lock.
    e.type(ProductInfoWidget::Date, QStringLiteral("2021-3-1"));
    QCOMPARE(e.stored("ProductInfo/ProduceDate"), QStringLiteral("2021-3-1"));
}

void TestProductInfo::textDialog()
{
    Editor e;
    QTest::mouseClick(e.w->row(ProductInfoWidget::Producer), Qt::LeftButton);
    UseKeyBoardDialog *dialog = e.w->textDialog();
    QVERIFY(dialog && dialog->isVisible());
    dialog->textEdit->setPlainText(QStringLiteral("Other Maker"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("button_2")), Qt::LeftButton);
    QCOMPARE(e.w->row(ProductInfoWidget::Producer)->text(), QStringLiteral("VYX"));
    QVERIFY(e.stored("ProductInfo/DeviceProductor").isEmpty());
    QVERIFY(!e.w->textDialog());

    QTest::mouseClick(e.w->row(ProductInfoWidget::Type), Qt::LeftButton);
    dialog = e.w->textDialog();
    QCOMPARE(dialog->textEdit->toPlainText(), QStringLiteral("OS-320"));
    dialog->textEdit->setPlainText(QStringLiteral("OS-640"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("button")), Qt::LeftButton);
    QCOMPARE(e.w->row(ProductInfoWidget::Type)->text(), QStringLiteral("OS-640"));
    QCOMPARE(e.stored("ProductInfo/DeviceType"), QStringLiteral("OS-640"));
}

QTEST_MAIN(TestProductInfo)
#include "tst_productinfo.moc"
