#include "echeckbox.h"
#include "elabel.h"
#include "epushbutton.h"
#include "testroot.h"

#include <QtTest>
#include <QPainter>

// Captions ignore the finger; the push button reports at the press and
// draws its mark; the check box reports its name and keeps its state.
class TstELabel : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;

private Q_SLOTS:
    void captionIgnoresTheFinger()
    {
        ELabel label(QStringLiteral("Emissivity"));
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QSignalSpy pressed(&label, &QPushButton::pressed);
        QSignalSpy released(&label, &QPushButton::released);
        QSignalSpy clicked(&label, &QPushButton::clicked);
        QTest::mousePress(&label, Qt::LeftButton);
        QVERIFY(!label.isDown());
        QTest::mouseMove(&label, QPoint(3, 3));
        QTest::mouseRelease(&label, Qt::LeftButton);
        QCOMPARE(pressed.count() + released.count() + clicked.count(), 0);
        QCOMPARE(label.focusPolicy(), Qt::NoFocus);
    }

    void valueCaptionStandsFlushLeft()
    {
        // Same text, once as a caption and once as the value of a row.
        QWidget page;
        page.setStyleSheet(QStringLiteral("background: black;"));
        ELabel caption(QStringLiteral("35%"), &page);
        ELabel value(QStringLiteral("35%"), &page);
        value.setObjectName(QStringLiteral("Value"));
        caption.setGeometry(0, 0, 100, 44);
        value.setGeometry(0, 50, 100, 44);
        page.resize(100, 100);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto firstInk = [](const QImage &image) {
            for (int x = 0; x < image.width(); ++x)
                for (int y = 0; y < image.height(); ++y)
                    if (QColor(image.pixel(x, y)).lightness() > 128)
                        return x;
            return -1;
        };
        const int captionInk = firstInk(caption.grab().toImage());
        const int valueInk = firstInk(value.grab().toImage());
        QVERIFY(captionInk >= 0 && valueInk >= 0);
        QCOMPARE(captionInk - valueInk, 2);
    }

    void pushButtonReportsAtThePress()
    {
        EPushButton button(QStringLiteral("Palette"));
        button.setAttribute(QStringLiteral("palette"));
        QCOMPARE(button.objectName(), QStringLiteral("EPushButton"));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QSignalSpy byName(&button, qOverload<const QString &>(&EPushButton::clicked));
        QSignalSpy bySelf(&button, qOverload<EPushButton *>(&EPushButton::clicked));
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(byName.count(), 1);
        QCOMPARE(byName.at(0).at(0).toString(), QStringLiteral("palette"));
        QCOMPARE(bySelf.count(), 1);
        QVERIFY(button.isDown());
        QTest::mouseRelease(&button, Qt::LeftButton);
    }

    void dropDownMark()
    {
        EPushButton button(QString(), nullptr, true);
        button.setFixedSize(100, 30);
        QPalette p = button.palette();
        p.setColor(QPalette::ButtonText, Qt::red);
        button.setPalette(p);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        const QImage image = button.grab().toImage();
        // Top line of the mark: x 86 to 92 at y 13; nothing red beside it.
        for (int x = 86; x <= 92; ++x)
            QCOMPARE(QColor(image.pixel(x, 13)), QColor(Qt::red));
        QVERIFY(QColor(image.pixel(85, 13)) != QColor(Qt::red));
        QVERIFY(QColor(image.pixel(93, 13)) != QColor(Qt::red));
        QCOMPARE(QColor(image.pixel(89, 16)), QColor(Qt::red));
    }

    void drawBlend()
    {
        QImage image(4, 6, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const QColor c1 = QColor::fromHsv(0, 255, 100);
        const QColor c2 = QColor::fromHsv(0, 255, 250);
        EPushButton::drawBlend(&painter, image.rect(), 0, c1, c2, 2);
        painter.end();
        // Bottom line c1, the line just below the band c2.
        QCOMPARE(QColor(image.pixel(0, 5)).value(), 100);
        QCOMPARE(QColor(image.pixel(0, 2)).value(), 250);
        // Band: t = 2, 3 over d = 3.
        QCOMPARE(QColor(image.pixel(0, 0)).value(), 100 + 2 * 150 / 3);
        QCOMPARE(QColor(image.pixel(0, 1)).value(), 250);

        // Mode other than 0 draws nothing; a one-line lower part takes c1.
        QImage one(2, 3, QImage::Format_RGB32);
        one.fill(Qt::white);
        QPainter p2(&one);
        EPushButton::drawBlend(&p2, one.rect(), 1, c1, c2, 2);
        QCOMPARE(QColor(one.pixel(0, 2)), QColor(Qt::white));
        EPushButton::drawBlend(&p2, one.rect(), 0, c1, c2, 2);
        p2.end();
        QCOMPARE(QColor(one.pixel(0, 2)).value(), 100);
    }

    void checkBoxReportsItsName()
    {
        ECheckBox box(QStringLiteral("Show maximum"));
        box.setName(QStringLiteral("max"));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy named(&box, qOverload<const QString &>(&ECheckBox::clicked));
        QSignalSpy toggled(&box, &QCheckBox::toggled);
        QTest::mouseClick(&box, Qt::LeftButton);
        QCOMPARE(named.count(), 1);
        QCOMPARE(named.at(0).at(0).toString(), QStringLiteral("max"));
        QCOMPARE(toggled.count(), 0);
        QVERIFY(!box.isChecked());
    }

    void checkBoxHighlightBand()
    {
        ECheckBox box(QStringLiteral("Show maximum"));
        box.resize(200, 30);
        QPalette p = box.palette();
        p.setColor(QPalette::Highlight, QColor(10, 200, 10));
        box.setPalette(p);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setHighlight(true);
        QVERIFY(box.isHighlight());
        const QImage image = box.grab().toImage();
        QCOMPARE(QColor(image.pixel(199, 29)), QColor(10, 200, 10));
        QVERIFY(QColor(image.pixel(14, 29)) != QColor(10, 200, 10));
    }
};

QTEST_MAIN(TstELabel)
#include "tst_elabel.moc"
