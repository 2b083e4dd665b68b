#include "ecombobox.h"
#include "ecomboboxitem.h"
#include "rowprobe.h"
#include "testroot.h"

#include <QtTest>
#include <QPushButton>
#include <QTimer>

// Wrap-around at both ends, signals only after user steps, the repeat with
// long press on and off, and indexes kept inside the list.
class TstEComboBox : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;
    const QStringList m_three{QStringLiteral("Off"), QStringLiteral("Above"), QStringLiteral("Below")};

private Q_SLOTS:
    void tapsWrap_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("expected");
        QTest::newRow("up from the last") << 2 << true << 0;
        QTest::newRow("down from the first") << 0 << false << 2;
        QTest::newRow("up inside") << 0 << true << 1;
        QTest::newRow("down inside") << 2 << false << 1;
    }
    void tapsWrap()
    {
        QFETCH(int, start);
        QFETCH(bool, up);
        QFETCH(int, expected);
        EComboBoxItem row(m_three);
        QSignalSpy spy(&row, &EComboBoxItem::currentIndexChanged);
        row.setCurrentIndex(start);
        QCOMPARE(spy.count(), 0);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QTest::mouseClick(arrow(&row, up ? "Right" : "Left"), Qt::LeftButton);
        QCOMPARE(row.currentIndex(), expected);
        QCOMPARE(row.text(), m_three.at(expected));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), expected);
    }

    void holdTicks_data()
    {
        QTest::addColumn<bool>("longPress");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("steps");
        QTest::newRow("short") << true << 0 << 1;
        QTest::newRow("one tick") << true << 1 << 1;
        QTest::newRow("five ticks") << true << 5 << 5;
        QTest::newRow("seven ticks wrap twice") << true << 7 << 7;
        QTest::newRow("long press off") << false << 0 << 1;
    }
    void holdTicks()
    {
        QFETCH(bool, longPress);
        QFETCH(int, ticks);
        QFETCH(int, steps);
        EComboBoxItem row(m_three);
        row.setEnableLongPress(longPress);
        row.setCurrentIndex(0);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy spy(&row, &EComboBoxItem::currentIndexChanged);
        QPushButton *right = arrow(&row, "Right");
        QTest::mousePress(right, Qt::LeftButton);
        bool active = false;
        for (QTimer *t : row.findChildren<QTimer *>())
            active = active || t->isActive();
        QCOMPARE(active, longPress);
        for (int i = 0; i < ticks; ++i)
            row.mouseLongPressUp();
        QTest::mouseRelease(right, Qt::LeftButton);
        QCOMPARE(row.currentIndex(), steps % 3);
        QCOMPARE(spy.count(), steps);
        for (QTimer *t : row.findChildren<QTimer *>())
            QVERIFY(!t->isActive());
    }

    void singleStringStillSignals()
    {
        EComboBoxItem row(QStringList{QStringLiteral("Only")});
        row.setCurrentIndex(0);
        QSignalSpy spy(&row, &EComboBoxItem::currentIndexChanged);
        row.upPress();
        row.upRelease();
        row.downPress();
        row.downRelease();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toInt(), 0);
    }

    void emptyListDoesNothing()
    {
        EComboBoxItem row(QStringList{});
        QSignalSpy spy(&row, &EComboBoxItem::currentIndexChanged);
        row.setCurrentIndex(3);
        QCOMPARE(row.currentIndex(), 0);
        QCOMPARE(row.text(), QString());
        row.upPress();
        row.mouseLongPressUp();
        row.upRelease();
        row.downPress();
        row.downRelease();
        QCOMPARE(spy.count(), 0);
        QCOMPARE(row.count(), 0);
    }

    void indexesStayInsideTheList()
    {
        EComboBox box(m_three);
        box.setCurrentIndex(7);
        QCOMPARE(box.currentIndex(), 2);
        QCOMPARE(box.text(), QStringLiteral("Below"));
        box.setCurrentIndex(-1);
        QCOMPARE(box.currentIndex(), 0);

        // A shorter list clamps the index left beyond it.
        EComboBoxItem row(m_three);
        row.setCurrentIndex(2);
        row.setStringList(QStringList{QStringLiteral("A"), QStringLiteral("B")});
        QCOMPARE(row.currentIndex(), 1);
        QSignalSpy spy(&row, &EComboBoxItem::currentIndexChanged);
        row.upPress();
        row.upRelease();
        QCOMPARE(row.currentIndex(), 0);
        QCOMPARE(row.text(), QStringLiteral("A"));
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
    }

    void removeUpDownHidesArrows()
    {
        EComboBoxItem row(m_three);
        row.setCurrentIndex(1);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        row.removeUpDown();
        QVERIFY(!arrow(&row, "Left")->isVisible());
        QVERIFY(!arrow(&row, "Right")->isVisible());
        QCOMPARE(row.text(), QStringLiteral("Above"));
        QCOMPARE(row.height(), 48);
    }

    void lowerRowKeepsArrowsAndChoiceInside_data()
    {
        QTest::addColumn<int>("height");
        QTest::newRow("standard") << 48;
        QTest::newRow("lower") << 28;
    }
    void lowerRowKeepsArrowsAndChoiceInside()
    {
        QFETCH(int, height);
        EComboBoxItem row(m_three);
        row.setCurrentIndex(0);
        row.setRowHeight(height);
        row.resize(220, height);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QCOMPARE(row.height(), height);
        for (QWidget *part : {static_cast<QWidget *>(arrow(&row, "Left")), static_cast<QWidget *>(arrow(&row, "Right")),
                              static_cast<QWidget *>(row.comboBox())}) {
            QVERIFY(row.rect().contains(part->geometry()));
        }
        // A tap on the lower row's arrow still steps.
        QTest::mouseClick(arrow(&row, "Right"), Qt::LeftButton);
        QCOMPARE(row.currentIndex(), 1);
    }

    void hideAndDeleteEndTheRepeat()
    {
        auto *row = new EComboBoxItem(m_three);
        row->setCurrentIndex(0);
        row->show();
        QVERIFY(QTest::qWaitForWindowExposed(row));
        QTest::mousePress(arrow(row, "Left"), Qt::LeftButton);
        row->mouseLongPressDown();
        row->hide();
        for (QTimer *t : row->findChildren<QTimer *>())
            QVERIFY(!t->isActive());
        QCOMPARE(row->currentIndex(), 2);
        row->show();
        QTest::mousePress(arrow(row, "Right"), Qt::LeftButton);
        QList<QPointer<QTimer>> timers;
        for (QTimer *t : row->findChildren<QTimer *>())
            timers << t;
        delete row;
        for (const auto &t : timers)
            QVERIFY(t.isNull());
    }
};

QTEST_MAIN(TstEComboBox)
#include "tst_ecombobox.moc"
