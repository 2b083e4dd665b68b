#include "arrowrepeat.h"
#include "earrowbutton.h"
#include "testroot.h"

#include <QtTest>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>

// The shared arrow repeat on its own: that the arrows' timers really tick the
// pressed direction (the rows' tests call the tick slots by hand), the tick
// numbers the rows' stride rules see, and when a stop counts as an
// abandoned hold.
class TstArrowRepeat : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;

    struct Row
    {
        QWidget widget;
        QPushButton *left = EArrowButton::create(EArrowButton::Left, &widget, 48, 48, 48);
        QPushButton *right = EArrowButton::create(EArrowButton::Right, &widget, 48, 48, 48);
        ArrowRepeat *repeat = new ArrowRepeat(left, right, &widget);
        QSignalSpy steps{repeat, &ArrowRepeat::stepRequested};
        QSignalSpy abandoned{repeat, &ArrowRepeat::holdAbandoned};

        Row()
        {
            auto *layout = new QHBoxLayout(&widget);
            layout->addWidget(left);
            layout->addWidget(right);
            // As the rows have it: the arrows' own presses and releases drive the repeat.
            repeat->followArrows();
        }
        QList<QTimer *> activeTimers() const
        {
            QList<QTimer *> active;
            for (QTimer *t : widget.findChildren<QTimer *>())
                if (t->isActive())
                    active << t;
            return active;
        }
        // What the row was asked for: direction * 1000 + tick number.
        QList<int> asked() const
        {
            QList<int> out;
            for (const auto &args : steps)
                out << args.at(0).toInt() * 1000 + args.at(1).toInt();
            return out;
        }
    };

private Q_SLOTS:
    void timersTickThePressedArrow_data()
    {
        QTest::addColumn<bool>("up");
        QTest::newRow("right") << true;
        QTest::newRow("left") << false;
    }
    void timersTickThePressedArrow()
    {
        QFETCH(bool, up);
        const int d = up ? 1 : -1;
        Row row;
        row.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row.widget));
        QPushButton *arrow = up ? row.right : row.left;
        QTest::mousePress(arrow, Qt::LeftButton);
        const QList<QTimer *> active = row.activeTimers();
        QCOMPARE(active.size(), 1);
        QCOMPARE(active.first()->interval(), 200);
        QVERIFY(!active.first()->isSingleShot());
        for (int i = 0; i < 3; ++i)
            QVERIFY(QMetaObject::invokeMethod(active.first(), "timeout"));
        QTest::mouseRelease(arrow, Qt::LeftButton);
        QCOMPARE(row.asked(), (QList<int>{d * 1000 + 1, d * 1000 + 2, d * 1000 + 3}));
        QVERIFY(row.activeTimers().isEmpty());

        // A new press counts its ticks from the start; a short click is tick 0.
        row.steps.clear();
        QTest::mousePress(arrow, Qt::LeftButton);
        QVERIFY(QMetaObject::invokeMethod(row.activeTimers().first(), "timeout"));
        QTest::mouseRelease(arrow, Qt::LeftButton);
        QTest::mouseClick(arrow, Qt::LeftButton);
        QCOMPARE(row.asked(), (QList<int>{d * 1000 + 1, d * 1000}));
    }

    void repeatOffStartsNoTimer()
    {
        Row row;
        row.repeat->setRepeatOnHold(false);
        row.repeat->press(+1);
        QVERIFY(row.activeTimers().isEmpty());
        row.repeat->release(+1);
        QCOMPARE(row.asked(), QList<int>{1000});
    }

    void stopAbandonsOnlyAHoldThatTicked()
    {
        Row row;
        row.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row.widget));
        QTest::mousePress(row.left, Qt::LeftButton);
        row.repeat->stop();
        QCOMPARE(row.abandoned.count(), 0);
        QVERIFY(!row.left->isDown());

        QTest::mousePress(row.right, Qt::LeftButton);
        row.repeat->tick(+1);
        row.widget.hide();
        QCOMPARE(row.abandoned.count(), 1);
        QVERIFY(row.activeTimers().isEmpty());
        // The finger lifted after the hide neither steps nor abandons again.
        QTest::mouseRelease(row.right, Qt::LeftButton);
        row.repeat->stop();
        QCOMPARE(row.asked(), QList<int>{1001});
        QCOMPARE(row.abandoned.count(), 1);
    }

    // A shown row hides while QWidget's destructor runs, after the row's own
    // part is gone: the hold is abandoned then, so rows must take that
    // signal on a child. The timers go with the row.
    void deletingAShownRowMidHold()
    {
        auto *row = new Row;
        row->widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row->widget));
        QTest::mousePress(row->left, Qt::LeftButton);
        row->repeat->tick(-1);
        QSignalSpy abandoned(row->repeat, &ArrowRepeat::holdAbandoned);
        QPointer<QTimer> timer = row->activeTimers().value(0);
        QVERIFY(timer);
        delete row;
        QCOMPARE(abandoned.count(), 1);
        QVERIFY(timer.isNull());
    }
};

QTEST_MAIN(TstArrowRepeat)
#include "tst_arrowrepeat.moc"
