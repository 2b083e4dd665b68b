#include "custompaletterecord.h"
#include "ecolordialog.h"
#include "ecolorshow.h"
#include "ecolortablerect.h"
#include "ecustombutton.h"
#include "edialogtitle.h"
#include "espinboxitem.h"
#include "fingerevent.h"
#include "testroot.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

// The palette editor: what an empty slot opens with, marker drags that
// keep the anchors in order and never open the chooser, the chooser's
// answers (the lower end kept 1 degree below the upper one), and Done,
// which writes and checks before it reports, and Cancel, which drops.
class TstColorShow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptySlot();
    void dragsToTheEnds_data();
    void dragsToTheEnds();
    void randomDragsKeepOrder();
    void tapOpensChooserDragDoesNot();
    void endsKeptApart_data();
    void endsKeptApart();
    void doneWritesBeforeReporting();
    void doneWritesOnlyQuartersThatAreOn();
    void unwritableFileKeepsEditorOpen();
    void cancelAndEscapeDrop();
};

namespace {
struct Editor
{
    Editor(int slot = 2)
    {
        show.setGeometry(0, 56, 320, 184);
        show.setCurrentIndex(slot);
        show.show();
    }
    TestRoot root;
    EColorShow show;
};

QPushButton *titleButton(EDialogTitle *title, const QString &text)
{
    for (QPushButton *b : title->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

int centreX(QWidget *w)
{
    return w->mapToGlobal(QPoint(w->width() / 2, 0)).x();
}

// Press at the marker's centre, move by each step, release where the
// finger ended.
void drag(QWidget *marker, const QList<int> &steps)
{
    int x = centreX(marker);
    fingerEventAtX(marker, QEvent::MouseButtonPress, x);
    for (int dx : steps) {
        x += dx;
        fingerEventAtX(marker, QEvent::MouseMove, x);
    }
    fingerEventAtX(marker, QEvent::MouseButtonRelease, centreX(marker));
}

void checkOrder(const EColorShow &show)
{
    const CustomPaletteRecord &r = show.record();
    QVERIFY(1 <= r.position(0));
    QVERIFY(r.position(0) < r.position(1));
    QVERIFY(r.position(1) < r.position(2));
    QVERIFY(r.position(2) <= 254);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(show.tick(k)->x(), EColorShow::StripLeft + r.position(k));
}
} // namespace

void TstColorShow::emptySlot()
{
    Editor e;
    QCOMPARE(e.show.minButton()->text(), QStringLiteral("0.0"));
    QCOMPARE(e.show.maxButton()->text(), QStringLiteral("50.0"));
    const QStringList texts{"12.5", "25.0", "37.5"};
    const int positions[] = {64, 128, 192};
    for (int k = 0; k < 3; ++k) {
        ECustomButton *m = e.show.marker(k);
        QCOMPARE(m->text(), texts[k]);
        // As wide as the text and what the style keeps around it.
        QStyleOptionButton option;
        option.initFrom(m);
        option.features |= QStyleOptionButton::Flat;
        const QRect contents = m->style()->subElementRect(QStyle::SE_PushButtonContents, &option, m);
        QCOMPARE(contents.width(), QFontMetrics(m->font()).horizontalAdvance(texts[k]));
        QCOMPARE(m->y(), int(EColorShow::MarkerY));
        QCOMPARE(m->x(), 32 + positions[k] - m->width() / 2);
        QVERIFY(!e.show.lock(k)->isVisible());
    }
    QCOMPARE(e.show.minButton()->width(), QFontMetrics(e.show.minButton()->font()).horizontalAdvance("0.0") + 10);
    // The strip's index i stands at window x 32 + i.
    QCOMPARE(e.show.strip()->mapTo(&e.show, QPoint(0, 0)).x(), 32);
    for (const _rgb_item &c : e.show.strip()->getColorTable())
        QVERIFY(c.r == 128 && c.g == 128 && c.b == 128);
}

void TstColorShow::dragsToTheEnds_data()
{
    QTest::addColumn<int>("quarter");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("position");
    QTest::newRow("first far left") << 0 << -400 << 1;
    QTest::newRow("third far right") << 2 << 400 << 254;
}

void TstColorShow::dragsToTheEnds()
{
    QFETCH(int, quarter);
    QFETCH(int, dx);
    QFETCH(int, position);
    Editor e;
    drag(e.show.marker(quarter), {dx / 4, dx / 4, dx / 4, dx / 4});
    QCOMPARE(e.show.record().position(quarter), position);
    QCOMPARE(e.show.marker(quarter)->text(), CustomPaletteRecord::temperatureAt(0.0f, 50.0f, position));
    checkOrder(e.show);
    QVERIFY(!e.show.chooser()->isVisible());
    QVERIFY(!e.show.dragLabel(quarter)->isVisible());
}

void TstColorShow::randomDragsKeepOrder()
{
    Editor e;
    QRandomGenerator random(1966);
    for (int run = 0; run < 150; ++run) {
        const int k = random.bounded(3);
        QList<int> steps;
        const int n = 1 + random.bounded(6);
        for (int i = 0; i < n; ++i)
            steps << random.bounded(-120, 121);
        ECustomButton *marker = e.show.marker(k);
        int x = centreX(marker);
        fingerEventAtX(marker, QEvent::MouseButtonPress, x);
        for (int dx : steps) {
            x += dx;
            fingerEventAtX(marker, QEvent::MouseMove, x);
            checkOrder(e.show);
            QVERIFY(e.show.dragLabel(k)->isVisible());
            // Neighbouring buttons may touch but never pass each other.
            QVERIFY(e.show.marker(0)->x() <= e.show.marker(1)->x());
            QVERIFY(e.show.marker(1)->x() <= e.show.marker(2)->x());
        }
        fingerEventAtX(marker, QEvent::MouseButtonRelease, centreX(marker));
        QVERIFY2(!e.show.chooser()->isVisible(), "a drag opened the chooser");
        QVERIFY(!e.show.dragLabel(k)->isVisible());
        // The strip shows what the record builds.
        QVERIFY(std::memcmp(e.show.strip()->getColorTable().data(), e.show.record().table().data(), 1024) == 0);
    }
}

void TstColorShow::tapOpensChooserDragDoesNot()
{
    Editor e;
    ECustomButton *marker = e.show.marker(1);
    drag(marker, {1});
    QVERIFY(!e.show.chooser()->isVisible());
    drag(marker, {});
    QVERIFY(e.show.chooser()->isVisible());
    QCOMPARE(e.show.chooser()->object(), QStringLiteral("twoQuarterColor"));
    QVERIFY(e.show.chooser()->checkBox()->isVisible());
    e.show.chooser()->close();
    QTest::mouseClick(e.show.maxButton(), Qt::LeftButton);
    QVERIFY(e.show.chooser()->isVisible());
    QCOMPARE(e.show.chooser()->object(), QStringLiteral("maxColor"));
    QCOMPARE(e.show.chooser()->valueItem()->value(), 50.0);
    e.show.chooser()->close();
}

void TstColorShow::endsKeptApart_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<float>("answer");
    QTest::addColumn<QString>("minText");
    QTest::addColumn<QString>("maxText");
    QTest::newRow("lower below") << "minColor" << 10.0f << "10.0" << "50.0";
    QTest::newRow("lower above upper") << "minColor" << 80.0f << "49.0" << "50.0";
    QTest::newRow("lower equal upper") << "minColor" << 50.0f << "49.0" << "50.0";
    QTest::newRow("upper below lower") << "maxColor" << -10.0f << "0.0" << "1.0";
    QTest::newRow("upper raised") << "maxColor" << 60.0f << "0.0" << "60.0";
}

void TstColorShow::endsKeptApart()
{
    QFETCH(QString, object);
    QFETCH(float, answer);
    QFETCH(QString, minText);
    QFETCH(QString, maxText);
    Editor e;
    e.show.selectColor(QColor(0, 0, 255), object, answer);
    QCOMPARE(e.show.minButton()->text(), minText);
    QCOMPARE(e.show.maxButton()->text(), maxText);
    float min = 0, max = 0;
    e.show.getMinMaxTemp(&min, &max);
    QVERIFY(min + 1.0f <= max + 1e-3f);
    // The markers are relabelled, not moved.
    QCOMPARE(e.show.marker(1)->text(), CustomPaletteRecord::temperatureAt(min, max, 128));
    QCOMPARE(e.show.record().position(1), 128);
}

void TstColorShow::doneWritesBeforeReporting()
{
    Editor e(3);
    e.show.selectColor(QColor(0, 0, 255), QStringLiteral("minColor"), 10.0f);
    e.show.selectColor(QColor(255, 255, 0), QStringLiteral("maxColor"), 60.0f);
    drag(e.show.marker(0), {-20});
    const CustomPaletteRecord edited = e.show.record();
    CustomPaletteRecord seen;
    connect(&e.show, &EColorShow::signal_okClicked, this, [&] { seen = CustomPaletteRecord::read(3); });
    QSignalSpy ok(&e.show, &EColorShow::signal_okClicked);
    QTest::mouseClick(titleButton(e.show.title(), QStringLiteral("Done")), Qt::LeftButton);
    QCOMPARE(ok.size(), 1);
    QVERIFY(!e.show.isVisible());
    QCOMPARE(seen.minText(), QStringLiteral("10.0"));
    QCOMPARE(seen.maxText(), QStringLiteral("60.0"));
    QCOMPARE(seen.position(0), edited.position(0));
    QVERIFY(std::memcmp(seen.table().data(), edited.table().data(), 1024) == 0);
}

void TstColorShow::doneWritesOnlyQuartersThatAreOn()
{
    Editor e(1);
    e.show.selectColor(QColor(1, 2, 3), QStringLiteral("twoQuarterColor"), false);
    e.show.selectColor(QColor(4, 5, 6), QStringLiteral("threeQuarterColor"), true);
    QVERIFY(e.show.lock(2)->isVisible());
    QVERIFY(!e.show.lock(1)->isVisible());
    e.show.slot_okClicked();
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("CustomPalette/Name1"));
    QVERIFY(!settings.contains(QStringLiteral("Point2_Red")));
    QCOMPARE(settings.value(QStringLiteral("Point3_Blue")).toInt(), 6);
    QCOMPARE(settings.value(QStringLiteral("ThreeQuarterEnable")).toInt(), 1);
    QCOMPARE(settings.value(QStringLiteral("TwoQuarterEnable")).toInt(), 0);
}

void TstColorShow::unwritableFileKeepsEditorOpen()
{
    Editor e(0);
    QVERIFY(e.root.writeFile(QStringLiteral("Parameter/Setting"), "[General]\nLang=1\n"));
    e.show.hide();
    e.show.show();
    e.show.selectColor(QColor(9, 9, 9), QStringLiteral("maxColor"), 70.0f);
    // A folder where the file should be: nothing can be written.
    QVERIFY(QFile::remove(QStringLiteral("Parameter/Setting")));
    QVERIFY(QDir().mkpath(QStringLiteral("Parameter/Setting")));
    QSignalSpy ok(&e.show, &EColorShow::signal_okClicked);
    QTest::mouseClick(titleButton(e.show.title(), QStringLiteral("Done")), Qt::LeftButton);
    QCOMPARE(ok.size(), 0);
    QVERIFY(e.show.isVisible());
    QVERIFY(QDir().rmdir(QStringLiteral("Parameter/Setting")));
    // The failed change is not left waiting to be carried in by a later write.
    QCOMPARE(CustomPaletteRecord::read(0).maxText(), QStringLiteral("50.0"));
    QTest::mouseClick(titleButton(e.show.title(), QStringLiteral("Done")), Qt::LeftButton);
    QCOMPARE(ok.size(), 1);
    QCOMPARE(CustomPaletteRecord::read(0).maxText(), QStringLiteral("70.0"));
}

void TstColorShow::cancelAndEscapeDrop()
{
    Editor e(4);
    for (int way = 0; way < 2; ++way) {
        e.show.selectColor(QColor(255, 0, 0), QStringLiteral("minColor"), 20.0f);
        drag(e.show.marker(2), {30});
        if (way == 0)
            QTest::mouseClick(titleButton(e.show.title(), QStringLiteral("Cancel")), Qt::LeftButton);
        else
            QTest::keyClick(&e.show, Qt::Key_Escape);
        QVERIFY(!e.show.isVisible());
        QVERIFY(!QFile::exists(QStringLiteral("Parameter/Setting")) || !QSettings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat).childGroups().contains(QStringLiteral("CustomPalette")));
        e.show.show();
        QCOMPARE(e.show.minButton()->text(), QStringLiteral("0.0"));
        QCOMPARE(e.show.record().position(2), 192);
    }
}

QTEST_MAIN(TstColorShow)
#include "tst_colorshow.moc"
