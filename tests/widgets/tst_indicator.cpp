#include "fontfamilies.h"
#include "indicator.h"
#include "indicatorimage.h"
#include "intervals.h"
#include "ir_indicator.h"
#include "testroot.h"
#include "waitthumbindicator.h"

#include <QFontMetrics>
#include <QPointer>
#include <QtTest>

class TestIndicator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void textBoxSizeAndPlace();
    void textFadesAfterTwentyOneSteps();
    void pictureNeverFades();
    void deletesItselfAfterItsTimeLine();
    void twoTipsLiveTheirOwnTime();
    void irIndicatorResizesAndRecentres();
    void waitPicturesAreFixed();

private:
    TestRoot *m_root = nullptr;
    QWidget *m_view = nullptr;
};

void TestIndicator::initTestCase()
{
    FontFamilies::install();
}

void TestIndicator::init()
{
    m_root = new TestRoot;
    Intervals::setScale(0.01); // 1.5 s becomes 15 ms
    m_view = new QWidget;
    m_view->resize(320, 240);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestIndicator::cleanup()
{
    delete m_view;
    Intervals::setScale(1.0);
    delete m_root;
}

void TestIndicator::textBoxSizeAndPlace()
{
    Intervals::setScale(1.0); // stays for the test
    auto *tip = new Indicator(m_view);
    tip->setString(QStringLiteral("Lack of space"), 0);
    QFont font(QStringLiteral("wenquanyi"));
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const int half = metrics.horizontalAdvance(QStringLiteral("Lack of space")) - 14;
    QCOMPARE(tip->geometry(), QRect(QPoint(159 - half, 119 - metrics.height()), QPoint(159 + half, 119 + metrics.height())));
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->opacity(), 1.0);
    delete tip;
}

void TestIndicator::textFadesAfterTwentyOneSteps()
{
    Intervals::setScale(1.0);
    Indicator tip(m_view);
    tip.setString(QStringLiteral("Automatic Camera"), 0);
    for (int step = 0; step < 21; ++step)
        tip.updateStep(step);
    QCOMPARE(tip.opacity(), 1.0);
    tip.updateStep(0);
    QCOMPARE(tip.opacity(), 1.0 - 0.02);
    for (int step = 0; step < 9; ++step)
        tip.updateStep(step);
    QVERIFY(qAbs(tip.opacity() - 0.8) < 1e-9);
}

void TestIndicator::pictureNeverFades()
{
    Intervals::setScale(1.0);
    Indicator card(m_view);
    card.setImage(1);
    QCOMPARE(card.geometry(), QRect(134, 94, 51, 51));
    QCOMPARE(card.imagePath(), QStringLiteral(":/images/SD.bmp"));
    for (int step = 0; step < 80; ++step)
        card.updateStep(step);
    QCOMPARE(card.opacity(), 1.0);
    card.grab(); // paints with or without the picture
}

void TestIndicator::deletesItselfAfterItsTimeLine()
{
    QPointer<Indicator> tip = new Indicator(m_view);
    tip->setString(QStringLiteral("Lack of space"), 0);
    QPointer<Indicator> card = new Indicator(m_view);
    card->setImage(1);
    QVERIFY(tip);
    QTRY_VERIFY(tip.isNull());
    QTRY_VERIFY(card.isNull());
}

void TestIndicator::twoTipsLiveTheirOwnTime()
{
    QPointer<Indicator> first = new Indicator(m_view);
    first->setString(QStringLiteral("One"), 0);
    QPointer<Indicator> second = new Indicator(m_view);
    Intervals::setScale(1.0); // the second one lives the full time
    second->setString(QStringLiteral("Two"), 0);
    QCOMPARE(first->geometry().center(), second->geometry().center());
    QTRY_VERIFY(first.isNull());
    QVERIFY(second);
    delete second;
}

void TestIndicator::irIndicatorResizesAndRecentres()
{
    IR_indicator saving;
    QVERIFY(saving.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(saving.focusPolicy(), Qt::NoFocus);
    const QFont font(QStringLiteral("wenquanyi"), 20, QFont::Normal, false);
    for (const QString &message : {QStringLiteral("IR_0001.jpg"), QStringLiteral("/media/mmc/IR/240101_0002T.jpg")}) {
        saving.setString(message);
        const int half = QFontMetrics(font).horizontalAdvance(message) / 2;
        QCOMPARE(saving.geometry(), QRect(QPoint(160 - half, 105), QPoint(160 + half, 135)));
        QVERIFY(saving.isVisible());
        saving.grab();
    }
    saving.close();
    QVERIFY(!saving.isVisible());
}

void TestIndicator::waitPicturesAreFixed()
{
    IndicatorImage recording;
    QCOMPARE(recording.geometry(), QRect(135, 95, 50, 50));
    QCOMPARE(recording.palette().color(QPalette::Window), QColor(0, 0, 0, 0));
    WaitThumbIndicator thumbs;
    QCOMPARE(thumbs.geometry(), QRect(144, 97, 32, 46));
    QVERIFY(thumbs.windowFlags() & Qt::WindowStaysOnTopHint);
    const QImage before = thumbs.grab().toImage();
    thumbs.setWaitThumbIndicator(QStringLiteral(":/images/other.png"));
    recording.setIndicatorImage(QStringLiteral("anything"));
    QCOMPARE(thumbs.grab().toImage(), before);
    recording.IndicatorRunImage();
    thumbs.IndicatorRunImage();
    QVERIFY(recording.isVisible());
    QVERIFY(thumbs.isVisible());
}

QTEST_MAIN(TestIndicator)
#include "tst_indicator.moc"
