#include "analysispanelfixture.h"

#include "eanalysistabbar.h"
#include "eareasetup.h"
#include "eareatab.h"
#include "eareawidget.h"
#include "echeckitem.h"
#include "elinesetup.h"
#include "edialogtitle.h"
#include "emisstable.h"
#include "emisstextitem.h"
#include "elinetab.h"
#include "elinewidget.h"
#include "espinbox.h"
#include "espinboxitem.h"
#include "espotsetup.h"
#include "espottab.h"
#include "espotwidget.h"
#include "etabwidget.h"
#include "etitle.h"

#include <QGraphicsView>
#include <QLineEdit>
#include <QWindow>
#include <QScrollBar>

#include <cmath>

// The spot, area and line parameter dialogs opened from the panel's setup
// cells and driven by clicks: what they show in each temperature and
// length unit, what a step gives the live object, what they store and
// when, and the "use global para" switch.
class TestObjectSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unitsTable_data();
    void unitsTable();
    void defaultsAndDamagedValues_data();
    void defaultsAndDamagedValues();
    void offsetIsADifference_data();
    void offsetIsADifference();
    void feetKeepCentimetres();
    void emissivityAndMaterial();
    void materialChooser();
    void globalSwitch();
    void greyedFieldsAreOutOfReach_data();
    void greyedFieldsAreOutOfReach();
    void escapeAgainstCancel();
    void titlesAndGroups_data();
    void titlesAndGroups();

private:
    template <class T> static T *openSetup(PanelFixture &f, int page, int n);
    static QPushButton *arrow(ESpinBoxItem *field, const char *side)
    {
        return field->findChild<QPushButton *>(QLatin1String(side));
    }
    static void clickTimes(ESpinBoxItem *field, const char *side, int times)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(arrow(field, side), Qt::LeftButton);
    }
    static double low(ESpinBoxItem *field)
    {
        return field->spinBox()->minimum() / std::pow(10.0, field->spinBox()->decimals());
    }
    static double high(ESpinBoxItem *field)
    {
        return field->spinBox()->maximum() / std::pow(10.0, field->spinBox()->decimals());
    }
    static void cancel(QWidget *dialog, ETitle *title)
    {
        QTest::mouseClick(PanelFixture::button(title, "Cancel"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    }
};

template <class T> T *TestObjectSetup::openSetup(PanelFixture &f, int page, int n)
{
    f.panel.popUp();
    QTest::mouseClick(f.panel.tabBar()->tab(page), Qt::LeftButton);
    auto *tab = qobject_cast<EObjectTab *>(f.panel.stack()->currentWidget());
    PanelFixture::clickCell(tab->row(n), "Setting");
    return PanelFixture::shown<T>();
}

void TestObjectSetup::unitsTable_data()
{
    QTest::addColumn<int>("tempUnit");
    QTest::addColumn<int>("lenUnit");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("distanText");
    QTest::addColumn<double>("distanHigh");
    QTest::addColumn<QString>("offsetText");
    QTest::addColumn<double>("offsetLow");
    QTest::addColumn<double>("offsetHigh");
    QTest::addColumn<QString>("savedDistan");
    QTest::addColumn<QString>("savedOffset");
    const QString c = QStringLiteral("1.2 %1C").arg(QChar(0x00B0));
    QTest::newRow("C, m") << 0 << 0 << QByteArray("Distan=5\nOffset=1.23\n") << "5 m" << 5000.0 << c << -100.0
                          << 100.0 << "5.00" << "1.20";
    QTest::newRow("F, m, zero offset") << 1 << 0 << QByteArray("Distan=12\nOffset=0\n") << "12 m" << 5000.0
                                       << "0.0 F" << -180.0 << 180.0 << "12.00" << "0.00";
    QTest::newRow("F, ft") << 1 << 1 << QByteArray("Distan=5\nOffset=5\n") << "16.4 FT" << 16404.0 << "9.0 F"
                           << -180.0 << 180.0 << "5.00" << "5.00";
    QTest::newRow("K, ft, beyond 1519 ft") << 2 << 1 << QByteArray("Distan=2000\nOffset=-3.5\n") << "6561.7 FT"
                                           << 16404.0 << "-3.5 K" << -100.0 << 100.0 << "2000.00" << "-3.50";
    QTest::newRow("K, m") << 2 << 0 << QByteArray("Distan=4999\nOffset=100\n") << "4999 m" << 5000.0 << "100.0 K"
                          << -100.0 << 100.0 << "4999.00" << "100.00";
    QTest::newRow("C, m, centimetres kept") << 0 << 0 << QByteArray("Distan=3.05\nOffset=-100\n") << "3 m" << 5000.0
                                            << QStringLiteral("-100.0 %1C").arg(QChar(0x00B0)) << -100.0 << 100.0
                                            << "3.05" << "-100.00";
}

// Opened and closed unchanged, each unit shows the stored values in it and
// writes back what it read (within the field's decimals).
void TestObjectSetup::unitsTable()
{
    QFETCH(int, tempUnit);
    QFETCH(int, lenUnit);
    QFETCH(QByteArray, stored);
    QFETCH(QString, distanText);
    QFETCH(double, distanHigh);
    QFETCH(QString, offsetText);
    QFETCH(double, offsetLow);
    QFETCH(double, offsetHigh);
    QFETCH(QString, savedDistan);
    QFETCH(QString, savedOffset);
    PanelFixture f("[Spot_1]\nVisible=true\n" + stored);
    EGlobal::setSystemTempUnit(char(tempUnit));
    EGlobal::setSystemLenUnit(char(lenUnit));
    ESpotSetup *dialog = openSetup<ESpotSetup>(f, 0, 1);
    QVERIFY(dialog);
    QCOMPARE(dialog->distanceField()->spinBox()->text(), distanText);
    QCOMPARE(low(dialog->distanceField()), 0.0);
    QCOMPARE(high(dialog->distanceField()), distanHigh);
    QCOMPARE(dialog->offsetField()->spinBox()->text(), offsetText);
    QCOMPARE(low(dialog->offsetField()), offsetLow);
    QCOMPARE(high(dialog->offsetField()), offsetHigh);
    QCOMPARE(dialog->emissField()->spinBox()->text(), QStringLiteral("0.95"));
    QCOMPARE(low(dialog->emissField()), 0.01);
    QCOMPARE(high(dialog->emissField()), 1.0);
    cancel(dialog, dialog->title());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_1/Distan")).toString(), savedDistan);
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_1/Offset")).toString(), savedOffset);
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_1/Emiss")).toString(), QStringLiteral("0.95"));
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_1/Emiss_Material")).toString(), QStringLiteral("Custom"));
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_1/ParaMode")).toInt(), 0);
}

void TestObjectSetup::defaultsAndDamagedValues_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::newRow("no group") << QByteArray();
    QTest::newRow("not numbers") << QByteArray("[Area_2]\nEmiss=nan\nDistan=far\nOffset=inf\nParaMode=9\n");
    QTest::newRow("out of range") << QByteArray("[Area_2]\nEmiss=0\nDistan=-4\nOffset=1e30\n");
}

void TestObjectSetup::defaultsAndDamagedValues()
{
    QFETCH(QByteArray, group);
    PanelFixture f(group);
    EAreaSetup *dialog = openSetup<EAreaSetup>(f, 2, 2);
    QVERIFY(dialog);
    QCOMPARE(dialog->material(), QStringLiteral("Custom"));
    QCOMPARE(dialog->emissField()->value(), 0.95);
    QCOMPARE(dialog->distanceField()->value(), 5.0);
    QCOMPARE(dialog->offsetField()->value(), 0.0);
    QVERIFY(!dialog->globalCheck()->checked());
    QVERIFY(dialog->emissField()->isEnabled());
}

void TestObjectSetup::offsetIsADifference_data()
{
    QTest::addColumn<int>("tempUnit");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<float>("celsius");
    QTest::addColumn<QString>("saved");
    QTest::newRow("C +2.5") << 0 << 25 << 2.5f << "2.50";
    QTest::newRow("F +9") << 1 << 90 << 5.0f << "5.00";
    QTest::newRow("F -9") << 1 << -90 << -5.0f << "-5.00";
    QTest::newRow("K +4") << 2 << 40 << 4.0f << "4.00";
}

// A step of the offset gives the object the same difference in degC:
// +9 F is +5 degC, not -12.8 degC.
void TestObjectSetup::offsetIsADifference()
{
    QFETCH(int, tempUnit);
    QFETCH(int, clicks);
    QFETCH(float, celsius);
    QFETCH(QString, saved);
    PanelFixture f("[Line_1]\nVisible=true\n");
    EGlobal::setSystemTempUnit(char(tempUnit));
    ELineSetup *dialog = openSetup<ELineSetup>(f, 1, 1);
    QVERIFY(dialog);
    clickTimes(dialog->offsetField(), clicks > 0 ? "Right" : "Left", std::abs(clicks));
    QVERIFY(std::abs(f.view().getLineWidget(1)->getTempSetup()->offset - celsius) < 0.01f);
    cancel(dialog, dialog->title());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Line_1/Offset")).toString(), saved);
}

// Ten feet are 3.05 m for the reading and the stored text, not 3 m; the
// field reaches the metre field's 5000 m.
void TestObjectSetup::feetKeepCentimetres()
{
    PanelFixture f;
    EGlobal::setSystemLenUnit(1);
    ESpotSetup *dialog = openSetup<ESpotSetup>(f, 0, 1);
    QVERIFY(dialog);
    QCOMPARE(dialog->distanceField()->spinBox()->text(), QStringLiteral("16.4 FT"));
    clickTimes(dialog->distanceField(), "Left", 64);
    QCOMPARE(dialog->distanceField()->spinBox()->text(), QStringLiteral("10.0 FT"));
    QCOMPARE(f.view().getSpotWidget(1)->getTempSetup()->dist, 3.05f);
    clickTimes(dialog->distanceField(), "Left", 85);
    QCOMPARE(f.view().getSpotWidget(1)->getTempSetup()->dist, 0.46f);
    cancel(dialog, dialog->title());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_1/Distan")).toString(), QStringLiteral("0.46"));
    // Read back in metres the centimetres round to the field's whole metres.
    EGlobal::setSystemLenUnit(0);
    dialog = openSetup<ESpotSetup>(f, 0, 1);
    QCOMPARE(dialog->distanceField()->spinBox()->text(), QStringLiteral("0 m"));
}

void TestObjectSetup::emissivityAndMaterial()
{
    PanelFixture f("[Area_1]\nVisible=true\nEmiss_Material=Water\nEmiss=0.96\n");
    EAreaSetup *dialog = openSetup<EAreaSetup>(f, 2, 1);
    QVERIFY(dialog);
    QCOMPARE(dialog->material(), QStringLiteral("Water"));
    EAreaWidget *area = f.view().getAreaWidget(1);
    clickTimes(dialog->emissField(), "Left", 3);
    QCOMPARE(dialog->material(), QStringLiteral("Custom"));
    QCOMPARE(area->getTempSetup().emiss, 0.93f);
    // A material from the chooser keeps its name and shows two decimals;
    // an emissivity no material has is refused.
    dialog->changeEmiss(QStringLiteral("Bad"), std::nanf(""));
    dialog->changeEmiss(QStringLiteral("Bad"), 1.5f);
    QCOMPARE(dialog->material(), QStringLiteral("Custom"));
    dialog->changeEmiss(QStringLiteral("Brick"), 0.934f);
    QCOMPARE(dialog->material(), QStringLiteral("Brick"));
    QCOMPARE(dialog->emissField()->spinBox()->text(), QStringLiteral("0.93"));
    QCOMPARE(area->getTempSetup().emiss, 0.93f);
    cancel(dialog, dialog->title());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Area_1/Emiss_Material")).toString(), QStringLiteral("Brick"));
    QCOMPARE(PanelFixture::stored(QStringLiteral("Area_1/Emiss")).toString(), QStringLiteral("0.93"));
}

namespace {
QPushButton *titleButton(EmissTable *table, const char *text)
{
    for (QPushButton *b : table->title()->findChildren<QPushButton *>())
        if (b->text() == QLatin1String(text))
            return b;
    return nullptr;
}

void tapRow(EmissTable *table, const QString &name)
{
    int index = 0;
    while (index < table->rows().size() && table->rows().at(index)->text() != name)
        ++index;
    QVERIFY(index < table->rows().size());
    QGraphicsView *list = table->listView();
    list->verticalScrollBar()->setValue(index * 30 - 30);
    const QPoint at = list->mapFromScene(QPointF(100, index * 30 + 15));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(at), QPointF(list->viewport()->mapToGlobal(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
}
} // namespace

// The emissivity's text opens the material chooser with the dialog's
// material and value: Done on "Custom" keeps a hand-set emissivity, a
// material gives its name and value to the dialog and the object.
void TestObjectSetup::materialChooser()
{
    PanelFixture f("[Line_2]\nVisible=true\n");
    QVERIFY(f.board.front.root.writeFile(QStringLiteral("etc/EmisivityTable.conf"), "Water=0.96\nIron=0.70\n"));
    ELineSetup *dialog = openSetup<ELineSetup>(f, 1, 2);
    QVERIFY(dialog);
    clickTimes(dialog->emissField(), "Left", 4);
    QCOMPARE(dialog->material(), QStringLiteral("Custom"));
    QTest::mouseClick(dialog->emissField()->spinBox()->findChild<QLineEdit *>(), Qt::LeftButton);
    auto *table = PanelFixture::shown<EmissTable>();
    QVERIFY(table);
    QCOMPARE(table->geometry(), QRect(0, 40, 280, 200));
    QTest::mouseClick(titleButton(table, "Done"), Qt::LeftButton);
    QVERIFY(!table->isVisible());
    QCOMPARE(dialog->material(), QStringLiteral("Custom"));
    QCOMPARE(dialog->emissField()->spinBox()->text(), QStringLiteral("0.91"));
    QCOMPARE(f.view().getLineWidget(2)->getTempSetup()->emiss, 0.91f);

    QTest::mouseClick(dialog->emissField()->spinBox()->findChild<QLineEdit *>(), Qt::LeftButton);
    QCOMPARE(PanelFixture::shown<EmissTable>(), table);
    tapRow(table, QStringLiteral("Iron"));
    QTest::mouseClick(titleButton(table, "Done"), Qt::LeftButton);
    QCOMPARE(dialog->material(), QStringLiteral("Iron"));
    QCOMPARE(dialog->emissField()->spinBox()->text(), QStringLiteral("0.70"));
    QCOMPARE(f.view().getLineWidget(2)->getTempSetup()->emiss, 0.70f);
    cancel(dialog, dialog->title());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Line_2/Emiss_Material")).toString(), QStringLiteral("Iron"));
    QCOMPARE(PanelFixture::stored(QStringLiteral("Line_2/Emiss")).toString(), QStringLiteral("0.70"));
}

void TestObjectSetup::globalSwitch()
{
    PanelFixture f("[Spot_1]\nVisible=true\nEmiss=0.80\nOffset=1\n");
    EGlobal::setSystemTempUnit(1);
    ESpotSetup *dialog = openSetup<ESpotSetup>(f, 0, 1);
    ESpotWidget *spot = f.view().getSpotWidget(1);
    QCOMPARE(spot->getParaMode(), 0);
    QTest::mouseClick(dialog->globalCheck(), Qt::LeftButton);
    QVERIFY(dialog->globalCheck()->checked());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_1/ParaMode")).toInt(), 1);
    QCOMPARE(spot->getParaMode(), 1);
    QVERIFY(!dialog->emissField()->isEnabled() && !dialog->offsetField()->isEnabled());
    // Locked rows take no taps.
    QTest::mouseClick(arrow(dialog->offsetField(), "Right"), Qt::LeftButton);
    QCOMPARE(dialog->offsetField()->spinBox()->text(), QStringLiteral("1.8 F"));

    QTest::mouseClick(dialog->globalCheck(), Qt::LeftButton);
    QVERIFY(!dialog->globalCheck()->checked());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_1/ParaMode")).toInt(), 0);
    QCOMPARE(spot->getParaMode(), 0);
    QCOMPARE(spot->getTempSetup()->emiss, 0.80f);
    QVERIFY(std::abs(spot->getTempSetup()->offset - 1.0f) < 0.01f);

    // Left global: closing writes the greyed values back with ParaMode 1.
    QTest::mouseClick(dialog->globalCheck(), Qt::LeftButton);
    cancel(dialog, dialog->title());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_1/ParaMode")).toInt(), 1);
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_1/Emiss")).toString(), QStringLiteral("0.80"));
    dialog = openSetup<ESpotSetup>(f, 0, 1);
    QVERIFY(dialog->globalCheck()->checked() && !dialog->distanceField()->isEnabled());
}

void TestObjectSetup::greyedFieldsAreOutOfReach_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("relocked");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");
    const struct
    {
        const char *name;
        int page;
    } dialogs[] = {{"spot", 0}, {"area", 2}, {"line", 1}};
    const struct
    {
        const char *name;
        int key;
    } keys[] = {{"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},     {"PageUp", Qt::Key_PageUp},
                {"PageDown", Qt::Key_PageDown}, {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},
                {"Return", Qt::Key_Return}, {"Space", Qt::Key_Space}, {"Tab", Qt::Key_Tab}};
    for (const auto &dialog : dialogs) {
        // Opened with the global parameters, or switched to own parameters
        // (area and line then focus the emissivity) and back to global.
        for (const bool relocked : {false, true}) {
            const QString how = QLatin1String(dialog.name) + QLatin1String(relocked ? ", relocked, " : ", ");
            for (const char *field : {"Emiss", "Distan", "Offset"}) {
                for (const char *target : {"text", "Left", "Right"}) {
                    QTest::newRow(qPrintable(how + QLatin1String(field) + QLatin1Char(' ') + QLatin1String(target)))
                        << dialog.page << relocked << QString::fromLatin1(field) << QString::fromLatin1(target) << 0;
                }
            }
            for (const auto &key : keys) {
                QTest::newRow(qPrintable(how + QLatin1String("key ") + QLatin1String(key.name)))
                    << dialog.page << relocked << QString() << QString() << key.key;
            }
        }
    }
}

// With "use global para" the three rows are greyed: no tap on a value or
// an arrow and no key reaches them, the material chooser stays closed and
// the object and the stored values keep the object's own parameters.
void TestObjectSetup::greyedFieldsAreOutOfReach()
{
    QFETCH(int, page);
    QFETCH(bool, relocked);
    QFETCH(QString, field);
    QFETCH(QString, target);
    QFETCH(int, key);
    const QString group = page == 0 ? QStringLiteral("Spot_1") : page == 1 ? QStringLiteral("Line_1") : QStringLiteral("Area_1");
    PanelFixture f("[" + group.toLatin1() + "]\nVisible=true\nParaMode=1\nEmiss_Material=Custom\nEmiss=0.95\nDistan=5\nOffset=1\n");
    QVERIFY(f.board.front.root.writeFile(QStringLiteral("etc/EmisivityTable.conf"), "Water=0.96\nIron=0.70\n"));
    auto *dialog = qobject_cast<EObjectSetup *>(
        page == 0 ? static_cast<QWidget *>(openSetup<ESpotSetup>(f, page, 1))
        : page == 1 ? static_cast<QWidget *>(openSetup<ELineSetup>(f, page, 1))
                    : static_cast<QWidget *>(openSetup<EAreaSetup>(f, page, 1)));
    QVERIFY(dialog);
    QVERIFY(dialog->globalCheck()->checked());
    if (relocked) {
        QTest::mouseClick(dialog->globalCheck(), Qt::LeftButton);
        QTest::mouseClick(dialog->globalCheck(), Qt::LeftButton);
        QVERIFY(dialog->globalCheck()->checked());
    }
    const QString shown[] = {QStringLiteral("0.95"), QStringLiteral("5 m"), QStringLiteral("1.0 %1C").arg(QChar(0x00B0))};
    ESpinBoxItem *fields[] = {dialog->emissField(), dialog->distanceField(), dialog->offsetField()};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(fields[i]->spinBox()->text(), shown[i]);
    if (key) {
        QVERIFY(dialog->windowHandle());
        QTest::keyClick(dialog->windowHandle(), Qt::Key(key));
    } else {
        ESpinBoxItem *row = field == QLatin1String("Emiss") ? dialog->emissField()
            : field == QLatin1String("Distan")              ? dialog->distanceField()
                                                            : dialog->offsetField();
        QWidget *spot = target == QLatin1String("text") ? static_cast<QWidget *>(row->spinBox()->findChild<QLineEdit *>())
                                                        : arrow(row, qPrintable(target));
        QVERIFY(spot && spot->isVisible());
        QTest::mouseClick(spot, Qt::LeftButton);
    }
    QVERIFY(!PanelFixture::shown<EmissTable>());
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->globalCheck()->checked());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(fields[i]->spinBox()->text(), shown[i]);
        QVERIFY(!fields[i]->isEnabled());
    }
    QCOMPARE(dialog->material(), QStringLiteral("Custom"));
    const TempSetup *own = page == 0 ? f.view().getSpotWidget(1)->getTempSetup()
        : page == 1                  ? f.view().getLineWidget(1)->getTempSetup()
                                     : &f.view().getAreaWidget(1)->getTempSetup();
    QCOMPARE(own->emiss, 0.95f);
    QCOMPARE(own->dist, 5.0f);
    QCOMPARE(own->offset, 1.0f);
    cancel(dialog, dialog->title());
    QCOMPARE(PanelFixture::stored(group + QLatin1String("/Emiss")).toString(), QStringLiteral("0.95"));
    QCOMPARE(PanelFixture::stored(group + QLatin1String("/Emiss_Material")).toString(), QStringLiteral("Custom"));
    QCOMPARE(PanelFixture::stored(group + QLatin1String("/Distan")).toString(), QStringLiteral("5.00"));
    QCOMPARE(PanelFixture::stored(group + QLatin1String("/Offset")).toString(), QStringLiteral("1.00"));
    QCOMPARE(PanelFixture::stored(group + QLatin1String("/ParaMode")).toInt(), 1);
}

void TestObjectSetup::escapeAgainstCancel()
{
    PanelFixture f("[Area_2]\nVisible=true\n");
    EAreaSetup *dialog = openSetup<EAreaSetup>(f, 2, 2);
    clickTimes(dialog->distanceField(), "Right", 2);
    QTest::mouseClick(dialog->globalCheck(), Qt::LeftButton);
    QCOMPARE(PanelFixture::stored(QStringLiteral("Area_2/ParaMode")).toInt(), 1);
    QCOMPARE(PanelFixture::stored(QStringLiteral("Area_2/Distan")), QVariant());
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!f.panel.isVisible());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Area_2/Distan")).toString(), QStringLiteral("7.00"));

    dialog = openSetup<EAreaSetup>(f, 2, 2);
    QTest::mouseClick(dialog->globalCheck(), Qt::LeftButton);
    clickTimes(dialog->distanceField(), "Right", 1);
    cancel(dialog, dialog->title());
    QVERIFY(f.panel.isVisible());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Area_2/Distan")).toString(), QStringLiteral("8.00"));
    QCOMPARE(PanelFixture::stored(QStringLiteral("Area_2/ParaMode")).toInt(), 0);
}

void TestObjectSetup::titlesAndGroups_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("group");
    QTest::newRow("spot 3") << 0 << 3 << "Spot 3 Setting" << "Spot_3";
    QTest::newRow("area 3") << 2 << 3 << "Area 3 Setting" << "Area_3";
    QTest::newRow("hor line") << 1 << 1 << "Hor Line Setting" << "Line_1";
    QTest::newRow("ver line") << 1 << 2 << "Ver Line Setting" << "Line_2";
}

void TestObjectSetup::titlesAndGroups()
{
    QFETCH(int, page);
    QFETCH(int, n);
    QFETCH(QString, title);
    QFETCH(QString, group);
    PanelFixture f;
    auto *dialog = qobject_cast<EObjectSetup *>(
        page == 0 ? static_cast<QWidget *>(openSetup<ESpotSetup>(f, page, n))
        : page == 1 ? static_cast<QWidget *>(openSetup<ELineSetup>(f, page, n))
                    : static_cast<QWidget *>(openSetup<EAreaSetup>(f, page, n)));
    QVERIFY(dialog);
    QCOMPARE(dialog->title()->text(), title);
    QVERIFY(dialog->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(dialog->geometry(), QRect(0, 40, 240, 200));
    clickTimes(dialog->emissField(), "Left", 1);
    cancel(dialog, dialog->title());
    QCOMPARE(PanelFixture::stored(group + QLatin1String("/Emiss")).toString(), QStringLiteral("0.94"));
}

QTEST_MAIN(TestObjectSetup)
#include "tst_objectsetup.moc"
