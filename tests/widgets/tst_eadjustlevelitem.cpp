#include "eadjustlevelitem.h"
#include "testroot.h"

#include <QtTest>
#include <QPushButton>

// Selection and object name, the switch to manual, the outline, the mode
// icon, and the arrows passed on.
class TstEAdjustLevelItem : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;

    static QList<QPushButton *> selectors(EAdjustLevelItem *strip)
    {
        // Layout order: Left, mode, Min, Both, Max, Right.
        QList<QPushButton *> all;
        for (QPushButton *b : strip->findChildren<QPushButton *>())
            if (b->objectName().isEmpty())
                all << b;
        std::sort(all.begin(), all.end(), [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
        return all;
    }

private Q_SLOTS:
    void selecting_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("manual");
        QTest::newRow("mode") << 0 << "Auto" << 0;
        QTest::newRow("min") << 1 << "Min" << 1;
        QTest::newRow("both") << 2 << "Both" << 1;
        QTest::newRow("max") << 3 << "Max" << 1;
    }
    void selecting()
    {
        QFETCH(int, button);
        QFETCH(QString, name);
        QFETCH(int, manual);
        EAdjustLevelItem strip(QStringLiteral("Auto"));
        strip.setFixedWidth(262);
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        QSignalSpy spy(&strip, &EAdjustLevelItem::signal_changeToManual);
        const QList<QPushButton *> buttons = selectors(&strip);
        QCOMPARE(buttons.size(), 4);
        QTest::mouseClick(buttons.at(button), Qt::LeftButton);
        QCOMPARE(strip.objectName(), name);
        QCOMPARE(strip.selection(), button);
        QCOMPARE(spy.count(), manual);
        // Selecting again signals again.
        QTest::mouseClick(buttons.at(button), Qt::LeftButton);
        QCOMPARE(spy.count(), 2 * manual);
    }

    void bothOutlineSpansTheThreeSelectors()
    {
        EAdjustLevelItem strip(QStringLiteral("Auto"));
        strip.setFixedWidth(262);
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        strip.slot_clicked_bothItem();
        const QImage image = strip.grab().toImage();
        const QList<QPushButton *> b = selectors(&strip);
        const QRect min = b.at(1)->geometry();
        const QRect max = b.at(3)->geometry();
        const int y = min.y() + 3;
        // The top edge of the outline runs from Min's left to Max's right.
        const QRgb pen = image.pixel(min.x() - 1, y);
        QCOMPARE(QColor(pen), QColor(Qt::black));
        QCOMPARE(image.pixel(max.x() + max.width() - 2, y), pen);
        QCOMPARE(image.pixel((min.x() + max.x()) / 2, y), pen);
        QCOMPARE(3 * min.width() + 11 + min.x() - 1, max.x() + max.width());
    }

    void modeIcon()
    {
        EAdjustLevelItem strip(QStringLiteral("Auto"));
        QPushButton *mode = selectors(&strip).at(0);
        for (int m = 0; m < 3; ++m) {
            strip.changeMode(m);
            QVERIFY(!mode->icon().isNull());
        }
        strip.changeMode(3);
        QVERIFY(mode->icon().isNull());
        QCOMPARE(strip.objectName(), QStringLiteral("Auto"));
    }

    void arrowsArePassedOn()
    {
        EAdjustLevelItem strip(QStringLiteral("Auto"));
        strip.setFixedWidth(262);
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        strip.slot_clicked_maxItem();
        QSignalSpy upPress(&strip, &EAdjustLevelItem::signal_upPress);
        QSignalSpy upRelease(&strip, &EAdjustLevelItem::signal_upRelease);
        QSignalSpy downPress(&strip, &EAdjustLevelItem::signal_downPress);
        QSignalSpy downRelease(&strip, &EAdjustLevelItem::signal_downRelease);
        QTest::mouseClick(strip.findChild<QPushButton *>(QStringLiteral("Right")), Qt::LeftButton);
        QCOMPARE(upPress.count(), 1);
        QCOMPARE(upRelease.count(), 1);
        QCOMPARE(downPress.count(), 0);
        strip.emit_signal(0);
        strip.emit_signal(128);
        strip.emit_signal(2);
        QCOMPARE(downPress.count(), 1);
        QCOMPARE(downRelease.count(), 1);
        QCOMPARE(upPress.count() + upRelease.count(), 2);
    }

    void escapeHides()
    {
        EAdjustLevelItem strip(QStringLiteral("Auto"));
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        strip.slot_clicked_minItem();
        QTest::keyClick(&strip, Qt::Key_Escape);
        QVERIFY(!strip.isVisible());
        QCOMPARE(strip.objectName(), QStringLiteral("Min"));
    }
};

QTEST_MAIN(TstEAdjustLevelItem)
#include "tst_eadjustlevelitem.moc"
