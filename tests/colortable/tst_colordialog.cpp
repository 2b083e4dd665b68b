#include "ecolordialog.h"
#include "ecolorluminancepicker.h"
#include "ecolorpicker.h"
#include "ecolorshowlabel.h"
#include "espinboxitem.h"
#include "fingerevent.h"
#include "testroot.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// The colour chooser: its picking arithmetic at the edges of the field and
// the value bar, how the colour flows between field, bar, editors and
// swatch, and what Ok and Cancel answer.
class TstColorDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fieldEdges_data();
    void fieldEdges();
    void valueBarEdges_data();
    void valueBarEdges();
    void samePointStillAnswers();
    void greyHasNoHue();
    void editorStepsAtTheirEnds_data();
    void editorStepsAtTheirEnds();
    void answers_data();
    void answers();
    void initialColourIsSilent();
    void fitsTheScreen();
    void outOfRangeTriple();
};

namespace {
struct Chooser
{
    Chooser()
    {
        dialog.setFixedSize(320, 240);
        dialog.setWindowFlags(Qt::FramelessWindowHint);
        dialog.show();
    }
    TestRoot root;
    EColorDialog dialog{Qt::green};
};

QPushButton *arrow(ESpinBoxItem *item, const char *name)
{
    return item->findChild<QPushButton *>(QLatin1String(name));
}
} // namespace

void TstColorDialog::fieldEdges_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("saturation");
    QTest::newRow("left top") << QPoint(0, 0) << 359 << 255;
    QTest::newRow("right bottom") << QPoint(239, 99) << 0 << 0;
    QTest::newRow("middle") << QPoint(120, 50) << 360 - 120 * 360 / 239 << 255 - 50 * 255 / 99;
    QTest::newRow("beyond right") << QPoint(300, 50) << 0 << 255 - 50 * 255 / 99;
    QTest::newRow("beyond bottom") << QPoint(10, 150) << 360 - 10 * 360 / 239 << 0;
}

void TstColorDialog::fieldEdges()
{
    QFETCH(QPoint, point);
    QFETCH(int, hue);
    QFETCH(int, saturation);
    Chooser c;
    EColorPicker *field = c.dialog.picker();
    QSignalSpy spy(field, &EColorPicker::newCol);
    const QPoint inField = QPoint(std::min(point.x(), 239), std::min(point.y(), 99));
    fingerEvent(field, QEvent::MouseButtonPress, inField + field->contentsRect().topLeft());
    if (inField != point)
        fingerEvent(field, QEvent::MouseMove, point + field->contentsRect().topLeft());
    fingerEvent(field, QEvent::MouseButtonRelease, point + field->contentsRect().topLeft());
    QCOMPARE(field->hue(), hue);
    QCOMPARE(field->saturation(), saturation);
    QVERIFY(!spy.isEmpty());
    QCOMPARE(spy.last().at(0).toInt(), hue);
    // The bar and the editors follow.
    QCOMPARE(c.dialog.luminancePicker()->hue(), hue);
    QCOMPARE(c.dialog.editorColor().rgb(), c.dialog.swatch()->color().rgb());
}

void TstColorDialog::valueBarEdges_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("value");
    QTest::newRow("top of scale") << 4 << 255;
    QTest::newRow("bottom of scale") << 101 << 0;
    QTest::newRow("above") << 0 << 255;
    QTest::newRow("below") << 105 << 0;
    QTest::newRow("middle") << 52 << 255 - 48 * 255 / 97;
}

void TstColorDialog::valueBarEdges()
{
    QFETCH(int, y);
    QFETCH(int, value);
    Chooser c;
    EColorLuminancePicker *bar = c.dialog.luminancePicker();
    QCOMPARE(bar->size(), QSize(20, 106));
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(5, y));
    QCOMPARE(bar->value(), value);
    QCOMPARE(bar->val2y(255), 4);
    QCOMPARE(bar->val2y(0), 101);
}

void TstColorDialog::samePointStillAnswers()
{
    Chooser c;
    EColorPicker *field = c.dialog.picker();
    const QPoint p = QPoint(60, 30) + field->contentsRect().topLeft();
    QTest::mouseClick(field, Qt::LeftButton, {}, p);
    c.dialog.redItem()->setValue(1, false);
    QSignalSpy hsv(c.dialog.luminancePicker(), &EColorLuminancePicker::newHsv);
    QTest::mouseClick(field, Qt::LeftButton, {}, p);
    QCOMPARE(hsv.size(), 1);
    // The editors were set again from the unchanged colour.
    QCOMPARE(c.dialog.editorColor().rgb(), c.dialog.swatch()->color().rgb());
    QVERIFY(c.dialog.redItem()->value() != 1);
}

void TstColorDialog::greyHasNoHue()
{
    Chooser c;
    c.dialog.setInitialColor(QColor(90, 90, 90));
    QCOMPARE(c.dialog.picker()->hue(), 0);
    QCOMPARE(c.dialog.luminancePicker()->hue(), -1);
    QCOMPARE(c.dialog.luminancePicker()->value(), 90);
    QCOMPARE(c.dialog.editorColor(), QColor(90, 90, 90));
    QCOMPARE(c.dialog.luminancePicker()->grab().size(), QSize(20, 106));
}

void TstColorDialog::editorStepsAtTheirEnds_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("arrowName");
    QTest::addColumn<int>("expected");
    QTest::newRow("up at 255") << 255 << "Right" << 255;
    QTest::newRow("down at 0") << 0 << "Left" << 0;
    QTest::newRow("up from 10") << 10 << "Right" << 11;
}

void TstColorDialog::editorStepsAtTheirEnds()
{
    QFETCH(int, start);
    QFETCH(QString, arrowName);
    QFETCH(int, expected);
    Chooser c;
    c.dialog.setInitialColor(QColor(start, 40, 200));
    const QColor before = c.dialog.swatch()->color();
    QPushButton *button = arrow(c.dialog.redItem(), qPrintable(arrowName));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(int(c.dialog.redItem()->value()), expected);
    if (expected == start)
        QCOMPARE(c.dialog.swatch()->color(), before);
    else
        QCOMPARE(c.dialog.swatch()->color(), QColor(expected, 40, 200));
}

void TstColorDialog::answers_data()
{
    QTest::addColumn<QStringList>("objects");
    QTest::addColumn<bool>("floatAnswer");
    QTest::newRow("no object yet") << QStringList() << false;
    QTest::newRow("minColor") << QStringList{"minColor"} << true;
    QTest::newRow("maxColor") << QStringList{"maxColor"} << true;
    QTest::newRow("max then quarter") << QStringList{"maxColor", "twoQuarterColor"} << false;
}

void TstColorDialog::answers()
{
    QFETCH(QStringList, objects);
    QFETCH(bool, floatAnswer);
    Chooser c;
    for (const QString &name : objects)
        c.dialog.setObject(name);
    c.dialog.setValue(42.5f);
    c.dialog.setCheckEnabled(true);
    c.dialog.setInitialColor(QColor(10, 20, 30));
    QCOMPARE(c.dialog.valueItem()->isVisible(), floatAnswer);
    // Before any object neither control is shown.
    QCOMPARE(c.dialog.checkBox()->isVisible(), !floatAnswer && !objects.isEmpty());
    QSignalSpy byBool(&c.dialog, qOverload<const QColor &, const QString &, bool>(&EColorDialog::currentColor));
    QSignalSpy byFloat(&c.dialog, qOverload<const QColor &, const QString &, float>(&EColorDialog::currentColor));
    QTest::mouseClick(c.dialog.okButton(), Qt::LeftButton);
    QVERIFY(!c.dialog.isVisible());
    QCOMPARE(byFloat.size(), floatAnswer ? 1 : 0);
    QCOMPARE(byBool.size(), floatAnswer ? 0 : 1);
    const QList<QVariant> args = floatAnswer ? byFloat.first() : byBool.first();
    QCOMPARE(args.at(0).value<QColor>(), QColor(10, 20, 30));
    QCOMPARE(args.at(1).toString(), objects.isEmpty() ? QString() : objects.last());
    if (floatAnswer)
        QCOMPARE(args.at(2).toFloat(), 42.5f);
    else
        QCOMPARE(args.at(2).toBool(), true);

    // Cancel and Escape answer nothing.
    for (int way = 0; way < 2; ++way) {
        c.dialog.show();
        if (way == 0)
            QTest::mouseClick(c.dialog.cancelButton(), Qt::LeftButton);
        else
            QTest::keyClick(&c.dialog, Qt::Key_Escape);
        QVERIFY(!c.dialog.isVisible());
    }
    QCOMPARE(byFloat.size() + byBool.size(), 1);
}

void TstColorDialog::initialColourIsSilent()
{
    Chooser c;
    QSignalSpy red(c.dialog.redItem(), &ESpinBoxItem::valueChanged);
    c.dialog.setInitialColor(QColor(1, 2, 3));
    QCOMPARE(red.size(), 0);
    QCOMPARE(c.dialog.swatch()->color(), QColor(1, 2, 3));
}

void TstColorDialog::fitsTheScreen()
{
    Chooser c;
    c.dialog.setObject(QStringLiteral("minColor"));
    QApplication::processEvents();
    // Swatch, field and the three rows fit above the bottom, left of the
    // controls at x 180.
    for (ESpinBoxItem *item : {c.dialog.redItem(), c.dialog.greenItem(), c.dialog.blueItem()}) {
        const QRect r(item->mapTo(&c.dialog, QPoint(0, 0)), item->size());
        QVERIFY2(r.bottom() < 240, qPrintable(QString::number(r.bottom())));
        QVERIFY2(r.right() < 180, qPrintable(QString::number(r.right())));
    }
    QCOMPARE(c.dialog.okButton()->pos(), QPoint(250, 195));
    QCOMPARE(c.dialog.cancelButton()->pos(), QPoint(180, 195));
    QCOMPARE(c.dialog.valueCaption()->text(), QStringLiteral("Min. Value:"));
}

void TstColorDialog::outOfRangeTriple()
{
    Chooser c;
    c.dialog.setInitialColor(QColor(10, 20, 30));
    c.dialog._q_newHsv(100, 300, 50);
    QCOMPARE(c.dialog.editorColor(), QColor(10, 20, 30));
    QCOMPARE(c.dialog.swatch()->color(), QColor(10, 20, 30));
}

QTEST_MAIN(TstColorDialog)
#include "tst_colordialog.moc"
