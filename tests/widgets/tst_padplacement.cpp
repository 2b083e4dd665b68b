#include "padplacement.h"

#include <QtTest>

// A pad goes where it is asked unless that puts part of it past an edge
// of the screen; then it moves in the shortest way, at its full size.
class TestPadPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void inside_data();
    void inside();
};

void TestPadPlacement::inside_data()
{
    QTest::addColumn<QRect>("pad");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("placed");
    const QRect panel(0, 0, 320, 240);
    QTest::newRow("full screen, where asked") << QRect(0, 0, 320, 240) << panel << QRect(0, 0, 320, 240);
    QTest::newRow("full screen, below the status bar") << QRect(0, 16, 320, 240) << panel << QRect(0, 0, 320, 240);
    QTest::newRow("lower half, fits") << QRect(0, 90, 320, 150) << panel << QRect(0, 90, 320, 150);
    QTest::newRow("past the bottom") << QRect(0, 120, 320, 150) << panel << QRect(0, 90, 320, 150);
    QTest::newRow("past the right") << QRect(200, 10, 230, 140) << panel << QRect(90, 10, 230, 140);
    QTest::newRow("above and left") << QRect(-20, -5, 230, 140) << panel << QRect(0, 0, 230, 140);
    QTest::newRow("screen not at the origin") << QRect(0, 16, 320, 240) << QRect(320, 0, 320, 240)
                                              << QRect(320, 0, 320, 240);
    QTest::newRow("taller than the screen") << QRect(0, 16, 320, 300) << panel << QRect(0, 0, 320, 300);
}

void TestPadPlacement::inside()
{
    QFETCH(QRect, pad);
    QFETCH(QRect, screen);
    QFETCH(QRect, placed);
    QCOMPARE(PadPlacement::inside(pad, screen), placed);
}

QTEST_GUILESS_MAIN(TestPadPlacement)
#include "tst_padplacement.moc"
