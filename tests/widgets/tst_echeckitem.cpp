#include "echeckitem.h"
#include "ereminditem.h"
#include "etabitem.h"
#include "etabwidget.h"
#include "testroot.h"

#include <QtTest>
#include <QPushButton>

// The check, remind and tab rows report by name and never keep state of
// their own; the tab widget fires at the press.
class TstECheckItem : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;

private Q_SLOTS:
    void checkItemReportsWithoutToggling()
    {
        ECheckItem row(QStringLiteral("Spot 1"));
        row.resize(320, 48);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy named(&row, qOverload<const QString &>(&ECheckItem::clicked));
        QSignalSpy state(&row, qOverload<bool>(&ECheckItem::clicked));
        QTest::mouseClick(&row, Qt::LeftButton);
        QTest::mouseClick(&row, Qt::LeftButton);
        QCOMPARE(named.count(), 2);
        QCOMPARE(named.at(0).at(0).toString(), QStringLiteral("Spot 1"));
        QCOMPARE(state.at(0).at(0).toBool(), false);
        QCOMPARE(state.at(1).at(0).toBool(), false);
        row.setChecked(true);
        QTest::mouseClick(&row, Qt::LeftButton);
        QCOMPARE(state.at(2).at(0).toBool(), true);
        QCOMPARE(named.count(), 3);
    }

    void tickPicture()
    {
        ECheckItem row(QStringLiteral("Spot 1"), nullptr, 0);
        row.resize(320, 48);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        const QImage unchecked = row.grab().toImage();
        row.setChecked(true);
        const QImage checked = row.grab().toImage();
        const QRect tick(320 - 32, 12, 24, 24);
        QVERIFY(checked.copy(tick) != unchecked.copy(tick));
        row.removeCheck();
        const QImage removed = row.grab().toImage();
        QVERIFY(removed.copy(tick) != checked.copy(tick));
        QVERIFY(row.checked());
        row.setChecked(false);
        QCOMPARE(row.grab().toImage(), removed);
        QVERIFY(!row.checked());
    }

    void remindItem()
    {
        ERemindItem row(QStringLiteral("Palette"));
        row.resize(320, 48);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy spy(&row, qOverload<const QString &>(&ERemindItem::clicked));
        QTest::mouseClick(&row, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Palette"));
        QCOMPARE(row.height(), 48);
    }

    void tabItemSignalsCarryTheRowName()
    {
        ETabItem row(QStringLiteral("Spot1"));
        row.resize(320, 48);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        row.setText(QStringLiteral("Spot 1 (max)"));
        QCOMPARE(row.text(), QStringLiteral("Spot 1 (max)"));
        QSignalSpy check(&row, &ETabItem::clickedCheck);
        QSignalSpy mode(&row, &ETabItem::clickedMode);
        QSignalSpy setup(&row, &ETabItem::clickedSetup);
        QTest::mouseClick(row.checkItem(), Qt::LeftButton);
        QTest::mouseClick(row.findChild<QPushButton *>(QStringLiteral("Mode")), Qt::LeftButton);
        QTest::mouseClick(row.findChild<QPushButton *>(QStringLiteral("Setting")), Qt::LeftButton);
        QCOMPARE(check.count(), 1);
        QCOMPARE(mode.count(), 1);
        QCOMPARE(setup.count(), 1);
        QCOMPARE(check.at(0).at(0).toString(), QStringLiteral("Spot1"));
        QCOMPARE(mode.at(0).at(0).toString(), QStringLiteral("Spot1"));
        QCOMPARE(setup.at(0).at(0).toString(), QStringLiteral("Spot1"));
        QVERIFY(!row.checked());

        row.removeMode();
        row.removeSetup();
        QVERIFY(!row.findChild<QPushButton *>(QStringLiteral("Mode"))->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(row.checkItem()->width(), 320);
        QCOMPARE(row.height(), 48);
    }

    void tabWidgetFiresAtThePress()
    {
        ETabWidget tab;
        tab.setObjectName(QStringLiteral("Spot"));
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        QSignalSpy spy(&tab, qOverload<const QString &>(&ETabWidget::clicked));
        QTest::mousePress(&tab, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Spot"));
        // Sliding off before the release does not take it back.
        QTest::mouseRelease(&tab, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(tab.size(), QSize(32, 32));
    }

    void tabWidgetPainting()
    {
        ETabWidget tab;
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        tab.setOpen(true);
        QImage open = tab.grab().toImage();
        // Null pictures: only the blue fill.
        for (const QPoint &p : {QPoint(0, 0), QPoint(16, 16), QPoint(31, 31)})
            QCOMPARE(QColor(open.pixel(p)), QColor(1, 103, 233));
        tab.setBigPixmap(QPixmap(QStringLiteral(":/images/spot_big.png")));
        tab.setSmallPixmap(QPixmap(QStringLiteral(":/images/spot_small.png")));
        QVERIFY(tab.grab().toImage() != open);
        tab.setOpen(false);
        QVERIFY(QColor(tab.grab().toImage().pixel(16, 16)) != QColor(1, 103, 233));
    }
};

QTEST_MAIN(TstECheckItem)
#include "tst_echeckitem.moc"
