#include "einttimeitem.h"
#include "rowprobe.h"
#include "testroot.h"

#include <QtTest>
#include <QPushButton>
#include <QTimer>

// Hold ticks against value (strides 1, 10, 100, then standing still), the
// range kept at every step, taps, repeat switched off, hide and deletion.
class TstEIntTimeItem : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;

private Q_SLOTS:
    void holdTicks_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("delta");
        const QList<QPair<int, int>> table{{0, 1}, {1, 1}, {9, 9}, {10, 19}, {19, 109}, {20, 209}, {39, 2109}, {40, 2109}, {45, 2109}};
        for (const auto &row : table) {
            QTest::addRow("up %d ticks", row.first) << true << 1 << row.first << row.second;
            QTest::addRow("down %d ticks step 2", row.first) << false << 2 << row.first << -2 * row.second;
        }
    }
    void holdTicks()
    {
        QFETCH(bool, up);
        QFETCH(int, step);
        QFETCH(int, ticks);
        QFETCH(int, delta);
        EIntTimeItem item(nullptr, true);
        item.setRange(-100000, 100000);
        item.setStep(step);
        item.setValue(0);
        item.show();
        QVERIFY(QTest::qWaitForWindowExposed(&item));
        QSignalSpy spy(&item, &EIntTimeItem::valueChanged);
        QPushButton *button = arrow(&item, up ? "Right" : "Left");
        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(anyTimerActive(&item));
        for (int i = 0; i < ticks; ++i)
            up ? item.mouseLongPressUp() : item.mouseLongPressDown();
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(item.value(), delta);
        // One signal per tick, even once the value stands still.
        QCOMPARE(spy.count(), qMax(ticks, 1));
        QVERIFY(!anyTimerActive(&item));
    }

    void rangeIsKept_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("expected");
        QTest::newRow("tap up at the maximum") << 3 << true << 3;
        QTest::newRow("tap down at the minimum") << 0 << false << 0;
        QTest::newRow("tap up inside") << 1 << true << 2;
    }
    void rangeIsKept()
    {
        QFETCH(int, start);
        QFETCH(bool, up);
        QFETCH(int, expected);
        EIntTimeItem item(nullptr, false);
        item.setRange(0, 3);
        item.setValue(start);
        QSignalSpy spy(&item, &EIntTimeItem::valueChanged);
        up ? item.upPress() : item.downPress();
        up ? item.upRelease() : item.downRelease();
        QCOMPARE(item.value(), expected);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), expected);
    }

    void setValueClampsAndSetRangeWaits()
    {
        EIntTimeItem item(nullptr, true);
        QCOMPARE(item.value(), 0);
        item.setRange(-240, 240);
        QSignalSpy spy(&item, &EIntTimeItem::valueChanged);
        item.setValue(-500);
        QCOMPARE(item.value(), -240);
        QCOMPARE(spy.last().at(0).toInt(), -240);
        item.setRange(0, 10);
        QCOMPARE(item.value(), -240);
        item.setValue(item.value());
        QCOMPARE(item.value(), 0);
    }

    void withoutRepeatAHoldIsOneStep()
    {
        EIntTimeItem item(nullptr, false);
        item.setRange(0, 100);
        item.setValue(10);
        item.show();
        QVERIFY(QTest::qWaitForWindowExposed(&item));
        QTest::mousePress(arrow(&item, "Right"), Qt::LeftButton);
        QVERIFY(!anyTimerActive(&item));
        QTest::mouseRelease(arrow(&item, "Right"), Qt::LeftButton);
        QCOMPARE(item.value(), 11);
    }

    void valueTapAndDisabledArrows()
    {
        EIntTimeItem item(nullptr, true);
        item.setRange(0, 512);
        item.setValue(100);
        item.show();
        QVERIFY(QTest::qWaitForWindowExposed(&item));
        QSignalSpy clicked(&item, &EIntTimeItem::clicked);
        auto buttons = item.findChildren<QPushButton *>();
        QPushButton *valueButton = nullptr;
        for (QPushButton *b : buttons)
            if (b->objectName().isEmpty())
                valueButton = b;
        QVERIFY(valueButton);
        QTest::mousePress(valueButton, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QTest::mouseRelease(valueButton, Qt::LeftButton);
        item.disableUpDown();
        QVERIFY(!arrow(&item, "Left")->isVisible());
        QVERIFY(!arrow(&item, "Right")->isVisible());
        QCOMPARE(item.height(), 30);
    }

    void hideAndDeleteEndTheRepeat()
    {
        auto *item = new EIntTimeItem(nullptr, true);
        item->setRange(0, 100);
        item->setValue(50);
        item->show();
        QVERIFY(QTest::qWaitForWindowExposed(item));
        QTest::mousePress(arrow(item, "Right"), Qt::LeftButton);
        item->mouseLongPressUp();
        item->hide();
        QVERIFY(!anyTimerActive(item));
        QVERIFY(!arrow(item, "Right")->isDown());
        QCOMPARE(item->value(), 51);

        item->show();
        QTest::mousePress(arrow(item, "Left"), Qt::LeftButton);
        QPointer<QTimer> timer;
        for (QTimer *t : item->findChildren<QTimer *>())
            if (t->isActive())
                timer = t;
        QVERIFY(timer);
        delete item;
        QVERIFY(timer.isNull());
    }
};

QTEST_MAIN(TstEIntTimeItem)
#include "tst_einttimeitem.moc"
