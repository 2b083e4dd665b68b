#include "eadjustitem.h"
#include "eadjusttempitem.h"
#include "eadjusttextitem.h"
#include "egraphicslogoitem.h"
#include "elinemodeitem.h"
#include "rowprobe.h"
#include "testroot.h"

#include <QtTest>
#include <QGraphicsScene>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

// The further adjust items: ELineModeItem's repeat and silent unchanged
// values, EAdjustTempItem's pass-through arrows, EAdjustItem's buttons and
// the two overlay items.
class TstEAdjustItems : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;

private Q_SLOTS:
    void lineModeHoldTicks_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("delta");
        const QList<QPair<int, int>> table{{0, 1}, {1, 1}, {9, 9}, {10, 19}, {20, 209}, {39, 2109}, {41, 2109}};
        for (const auto &row : table) {
            QTest::addRow("up %d ticks", row.first) << true << row.first << row.second;
            QTest::addRow("down %d ticks", row.first) << false << row.first << -row.second;
        }
    }
    void lineModeHoldTicks()
    {
        QFETCH(bool, up);
        QFETCH(int, ticks);
        QFETCH(int, delta);
        ELineModeItem row(QStringLiteral("Line"));
        row.setRange(-10000, 10000);
        row.setValue(0);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy spy(&row, &ELineModeItem::valueChanged);
        QPushButton *button = arrow(&row, up ? "Right" : "Left");
        QTest::mousePress(button, Qt::LeftButton);
        for (int i = 0; i < ticks; ++i)
            up ? row.mouseLongPressUp() : row.mouseLongPressDown();
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(row.value(), delta);
        // Ticks that no longer move the value are not signalled.
        QCOMPARE(spy.count(), ticks == 0 ? 1 : qMin(ticks, 39));
        for (QTimer *t : row.findChildren<QTimer *>())
            QVERIFY(!t->isActive());
    }

    void lineModeSignalsOnlyChanges()
    {
        ELineModeItem row(QStringLiteral("Line"));
        row.setRange(0, 5);
        QSignalSpy spy(&row, &ELineModeItem::valueChanged);
        row.setValue(0);
        QCOMPARE(spy.count(), 0);
        // The blank start still shows the number once it is set.
        QCOMPARE(row.findChildren<QLabel *>().last()->text(), QStringLiteral("0"));
        row.setValue(5);
        row.setValue(5);
        QCOMPARE(spy.count(), 1);
        row.upPress();
        row.upRelease();
        QCOMPARE(row.value(), 5);
        QCOMPARE(spy.count(), 1);
        row.downPress();
        row.downRelease();
        QCOMPARE(row.value(), 4);
        QCOMPARE(spy.count(), 2);
    }

    void adjustTempPassesArrowsOn()
    {
        EAdjustTempItem row(QStringLiteral("Level"));
        row.setRange(0, 100);
        row.setValue(50.5f);
        row.setStep(0.1f);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy upPress(&row, &EAdjustTempItem::signal_upPress);
        QSignalSpy upRelease(&row, &EAdjustTempItem::signal_upRelease);
        QSignalSpy downPress(&row, &EAdjustTempItem::signal_downPress);
        QSignalSpy downRelease(&row, &EAdjustTempItem::signal_downRelease);
        QTest::mouseClick(arrow(&row, "Right"), Qt::LeftButton);
        QTest::mouseClick(arrow(&row, "Left"), Qt::LeftButton);
        QCOMPARE(upPress.count(), 1);
        QCOMPARE(upRelease.count(), 1);
        QCOMPARE(downPress.count(), 1);
        QCOMPARE(downRelease.count(), 1);
        QCOMPARE(row.value(), 50.5f);
        QCOMPARE(row.getStep(), 0.1f);
    }

    void adjustItemButtons()
    {
        EAdjustItem pair;
        QPushButton *down = arrow(&pair, "Left");
        QPushButton *up = arrow(&pair, "Right");
        QVERIFY(down && up);
        QCOMPARE(down->size(), QSize(32, 32));
        QVERIFY(!down->icon().isNull());
        QVERIFY(!up->icon().isNull());
        QCOMPARE(down->focusPolicy(), Qt::NoFocus);
    }

    void overlayItems()
    {
        QGraphicsScene scene;
        auto *text = new EAdjustTextItem(&scene);
        QCOMPARE(text->scene(), &scene);
        QCOMPARE(text->type(), 65536);
        QCOMPARE(text->zValue(), 1.0);
        text->setHighLight(true);
        QCOMPARE(text->defaultTextColor(), QColor(Qt::red));
        text->setHighLight(false);
        QCOMPARE(text->defaultTextColor(), QColor(Qt::white));

        QPixmap picture(QStringLiteral(":images/logo.png"));
        QVERIFY(!picture.isNull());
        auto *logo = new EGraphicsLogoItem(picture);
        scene.addItem(logo);
        QVERIFY(logo->zValue() > text->zValue());
        // Transparent corners of the logo still take the touch.
        QVERIFY(logo->contains(QPointF(0.5, 0.5)));
        QCOMPARE(logo->shape().boundingRect(), logo->boundingRect());
    }
};

QTEST_MAIN(TstEAdjustItems)
#include "tst_eadjustitems.moc"
