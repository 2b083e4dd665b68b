#include "dialogfixture.h"

#include "ediffsetup.h"
#include "edifftab.h"
#include "echeckitem.h"
#include "etabitem.h"
#include "etitle.h"

#include <QtTest>

// The prepared difference page and its one setup dialog.
class TstDiffTab : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void checkTapDoesNotToggle();
    void setupReusedAndRetitled();
    void readWithoutGroupChangesNothing();
    void escapeCloses();
};


void TstDiffTab::checkTapDoesNotToggle()
{
    EDiffTab tab;
    tab.show();
    QTest::mouseClick(tab.row(0)->checkItem(), Qt::LeftButton);
    QVERIFY(!tab.diffChecked(0));
    tab.setDiffChecked(1, true);
    QVERIFY(tab.diffChecked(1));
    tab.setDiffChecked(5, true);
    QVERIFY(!tab.diffChecked(5));
}

void TstDiffTab::setupReusedAndRetitled()
{
    EDiffTab tab;
    tab.show();
    tab.clickedSetupHandler(tab.row(1)->objectName());
    EDiffSetup *setup = EDiffSetup::instance();
    QVERIFY(setup->isVisible());
    QCOMPARE(setup->diffID(), 2);
    QCOMPARE(setup->title()->text(), QStringLiteral("Diff 2 Setting"));
    QCOMPARE(setup->y(), 240 - setup->height());
    QTest::mouseClick(titleButton(setup->title(), QStringLiteral("Cancel")), Qt::LeftButton);
    QVERIFY(!setup->isVisible());
    tab.clickedSetupHandler(tab.row(0)->objectName());
    QCOMPARE(EDiffSetup::instance(), setup);
    QCOMPARE(setup->title()->text(), QStringLiteral("Diff 1 Setting"));
    setup->close();
}

void TstDiffTab::readWithoutGroupChangesNothing()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[General]\nLang=English\n"));
    EDiffTab tab;
    tab.readDiffPara(1);
    QCOMPARE(root.readFile(QStringLiteral("Parameter/Setting")), QByteArray("[General]\nLang=English\n"));
}

void TstDiffTab::escapeCloses()
{
    EDiffSetup *setup = EDiffSetup::instance();
    setup->setDiffID(1);
    setup->show();
    QTest::keyClick(setup, Qt::Key_Escape);
    QVERIFY(!setup->isVisible());
}

QTEST_MAIN(TstDiffTab)
#include "tst_difftab.moc"
