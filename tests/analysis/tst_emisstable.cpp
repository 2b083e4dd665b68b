#include "edialogtitle.h"
#include "emissivityfile.h"
#include "emisstable.h"
#include "emisstextitem.h"
#include "testroot.h"

#include <QGraphicsView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

// The material file and the "Select Material" table, driven by touch on the
// list and the title bar's buttons.
class TstEmissTable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void shippedFile();
    void rowOrder_data();
    void rowOrder();
    void doneReports_data();
    void doneReports();
    void cancelAndEscapeReportNothing_data();
    void cancelAndEscapeReportNothing();
    void dragDoesNotChoose();
    void unreadableFileShowsCustom();
};

namespace {
using Materials = QList<QPair<QString, float>>;

Materials pairs(const QList<EmissivityFile::Material> &list)
{
    Materials out;
    for (const EmissivityFile::Material &m : list)
        out.append({m.name, m.emiss});
    return out;
}

QStringList rowNames(const EmissTable &table)
{
    QStringList names;
    for (const EmissTextItem *row : table.rows())
        names << row->text();
    return names;
}

QPushButton *titleButton(EmissTable &table, const QString &text)
{
    for (QPushButton *b : table.title()->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

void touch(QWidget *viewport, QEvent::Type type, const QPoint &pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(viewport->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void tapRow(EmissTable &table, int index)
{
    QGraphicsView *view = table.listView();
    view->verticalScrollBar()->setValue(0);
    if (index * 30 + 15 > view->viewport()->height())
        view->verticalScrollBar()->setValue(index * 30 - 30);
    const QPoint at = view->mapFromScene(QPointF(100, index * 30 + 15));
    touch(view->viewport(), QEvent::MouseButtonPress, at);
    touch(view->viewport(), QEvent::MouseButtonRelease, at);
}

const QByteArray s_threeLines("Water=0.96\n// metals\nIron=0.70\n");

void open(EmissTable &table)
{
    table.setGeometry(0, 40, 280, 200);
    table.hide();
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
}
} // namespace

void TstEmissTable::parse_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Materials>("expected");
    QTest::newRow("comment between") << s_threeLines << Materials{{"Water", 0.96f}, {"Iron", 0.70f}};
    QTest::newRow("no final line feed") << QByteArray("Water=0.96\nIron=0.70") << Materials{{"Water", 0.96f}};
    QTest::newRow("remark after entry") << QByteArray("Steel=0.80 // polished\nWood=0.90\n")
                                        << Materials{{"Wood", 0.90f}};
    QTest::newRow("blank and bare lines skipped")
        << QByteArray("\nWater=0.96\n\nno equals here\nIron=0.70\n") << Materials{{"Water", 0.96f}, {"Iron", 0.70f}};
    QTest::newRow("CR-LF") << QByteArray("Water=0.96\r\nIron=0.70\r\n") << Materials{{"Water", 0.96f}, {"Iron", 0.70f}};
    QTest::newRow("NUL cuts the name") << QByteArray("Wa\0ter=0.96\n", 12) << Materials{{"Wa", 0.96f}};
    QTest::newRow("last equals sign") << QByteArray("a=b = 0.5\n") << Materials{{"a=b", 0.5f}};
    QTest::newRow("blanks trimmed") << QByteArray("  Human skin \t=  0.98 \n") << Materials{{"Human skin", 0.98f}};
    QTest::newRow("Latin-1 name") << QByteArray("Caf\xe9=0.90\n") << Materials{{QString::fromLatin1("Caf\xe9"), 0.9f}};
    QTest::newRow("not a number") << QByteArray("Glass=abc\nIron=0.70\n") << Materials{{"Iron", 0.70f}};
    QTest::newRow("missing value") << QByteArray("Glass=\n") << Materials{};
    QTest::newRow("empty name") << QByteArray("=0.5\n") << Materials{};
    QTest::newRow("zero, negative, above one")
        << QByteArray("A=0\nB=-0.5\nC=1.01\nD=1.0\nE=nan\nF=inf\n") << Materials{{"D", 1.0f}};
    QTest::newRow("duplicates kept") << QByteArray("A=0.5\nA=0.6\n") << Materials{{"A", 0.5f}, {"A", 0.6f}};
    QTest::newRow("empty file") << QByteArray() << Materials{};
}

void TstEmissTable::parse()
{
    QFETCH(QByteArray, file);
    QFETCH(Materials, expected);
    QCOMPARE(pairs(EmissivityFile::parse(file)), expected);
}

// Every entry line of the shipped list gives a row.
void TstEmissTable::shippedFile()
{
    const QString path = qEnvironmentVariable("OSTREL_SOURCE_DIR") + QStringLiteral("/resources/defaults/")
                         + QLatin1String(EmissivityFile::fileName());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray data = file.readAll();
    QVERIFY(data.endsWith('\n'));
    int entries = 0;
    for (const QByteArray &line : data.split('\n'))
        if (!line.isEmpty() && !line.contains("//"))
            ++entries;
    const QList<EmissivityFile::Material> materials = EmissivityFile::parse(data);
    QCOMPARE(materials.size(), entries);
    QVERIFY(materials.size() >= 20);
}

void TstEmissTable::rowOrder_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("checked");
    QTest::newRow("custom") << "Custom" << QStringList{"Custom", "Water", "Iron"} << 0;
    QTest::newRow("material in use first") << "Iron" << QStringList{"Custom", "Iron", "Water"} << 1;
    QTest::newRow("not in the file") << "Gold" << QStringList{"Custom", "Water", "Iron"} << 0;
}

void TstEmissTable::rowOrder()
{
    QFETCH(QString, saved);
    QFETCH(QStringList, rows);
    QFETCH(int, checked);
    TestRoot root;
    QVERIFY(root.writeFile(QLatin1String(EmissivityFile::fileName()), s_threeLines));
    EmissTable table(nullptr, nullptr, Qt::FramelessWindowHint);
    table.setSaveMaterial(saved);
    open(table);
    QCOMPARE(rowNames(table), rows);
    QCOMPARE(table.currentIndex(), checked);
    for (int i = 0; i < table.rows().size(); ++i)
        QCOMPARE(table.rows().at(i)->isChecked(), i == checked);
    QCOMPARE(table.rows().at(1)->emissText(), rows.at(1) == QLatin1String("Iron") ? "0.70" : "0.96");
}

void TstEmissTable::doneReports_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<float>("openerEmiss"); // < 0: the one-argument form
    QTest::addColumn<int>("tap");          // -1: no tap
    QTest::addColumn<QString>("material");  // empty: no report
    QTest::addColumn<float>("emiss");
    QTest::newRow("saved material, no tap") << "Iron" << 0.5f << -1 << "Iron" << 0.70f;
    QTest::newRow("tapped material") << "Custom" << 0.85f << 2 << "Iron" << 0.70f;
    QTest::newRow("custom keeps the hand-set value") << "Custom" << 0.85f << -1 << "Custom" << 0.85f;
    QTest::newRow("custom tapped keeps it") << "Iron" << 0.85f << 0 << "Custom" << 0.85f;
    QTest::newRow("custom without a value") << "Custom" << -1.0f << -1 << "" << 0.0f;
    QTest::newRow("unknown saved material") << "Gold" << 0.42f << -1 << "Custom" << 0.42f;
}

void TstEmissTable::doneReports()
{
    QFETCH(QString, saved);
    QFETCH(float, openerEmiss);
    QFETCH(int, tap);
    QFETCH(QString, material);
    QFETCH(float, emiss);
    TestRoot root;
    QVERIFY(root.writeFile(QLatin1String(EmissivityFile::fileName()), s_threeLines));
    EmissTable table(nullptr, nullptr, Qt::FramelessWindowHint);
    QSignalSpy reported(&table, &EmissTable::emissChanged);
    if (openerEmiss < 0)
        table.setSaveMaterial(saved);
    else
        table.setSaveMaterial(saved, openerEmiss);
    open(table);
    if (tap >= 0)
        tapRow(table, tap);
    QTest::mouseClick(titleButton(table, QStringLiteral("Done")), Qt::LeftButton);
    QVERIFY(!table.isVisible());
    if (material.isEmpty()) {
        QCOMPARE(reported.size(), 0);
        return;
    }
    QCOMPARE(reported.size(), 1);
    QCOMPARE(reported.at(0).at(0).toString(), material);
    QCOMPARE(reported.at(0).at(1).toFloat(), emiss);
}

void TstEmissTable::cancelAndEscapeReportNothing_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("cancel") << false;
    QTest::newRow("escape") << true;
}

// A tap before leaving is forgotten at the next opening.
void TstEmissTable::cancelAndEscapeReportNothing()
{
    QFETCH(bool, escape);
    TestRoot root;
    QVERIFY(root.writeFile(QLatin1String(EmissivityFile::fileName()), s_threeLines));
    EmissTable table(nullptr, nullptr, Qt::FramelessWindowHint);
    QSignalSpy reported(&table, &EmissTable::emissChanged);
    table.setSaveMaterial(QStringLiteral("Water"), 0.96f);
    open(table);
    tapRow(table, 2);
    QCOMPARE(table.currentIndex(), 2);
    if (escape)
        QTest::keyClick(&table, Qt::Key_Escape);
    else
        QTest::mouseClick(titleButton(table, QStringLiteral("Cancel")), Qt::LeftButton);
    QVERIFY(!table.isVisible());
    QCOMPARE(reported.size(), 0);
    open(table);
    QCOMPARE(table.currentIndex(), 1);
    QCOMPARE(table.rows().at(1)->text(), QStringLiteral("Water"));
}

void TstEmissTable::dragDoesNotChoose()
{
    TestRoot root;
    QByteArray many;
    for (int i = 0; i < 30; ++i)
        many += QByteArray("Material ") + QByteArray::number(i) + "=0.5\n";
    QVERIFY(root.writeFile(QLatin1String(EmissivityFile::fileName()), many));
    EmissTable table(nullptr, nullptr, Qt::FramelessWindowHint);
    table.setSaveMaterial(QStringLiteral("Custom"), 0.9f);
    open(table);
    QGraphicsView *view = table.listView();
    const QPoint start = view->mapFromScene(QPointF(100, 3 * 30 + 15));
    touch(view->viewport(), QEvent::MouseButtonPress, start);
    QVERIFY(table.rows().at(3)->isHighLight());
    for (int dy = 5; dy <= 60; dy += 5)
        touch(view->viewport(), QEvent::MouseMove, start - QPoint(0, dy));
    QVERIFY(!table.rows().at(3)->isHighLight());
    QVERIFY(table.slider()->isVisible());
    touch(view->viewport(), QEvent::MouseButtonRelease, start - QPoint(0, 60));
    QCOMPARE(table.currentIndex(), 0);
    QVERIFY(table.rows().at(0)->isChecked());
}

void TstEmissTable::unreadableFileShowsCustom()
{
    TestRoot root;
    EmissTable table(nullptr, nullptr, Qt::FramelessWindowHint);
    table.setSaveMaterial(QStringLiteral("Water"), 0.96f);
    open(table);
    QCOMPARE(rowNames(table), QStringList{QStringLiteral("Custom")});
    QCOMPARE(table.currentIndex(), 0);
}

QTEST_MAIN(TstEmissTable)
#include "tst_emisstable.moc"
