#include "reopenablewindows.h"
#include "simscreen.h"

#include <QDialog>
#include <QtTest>

#include <memory>

// What the panel shows of windows opened a second time, and of clear
// windows over the board's picture, read back from the frame buffer.
class TstReopenableWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void reopenedWindowIsDrawn_data();
    void reopenedWindowIsDrawn();
    void clearWindowShowsTheBoardPicture();

private:
    std::unique_ptr<SimScreen> m_screen;
};

void TstReopenableWindows::initTestCase()
{
    QVERIFY2(SimScreen::onFrameBuffer(), "screen tests run on a frame-buffer platform");
    ReopenableWindows::install();
    m_screen = std::make_unique<SimScreen>();
    m_screen->setWindowFlag(Qt::FramelessWindowHint);
    QImage blue(SimScreen::Width, SimScreen::Height, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    m_screen->setBoardPicture(blue);
    m_screen->move(0, 0);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
}

enum class Closing { Close, Reject, Accept, CloseThenShowAtOnce, Hide };
Q_DECLARE_METATYPE(Closing)

void TstReopenableWindows::reopenedWindowIsDrawn_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::newRow("close()") << Closing::Close;
    QTest::newRow("dialog rejected") << Closing::Reject;
    QTest::newRow("dialog accepted") << Closing::Accept;
    QTest::newRow("closed and shown in one turn") << Closing::CloseThenShowAtOnce;
    QTest::newRow("hide()") << Closing::Hide;
}

void TstReopenableWindows::reopenedWindowIsDrawn()
{
    QFETCH(Closing, closing);
    QDialog window(nullptr, Qt::FramelessWindowHint);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::red);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setGeometry(50, 50, 100, 100);

    for (int opening = 1; opening <= 3; ++opening) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QColor(m_screen->composed().pixel(100, 100)), QColor(Qt::red));
        switch (closing) {
        case Closing::Close: window.close(); break;
        case Closing::Reject: window.reject(); break;
        case Closing::Accept: window.accept(); break;
        case Closing::Hide: window.hide(); break;
        case Closing::CloseThenShowAtOnce:
            window.close();
            window.show();
            QCOMPARE(QColor(m_screen->composed().pixel(100, 100)), QColor(Qt::red));
            window.close();
            break;
        }
        QVERIFY(!window.isVisible());
        QCOMPARE(QColor(m_screen->composed().pixel(100, 100)), QColor(Qt::blue));
    }
}

// The frame buffer puts each window over the others as it is: a clear
// window shows the board's picture where it is transparent, not black, and
// follows the picture as it changes.
void TstReopenableWindows::clearWindowShowsTheBoardPicture()
{
    QWidget clear(nullptr, Qt::FramelessWindowHint);
    clear.setAttribute(Qt::WA_TranslucentBackground);
    clear.setGeometry(40, 40, 120, 80);
    auto *mark = new QWidget(&clear);
    mark->setAutoFillBackground(true);
    QPalette palette = mark->palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    mark->setPalette(palette);
    mark->setGeometry(0, 0, 10, 10);
    clear.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clear));
    QImage panel = m_screen->composed();
    QCOMPARE(QColor(panel.pixel(45, 45)), QColor(Qt::yellow));
    QCOMPARE(QColor(panel.pixel(100, 100)), QColor(Qt::blue));

    QImage green(SimScreen::Width, SimScreen::Height, QImage::Format_RGB32);
    green.fill(Qt::green);
    m_screen->setBoardPicture(green);
    panel = m_screen->composed();
    QCOMPARE(QColor(panel.pixel(100, 100)), QColor(Qt::green));
    QCOMPARE(QColor(panel.pixel(45, 45)), QColor(Qt::yellow));
}

QTEST_MAIN(TstReopenableWindows)
#include "tst_reopenablewindows.moc"
