#include "espinbox.h"
#include "espinboxitem.h"
#include "rowprobe.h"
#include "testroot.h"

#include <QtTest>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

// ESpinBox: text by decimals and sign, rounding of values and ranges.
// ESpinBoxItem: hold ticks against value, silent loads, the name in the
// signal, the "Emiss" tap, the end of a repeat on release and hide.
class TstESpinBox : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;

private Q_SLOTS:
    void text_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("integer");
        QTest::addColumn<QString>("text");
        QTest::newRow("0 decimals") << 0 << 42 << "42";
        QTest::newRow("0 decimals negative") << 0 << -7 << "-7";
        QTest::newRow("1 decimal") << 1 << 15 << "1.5";
        QTest::newRow("1 decimal zero") << 1 << 0 << "0.0";
        QTest::newRow("1 decimal -0.5") << 1 << -5 << "-0.5";
        QTest::newRow("1 decimal -1.5") << 1 << -15 << "-1.5";
        QTest::newRow("2 decimals 0.80") << 2 << 80 << "0.80";
        QTest::newRow("2 decimals -0.05") << 2 << -5 << "-0.05";
        QTest::newRow("2 decimals -1.05") << 2 << -105 << "-1.05";
        QTest::newRow("2 decimals 12.34") << 2 << 1234 << "12.34";
        QTest::newRow("3 decimals shows the integer") << 3 << 1234 << "1234";
    }
    void text()
    {
        QFETCH(int, decimals);
        QFETCH(int, integer);
        QFETCH(QString, text);
        ESpinBox box;
        box.setDecimals(decimals);
        box.QSpinBox::setRange(-100000, 100000);
        box.QSpinBox::setValue(integer);
        QCOMPARE(box.text(), text);
    }

    void valueRounding_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.8 at 2") << 2 << 0.8f << "0.80";
        QTest::newRow("-0.5 at 1") << 1 << -0.5f << "-0.5";
        QTest::newRow("-0.3 at 1") << 1 << -0.3f << "-0.3";
        QTest::newRow("-0.7 at 1") << 1 << -0.7f << "-0.7";
        QTest::newRow("just below 3 at 1") << 1 << 2.9999998f << "3.0";
        QTest::newRow("just above -3 at 1") << 1 << -2.9999998f << "-3.0";
        QTest::newRow("-0.07 at 2") << 2 << -0.07f << "-0.07";
        QTest::newRow("0.29 at 2") << 2 << 0.29f << "0.29";
        QTest::newRow("-1.13 at 2") << 2 << -1.13f << "-1.13";
    }
    void valueRounding()
    {
        QFETCH(int, decimals);
        QFETCH(float, value);
        QFETCH(QString, text);
        ESpinBox box;
        box.setDecimals(decimals);
        box.setRange(-1000.0f, 1000.0f);
        box.setValue(value);
        QCOMPARE(box.text(), text);
        QCOMPARE(box.value(), text.toDouble());
    }

    void rangeRounding()
    {
        ESpinBox box;
        box.setDecimals(2);
        box.setRange(0.01f, 1.0f);
        QCOMPARE(box.minimum(), 1);
        QCOMPARE(box.maximum(), 100);
        box.setDecimals(1);
        box.setRange(-0.3f, 0.7f);
        QCOMPARE(box.minimum(), -3);
        QCOMPARE(box.maximum(), 7);
        box.setValue(-5.0f);
        QCOMPARE(box.text(), QStringLiteral("-0.3"));
    }

    void singleStepIsRemembered()
    {
        ESpinBox box;
        box.setDecimals(2);
        box.setSingleStep(0.01, false);
        QCOMPARE(box.orginSingleStep(), 0.01);
        QCOMPARE(box.singleStep(), 1);
        box.setSingleStep(0.05, false);
        QCOMPARE(box.orginSingleStep(), 0.01);
        QCOMPARE(box.singleStep_float(), 0.05);
        box.setSingleStep(0.1, true);
        QCOMPARE(box.orginSingleStep(), 0.1);
    }

    void losingFocusKeepsTheValue()
    {
        ESpinBox box;
        box.setDecimals(2);
        box.setRange(0.0f, 1.0f);
        box.setValue(0.8f);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setFocus();
        box.clearFocus();
        box.interpretText();
        QCOMPARE(box.text(), QStringLiteral("0.80"));
        QCOMPARE(box.value(), 0.8);
    }

    void itemHoldTicks_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("steps");
        // Strides: 1 step for ticks 1-9, 2 for 10-19, 10 for 20-39, 100 from 40.
        const QList<QPair<int, int>> table{{0, 1}, {1, 1}, {9, 9}, {10, 11}, {19, 29}, {20, 39}, {39, 229}, {40, 329}};
        for (const auto &row : table) {
            QTest::addRow("up %d ticks", row.first) << true << row.first << row.second;
            QTest::addRow("down %d ticks", row.first) << false << row.first << -row.second;
        }
    }
    void itemHoldTicks()
    {
        QFETCH(bool, up);
        QFETCH(int, ticks);
        QFETCH(int, steps);
        ESpinBoxItem row(nullptr, 48);
        row.setObjectName(QStringLiteral("Offset"));
        row.setDecimals(1);
        row.setRange(-1000.0f, 1000.0f);
        row.setValue(0.0f, false);
        row.setSingleStep(0.1, false);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy spy(&row, &ESpinBoxItem::valueChanged);

        QPushButton *button = arrow(&row, up ? "Right" : "Left");
        QTest::mousePress(button, Qt::LeftButton);
        for (int i = 0; i < ticks; ++i)
            up ? row.mouseLongPressUp() : row.mouseLongPressDown();
        QTest::mouseRelease(button, Qt::LeftButton);

        QCOMPARE(qRound(row.value() * 10), steps);
        QCOMPARE(spy.count(), qMax(ticks, 1));
        QCOMPARE(spy.last().at(0).toString(), QStringLiteral("Offset"));
        QCOMPARE(row.singleStep_float(), 0.1);
        for (QTimer *t : row.findChildren<QTimer *>())
            QVERIFY(!t->isActive());

        // After the release a short tap steps by the remembered step again.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(qRound(row.value() * 10), steps + (up ? 1 : -1));
    }

    void loadsAreSilent()
    {
        ESpinBoxItem row(nullptr, 48);
        row.setObjectName(QStringLiteral("Distan"));
        row.setDecimals(1);
        QSignalSpy spy(&row, &ESpinBoxItem::valueChanged);
        row.setRange(0.0f, 100.0f);
        row.setValue(2.5f, false);
        row.setSingleStep(0.1, false);
        row.setValue(10.0f, true);
        QCOMPARE(spy.count(), 1);
        // A range that moves the value is not signalled.
        row.setRange(0.0f, 5.0f);
        QCOMPARE(row.value(), 5.0);
        QCOMPARE(spy.count(), 1);
        // Stepping against the end changes nothing and signals nothing.
        row.setValue(5.0f, false);
        row.upPress();
        row.upRelease();
        QCOMPARE(row.value(), 5.0);
        QCOMPARE(spy.count(), 1);
    }

    void emissRowReportsTaps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("taps");
        QTest::newRow("Emiss") << "Emiss" << true << 1;
        QTest::newRow("Offset") << "Offset" << true << 0;
        // A greyed row is out of reach: its value takes no tap either.
        QTest::newRow("Emiss, disabled") << "Emiss" << false << 0;
    }
    void emissRowReportsTaps()
    {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        QFETCH(int, taps);
        ESpinBoxItem row(nullptr, 48);
        row.setObjectName(name);
        row.setEnabled(enabled);
        row.setDecimals(2);
        row.setRange(0.01f, 1.0f);
        row.setValue(0.95f, false);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QSignalSpy clicked(&row, qOverload<>(&ESpinBoxItem::clicked));
        QSignalSpy named(&row, qOverload<const QString &>(&ESpinBoxItem::clicked));
        QLineEdit *edit = row.spinBox()->findChild<QLineEdit *>();
        QVERIFY(edit);
        QTest::mouseClick(edit, Qt::LeftButton);
        QCOMPARE(clicked.count(), taps);
        QCOMPARE(named.count(), taps);
        if (taps)
            QCOMPARE(named.at(0).at(0).toString(), name);
        QVERIFY(edit->isReadOnly());
        QCOMPARE(row.value(), 0.95);
    }

    void hideEndsTheRepeat()
    {
        ESpinBoxItem row(nullptr, 48);
        row.setDecimals(1);
        row.setRange(-100.0f, 100.0f);
        row.setValue(0.0f, false);
        row.setSingleStep(0.5, false);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QTest::mousePress(arrow(&row, "Right"), Qt::LeftButton);
        for (int i = 0; i < 10; ++i)
            row.mouseLongPressUp();
        row.hide();
        for (QTimer *t : row.findChildren<QTimer *>())
            QVERIFY(!t->isActive());
        QVERIFY(!arrow(&row, "Right")->isDown());
        QCOMPARE(row.singleStep_float(), 0.5);
    }
};

QTEST_MAIN(TstESpinBox)
#include "tst_espinbox.moc"
