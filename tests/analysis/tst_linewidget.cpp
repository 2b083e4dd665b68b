#include "../libtherma/frontfixture.h"

#include "eglobal.h"
#include "elinearrowitem.h"
#include "elinegraphicsitem.h"
#include "elinewidget.h"

#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QtTest>

// The line: its board registers (position 0x1200/0x1202, display bits of
// 0x10), its stored cursor, the moves along and across it, and a replay
// line that never touches the board.
class TestLineWidget : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void defaultsAndStoredCursor_data();
    void defaultsAndStoredCursor();
    void registers_data();
    void registers();
    void axisMoves_data();
    void axisMoves();
    void replayLineLeavesTheBoardAlone();
    void failedReadingShowsNoNumber();

private:
    std::unique_ptr<FrontFixture> m_f;
};

void TestLineWidget::init()
{
    m_f = std::make_unique<FrontFixture>(false);
    EGlobal::setFPGA(&m_f->start());
}

void TestLineWidget::cleanup()
{
    EGlobal::setFPGA(nullptr);
    m_f.reset();
}

void TestLineWidget::defaultsAndStoredCursor_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QPoint>("cursor");
    QTest::newRow("nothing stored") << QByteArray() << QPoint(160, 120);
    QTest::newRow("row 10, column 400") << QByteArray("Row=10\nColumn=400\n") << QPoint(315, 21);
    QTest::newRow("text") << QByteArray("Row=top\nColumn=left\n") << QPoint(160, 120);
}

void TestLineWidget::defaultsAndStoredCursor()
{
    QFETCH(QByteArray, group);
    QFETCH(QPoint, cursor);
    QVERIFY(m_f->settings("[Line_1]\n" + group + "[Line_2]\n" + group));
    QGraphicsScene scene;
    ELineWidget row(&scene, nullptr, 1, false);
    ELineWidget column(&scene, nullptr, 2, false);
    QCOMPARE(row.getPosition(), cursor);
    QCOMPARE(column.getPosition(), cursor);
    QCOMPARE(int(m_f->board->registerWord(0x1200)), cursor.y());
    QCOMPARE(int(m_f->board->registerWord(0x1202)), cursor.x());
    QCOMPARE(row.name(), QStringLiteral("L1:  "));
}

void TestLineWidget::registers_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("bit");
    QTest::addColumn<uint>("positionRegister");
    QTest::addColumn<int>("expected");
    QTest::newRow("line 1 writes the row") << 1 << 0x01 << 0x1200u << 77;
    QTest::newRow("line 2 writes the column") << 2 << 0x02 << 0x1202u << 99;
}

void TestLineWidget::registers()
{
    QFETCH(int, id);
    QFETCH(int, bit);
    QFETCH(uint, positionRegister);
    QFETCH(int, expected);
    QGraphicsScene scene;
    ELineWidget line(&scene, nullptr, id, false);
    m_f->board->setRegister(0x10, QByteArray(1, char(0x80)));
    line.setVisible(true);
    QCOMPARE(int(m_f->board->registerByte(0x10)), 0x80 | bit);
    QVERIFY(line.lineItem()->mainLine()->isVisible());
    QVERIFY(line.arrow()->isVisible());
    line.move(99, 77, 0);
    QCOMPARE(int(m_f->board->registerWord(positionRegister)), expected);
    line.setVisible(false);
    QCOMPARE(int(m_f->board->registerByte(0x10)), 0x80);
    QVERIFY(!line.lineItem()->mainLine()->isVisible());
}

void TestLineWidget::axisMoves_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("axis");
    QTest::addColumn<QPoint>("request");
    QTest::addColumn<QPoint>("cursor");
    QTest::newRow("line 1 across keeps x") << 1 << 1 << QPoint(50, 60) << QPoint(160, 60);
    QTest::newRow("line 2 across keeps y") << 2 << 1 << QPoint(50, 60) << QPoint(50, 120);
    QTest::newRow("line 1 along keeps y") << 1 << 2 << QPoint(400, 60) << QPoint(315, 120);
    QTest::newRow("line 2 along keeps x") << 2 << 2 << QPoint(50, 0) << QPoint(160, 21);
    QTest::newRow("unknown axis") << 1 << 5 << QPoint(50, 60) << QPoint(160, 120);
}

void TestLineWidget::axisMoves()
{
    QFETCH(int, id);
    QFETCH(int, axis);
    QFETCH(QPoint, request);
    QFETCH(QPoint, cursor);
    QGraphicsScene scene;
    ELineWidget line(&scene, nullptr, id, false);
    line.move(request.x(), request.y(), axis);
    QCOMPARE(line.getPosition(), cursor);
    QCOMPARE(line.arrow()->pos().toPoint(), cursor);
}

// A line of a replay viewer moves, shows and hides without writing the
// live board's line registers.
void TestLineWidget::replayLineLeavesTheBoardAlone()
{
    QGraphicsScene scene;
    ELineWidget line(&scene, nullptr, 1, true);
    m_f->board->clearWrites();
    line.move(10, 50, 0);
    line.setVisible(true);
    line.move(10, 60, 1);
    line.setVisible(false);
    QVERIFY(m_f->board->writesTo(0x1200).isEmpty());
    QVERIFY(m_f->board->writesTo(0x1202).isEmpty());
    QVERIFY(m_f->board->writesTo(0x10).isEmpty());
    QCOMPARE(line.getPosition(), QPoint(10, 60));
}

void TestLineWidget::failedReadingShowsNoNumber()
{
    QGraphicsScene scene;
    ELineWidget line(&scene, nullptr, 2, true);
    line.updateTemp();
    QVERIFY(line.name() != QStringLiteral("L2:--"));
    m_f->board->addFault({SimBoard::FailRead, -1, 0, -1});
    line.updateTemp();
    QCOMPARE(line.name(), QStringLiteral("L2:--"));
}

QTEST_MAIN(TestLineWidget)
#include "tst_linewidget.moc"
