#include "emodeitem.h"
#include "evalueitem.h"
#include "rowprobe.h"
#include "testroot.h"

#include <QtTest>
#include <QPushButton>
#include <QTimer>

// EValueItem: hold ticks against value, clamping in the direction of the
// move, short clicks, the end of a repeat on release, hide and deletion.
// EModeItem: one click, one fixed signal.
class TstEValueItem : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;

    static QString shown(EValueItem *row)
    {
        return row->findChild<QPushButton *>(QStringLiteral("Value"))->text();
    }

private Q_SLOTS:
    void holdTicks_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("delta");
        // Strides: 1 for ticks 1-4, 2 for 5-9, 10 for 10-19, 100 from 20.
        const QList<QPair<int, int>> table{{0, 1}, {1, 1}, {4, 4}, {5, 6}, {9, 14}, {10, 24}, {19, 114}, {20, 214}, {21, 314}};
        for (const auto &row : table) {
            QTest::addRow("up %d ticks", row.first) << true << row.first << row.second;
            QTest::addRow("down %d ticks", row.first) << false << row.first << -row.second;
        }
    }
    void holdTicks()
    {
        QFETCH(bool, up);
        QFETCH(int, ticks);
        QFETCH(int, delta);
        EValueItem row(QStringLiteral("Per: "));
        row.setRange(-100000, 100000);
        row.setSuffix(QStringLiteral("%"));
        row.setValue(0);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy spy(&row, &EValueItem::valueChanged);

        QPushButton *button = arrow(&row, up ? "Right" : "Left");
        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(anyTimerActive(&row));
        for (int i = 0; i < ticks; ++i)
            up ? row.mouseLongPressUp() : row.mouseLongPressDown();
        QTest::mouseRelease(button, Qt::LeftButton);

        QCOMPARE(row.getValue(), delta);
        QCOMPARE(shown(&row), QStringLiteral("%1%").arg(delta));
        QCOMPARE(spy.count(), qMax(ticks, 1));
        QCOMPARE(spy.last().at(0).toInt(), delta);
        QVERIFY(!anyTimerActive(&row));

        // The next short click moves by one again.
        spy.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(row.getValue(), delta + (up ? 1 : -1));
        QCOMPARE(spy.count(), 1);
    }

    void clampsOnlyInTheDirectionOfTheMove()
    {
        EValueItem row(QStringLiteral("Per: "));
        row.setRange(0, 100);
        row.setSuffix(QStringLiteral("%"));
        row.setValue(150);
        QCOMPARE(shown(&row), QStringLiteral("150%"));
        row.downPress();
        row.downRelease();
        QCOMPARE(row.getValue(), 149);
        row.upPress();
        row.upRelease();
        QCOMPARE(row.getValue(), 100);

        // Held at the minimum, every tick still reports the minimum.
        row.setValue(1);
        QSignalSpy spy(&row, &EValueItem::valueChanged);
        row.downPress();
        for (int i = 0; i < 3; ++i)
            row.mouseLongPressDown();
        row.downRelease();
        QCOMPARE(spy.count(), 3);
        for (const auto &args : spy)
            QCOMPARE(args.at(0).toInt(), 0);
    }

    void setValueIsSilentAndSuffixWaits()
    {
        EValueItem row(QStringLiteral("Per: "));
        QSignalSpy spy(&row, &EValueItem::valueChanged);
        row.setValue(35);
        row.setSuffix(QStringLiteral("%"));
        QCOMPARE(shown(&row), QStringLiteral("35"));
        row.setValue(35);
        QCOMPARE(shown(&row), QStringLiteral("35%"));
        QCOMPARE(spy.count(), 0);
    }

    void hidingEndsTheRepeat()
    {
        EValueItem row(QStringLiteral("Per: "));
        row.setRange(0, 100);
        row.setValue(50);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QPushButton *right = arrow(&row, "Right");
        QTest::mousePress(right, Qt::LeftButton);
        row.mouseLongPressUp();
        row.hide();
        QVERIFY(!anyTimerActive(&row));
        QVERIFY(!right->isDown());
        QCOMPARE(row.getValue(), 51);
        // A fresh press after showing again starts from stride 1.
        row.show();
        row.upPress();
        row.upRelease();
        QCOMPARE(row.getValue(), 52);
    }

    void deletedMidRepeatTakesItsTimersAlong()
    {
        auto *row = new EValueItem(QStringLiteral("Per: "));
        row->setRange(0, 100);
        row->show();
        QVERIFY(QTest::qWaitForWindowExposed(row));
        QTest::mousePress(arrow(row, "Left"), Qt::LeftButton);
        QList<QPointer<QTimer>> timers;
        for (QTimer *t : row->findChildren<QTimer *>())
            timers << t;
        QCOMPARE(timers.size(), 2);
        delete row;
        for (const auto &t : timers)
            QVERIFY(t.isNull());
    }

    void modeItemSignals()
    {
        EModeItem row(QStringLiteral("Position"));
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy up(&row, &EModeItem::clickedIncrease);
        QSignalSpy down(&row, &EModeItem::clickedDecrease);
        QTest::mouseClick(arrow(&row, "Left"), Qt::LeftButton);
        QTest::mouseClick(arrow(&row, "Right"), Qt::LeftButton);
        QTest::mouseClick(arrow(&row, "Right"), Qt::LeftButton);
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0).at(0).toString(), QStringLiteral("Decrease"));
        QCOMPARE(up.count(), 2);
        QCOMPARE(up.at(0).at(0).toString(), QStringLiteral("Increase"));
        // A press beside the arrows does not click anything.
        QTest::mouseClick(&row, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(up.count() + down.count(), 3);
        QCOMPARE(row.height(), 48);
    }
};

QTEST_MAIN(TstEValueItem)
#include "tst_evalueitem.moc"
