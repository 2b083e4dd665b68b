#include "estyle.h"
#include "etitle.h"
#include "testroot.h"

#include <QtTest>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionSpinBox>

// Title bar: cancel on every click, presses consumed, long titles clipped.
// EStyle: hover on buttons, spin-box geometry and arrows.
class TstETitle : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;

    // Records whether a press got through to the dialog behind.
    class Dialog : public QWidget
    {
    public:
        int presses = 0;

    protected:
        void mousePressEvent(QMouseEvent *) override { ++presses; }
    };

private Q_SLOTS:
    void cancelEveryClick()
    {
        ETitle bar;
        bar.setFixedSize(320, 32);
        bar.setText(QStringLiteral("Spot 1 Mode"));
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy cancel(&bar, &ETitle::cancel);
        QSignalSpy done(&bar, &ETitle::done);
        QPushButton *button = bar.findChild<QPushButton *>(QStringLiteral("Cancel"));
        QVERIFY(button);
        QCOMPARE(button->width(), 48);
        QVERIFY(button->geometry().right() >= 318);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(cancel.count(), 2);
        QCOMPARE(done.count(), 0);
    }

    void pressesStopAtTheBar()
    {
        Dialog dialog;
        dialog.resize(320, 240);
        auto *bar = new ETitle(&dialog);
        bar->setGeometry(0, 0, 320, 32);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(100, 16));
        QCOMPARE(dialog.presses, 0);
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(dialog.presses, 1);
    }

    void titleIsCentredAndClipped()
    {
        ETitle bar;
        bar.setFixedSize(320, 32);
        bar.setText(QStringLiteral("Spot 1 Mode"));
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QLabel *title = bar.findChild<QLabel *>(QStringLiteral("Title"));
        QPushButton *button = bar.findChild<QPushButton *>(QStringLiteral("Cancel"));
        QCOMPARE(title->geometry().center().x(), 159);
        bar.setText(QString(80, QLatin1Char('W')));
        QCoreApplication::processEvents();
        QVERIFY(title->geometry().right() < button->geometry().left());
        QVERIFY(title->geometry().left() >= 48);
        QCOMPARE(button->geometry().width(), 48);
    }

    void stylePolishesHover()
    {
        EStyle style;
        QPushButton button;
        QComboBox combo;
        QLabel label;
        style.polish(&button);
        style.polish(&combo);
        style.polish(&label);
        QVERIFY(button.testAttribute(Qt::WA_Hover));
        QVERIFY(combo.testAttribute(Qt::WA_Hover));
        QVERIFY(!label.testAttribute(Qt::WA_Hover));
    }

    void spinBoxGeometry_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("editEmpty");
        QTest::newRow("wide") << 200 << false;
        QTest::newRow("narrower than 64") << 60 << true;
    }
    void spinBoxGeometry()
    {
        QFETCH(int, width);
        QFETCH(bool, editEmpty);
        EStyle style;
        QStyleOptionSpinBox option;
        option.rect = QRect(0, 0, width, 36);
        option.direction = Qt::LeftToRight;
        const QRect up = style.subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp);
        const QRect down = style.subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown);
        const QRect edit = style.subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField);
        QCOMPARE(down, QRect(0, 0, 32, 36));
        QCOMPARE(up, QRect(width - 33, 0, 32, 36));
        QCOMPARE(style.subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxFrame), option.rect);
        QCOMPARE(edit.isEmpty(), editEmpty);
        if (!editEmpty)
            QCOMPARE(edit.left(), 32);
        option.direction = Qt::RightToLeft;
        QCOMPARE(style.subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown).right(), width - 1);
    }

    void spinBoxArrows()
    {
        EStyle style;
        QStyleOptionSpinBox option;
        option.rect = QRect(0, 0, 120, 36);
        option.state = QStyle::State_Enabled;
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
        QImage image(120, 36, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            style.drawComplexControl(QStyle::CC_SpinBox, &option, &painter);
        }
        auto drawnIn = [&](const QRect &r) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (image.pixel(x, y) != qRgb(255, 255, 255))
                        return true;
            return false;
        };
        QVERIFY(drawnIn(QRect(0, 0, 32, 36)));
        QVERIFY(drawnIn(QRect(87, 0, 32, 36)));
        // No frame and nothing in the middle.
        QVERIFY(!drawnIn(QRect(40, 0, 40, 36)));

        // Six pixels high or less: no arrows at all.
        option.rect = QRect(0, 0, 120, 6);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            style.drawComplexControl(QStyle::CC_SpinBox, &option, &painter);
        }
        QVERIFY(!drawnIn(QRect(0, 0, 120, 6)));
    }
};

QTEST_MAIN(TstETitle)
#include "tst_etitle.moc"
