#include "corefixture.h"

#include "calibpage.h"
#include "centredquestion.h"
#include "espotgraphicsitem.h"
#include "espotwidget.h"
#include "manualdeadpoint.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

// Dead-pixel marking by pad and by touch over the simulated core.
class TestManualDeadPoint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void padPlacement_data();
    void padPlacement();
    void padFollowsTheCursor();
    void markingSendsTheCorePoint_data();
    void markingSendsTheCorePoint();
    void refusedPointKeepsOkReady();
    void touchSelectsTheMarker();
    void holdingMovesOnePixelPerTick();
    void escapeStandalone_data();
    void escapeStandalone();
    void escapeAsACalibrationStep();
};

namespace {
struct Marking
{
    Open o;
    ManualDeadPoint *view = nullptr;
    explicit Marking(int type = 0)
    {
        auto *page = o.page<CalibPage>(IRCoreMainWindow::CalibPageIndex);
        page->startManualCalib(type);
        view = page->manualDeadPoint();
    }
    void placeCursor(int x, int y)
    {
        view->cursor()->move(x, y, 0);
        // Touch the marker: it becomes current and OK is ready. (QTest
        // takes a null point for the widget's centre: stay off (0, 0).)
        const QPoint at(qMax(1, view->cursor()->getX()), qMax(1, view->cursor()->getY()));
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
    }
    QPushButton *ok() const { return view->padButton(ManualDeadPoint::Ok); }
};
} // namespace

void TestManualDeadPoint::padPlacement_data()
{
    QTest::addColumn<int>("cursorY");
    QTest::addColumn<int>("centreY");
    QTest::newRow("top") << 0 << 192;
    QTest::newRow("middle") << 120 << 192;
    QTest::newRow("below middle") << 121 << 58;
    QTest::newRow("bottom") << 239 << 58;
}

void TestManualDeadPoint::padPlacement()
{
    QFETCH(int, cursorY);
    QFETCH(int, centreY);
    QCOMPARE(ManualDeadPoint::padCentreFor(cursorY), QPoint(160, centreY));
}

void TestManualDeadPoint::padFollowsTheCursor()
{
    Marking m;
    QVERIFY(m.view->isVisible());
    QVERIFY(!m.o.window->isVisible());
    QVERIFY(m.o.f.core->marking());
    m.view->cursor()->move(160, 120, 0);
    QTest::mouseClick(m.view->padButton(ManualDeadPoint::Down), Qt::LeftButton);
    QCOMPARE(m.view->cursor()->getY(), 121);
    QCOMPARE(m.view->padCentre(), QPoint(160, 58));
    QCOMPARE(m.view->padButton(ManualDeadPoint::Up)->pos(), QPoint(144, 10));
    QCOMPARE(m.ok()->pos(), QPoint(144, 42));
    // A tap up at the top edge stays there.
    m.view->cursor()->move(40, 0, 0);
    QTest::mouseClick(m.view->padButton(ManualDeadPoint::Up), Qt::LeftButton);
    QCOMPARE(m.view->cursor()->getY(), 0);
}

void TestManualDeadPoint::markingSendsTheCorePoint_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("sent");
    QTest::newRow("inside") << QPoint(100, 50) << QPoint(200, 50);
    QTest::newRow("origin") << QPoint(0, 0) << QPoint(0, 0);
    QTest::newRow("far corner") << QPoint(400, 300) << QPoint(638, 239);
}

void TestManualDeadPoint::markingSendsTheCorePoint()
{
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, sent);
    Marking m;
    m.placeCursor(cursor.x(), cursor.y());
    QVERIFY(m.ok()->isEnabled());
    QTest::mouseClick(m.ok(), Qt::LeftButton);
    QCOMPARE(m.o.f.core->deadPoints(), QVector<QPoint>{sent});
    QVERIFY(!m.ok()->isEnabled());
    QVERIFY(!m.view->cursor()->isHighlight());
}

void TestManualDeadPoint::refusedPointKeepsOkReady()
{
    Marking m;
    m.placeCursor(10, 20);
    m.o.f.core->failCall(QStringLiteral("SetDeadPointValid"), 1);
    QTest::mouseClick(m.ok(), Qt::LeftButton);
    QVERIFY(m.o.f.core->deadPoints().isEmpty());
    QVERIFY(m.ok()->isEnabled());
    QTest::mouseClick(m.ok(), Qt::LeftButton);
    QCOMPARE(m.o.f.core->deadPoints(), QVector<QPoint>{QPoint(20, 20)});
    QVERIFY(!m.ok()->isEnabled());
}

void TestManualDeadPoint::touchSelectsTheMarker()
{
    Marking m;
    m.placeCursor(60, 60);
    QVERIFY(m.ok()->isEnabled());
    // Empty picture: nothing selected.
    QTest::mousePress(m.view->viewport(), Qt::LeftButton, {}, QPoint(250, 30));
    QTest::mouseRelease(m.view->viewport(), Qt::LeftButton, {}, QPoint(250, 30));
    QVERIFY(!m.ok()->isEnabled());
    QVERIFY(!m.view->cursor()->isHighlight());
    // A drag from the marker moves it.
    QTest::mousePress(m.view->viewport(), Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseMove(m.view->viewport(), QPoint(90, 200));
    QTest::mouseRelease(m.view->viewport(), Qt::LeftButton, {}, QPoint(90, 200));
    QCOMPARE(QPoint(m.view->cursor()->getX(), m.view->cursor()->getY()), QPoint(90, 200));
    QCOMPARE(m.view->padCentre(), QPoint(160, 58));
    QVERIFY(m.ok()->isEnabled());
}

void TestManualDeadPoint::holdingMovesOnePixelPerTick()
{
    Marking m;
    m.view->cursor()->move(100, 100, 0);
    QPushButton *right = m.view->padButton(ManualDeadPoint::Right);
    QTest::mousePress(right, Qt::LeftButton);
    QVERIFY(m.view->longPressTimer()->isActive());
    QCOMPARE(m.view->longPressTimer()->interval(), 100);
    for (int i = 0; i < 10; ++i)
        m.view->mouseLongPress();
    QTest::mouseRelease(right, Qt::LeftButton);
    QCOMPARE(m.view->cursor()->getX(), 110);
    QVERIFY(!m.view->longPressTimer()->isActive());
}

void TestManualDeadPoint::escapeStandalone_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << QStringList{"Save_K_Para", "FinishSetDeadPoint"};
    QTest::newRow("No") << int(QMessageBox::No) << QStringList{"FinishSetDeadPoint"};
}

void TestManualDeadPoint::escapeStandalone()
{
    QFETCH(int, answer);
    QFETCH(QStringList, calls);
    Marking m;
    QString asked;
    CentredQuestion::Responder previous = CentredQuestion::setResponder([&](QMessageBox *box) {
        asked = box->text();
        QTest::mouseClick(box->button(QMessageBox::StandardButton(answer)), Qt::LeftButton);
    });
    m.o.f.core->clearLog();
    QTest::keyClick(m.view, Qt::Key_Escape);
    CentredQuestion::setResponder(previous);
    QCOMPARE(asked, QStringLiteral("Save Dead Point Data?"));
    QCOMPARE(m.o.f.core->calls(), calls);
    QVERIFY(!m.view->isVisible());
    QVERIFY(m.o.window->isVisible());
}

void TestManualDeadPoint::escapeAsACalibrationStep()
{
    Marking m(1);
    QSignalSpy ended(m.view, &ManualDeadPoint::manual_close);
    bool asked = false;
    CentredQuestion::Responder previous = CentredQuestion::setResponder([&](QMessageBox *) { asked = true; });
    QTest::keyClick(m.view, Qt::Key_A);
    QVERIFY(m.view->isVisible());
    QTest::keyClick(m.view, Qt::Key_Escape);
    CentredQuestion::setResponder(previous);
    QVERIFY(!asked);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!m.view->isVisible());
    QCOMPARE(m.o.f.core->calls().last(), QStringLiteral("FinishSetDeadPoint"));
    QVERIFY(!m.o.f.core->marking());
}

QTEST_MAIN(TestManualDeadPoint)
#include "tst_manualdeadpoint.moc"
