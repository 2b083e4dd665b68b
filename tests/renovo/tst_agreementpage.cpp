#include "agreementpage.h"
#include "installwizardbutton.h"
#include "testroot.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QtTest>

// The choice page: the package poll and the coupling of the check boxes,
// driven by clicks on the boxes as the user makes them.
class TestAgreementPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void coupling_data();
    void coupling();
    void startArguments_data();
    void startArguments();
    void packageComesAndGoes();
    void startAndExitStopThePoll_data();
    void startAndExitStopThePoll();
};

namespace {
const QString Package = QString::fromLatin1(AgreementPage::PackagePath);

// "1111": Update all, Underlying software, Underlying firmware, Upper software.
QString boxes(const AgreementPage &page)
{
    QString state;
    for (int box = AgreementPage::UpdateAll; box <= AgreementPage::UpperSoftware; ++box)
        state += page.checkBox(AgreementPage::Box(box))->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return state;
}

// A shown choice page in a fresh root, with the package on the card or not.
struct ShownPage {
    explicit ShownPage(bool package)
        : written(!package || root.writeFile(Package, "package"))
    {
        page.show();
    }
    TestRoot root;
    bool written;
    AgreementPage page;
};

void click(AgreementPage &page, int box)
{
    QCheckBox *check = page.checkBox(AgreementPage::Box(box));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(10, check->height() / 2));
}

} // namespace

// Starting from a state, a click on one box; the boxes and Start after it.
void TestAgreementPage::coupling_data()
{
    QTest::addColumn<QList<int>>("setup");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("start");
    const int all = AgreementPage::UpdateAll, soft = AgreementPage::UnderlyingSoftware,
              firm = AgreementPage::UnderlyingFirmware, upper = AgreementPage::UpperSoftware;
    QTest::newRow("unchecking upper leaves the others") << QList<int>{} << upper << "0110" << true;
    QTest::newRow("unchecking soft leaves the others") << QList<int>{} << soft << "0011" << true;
    QTest::newRow("unchecking the last part disables Start") << QList<int>{upper, firm} << soft << "0000" << false;
    QTest::newRow("checking a part enables Start again") << QList<int>{all} << firm << "0010" << true;
    QTest::newRow("checking the third part checks all") << QList<int>{firm} << firm << "1111" << true;
    QTest::newRow("unchecking all unchecks every part") << QList<int>{} << all << "0000" << false;
    QTest::newRow("checking all checks every part") << QList<int>{all, soft} << all << "1111" << true;
    QTest::newRow("checking all from one part") << QList<int>{upper, firm} << all << "1111" << true;
}

void TestAgreementPage::coupling()
{
    QFETCH(QList<int>, setup);
    QFETCH(int, box);
    QFETCH(QString, after);
    QFETCH(bool, start);
    ShownPage shown(true);
    QVERIFY(shown.written);
    AgreementPage &page = shown.page;
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(boxes(page), QStringLiteral("1111"));
    for (int b : setup)
        click(page, b);
    click(page, box);
    QCOMPARE(boxes(page), after);
    QCOMPARE(page.startButton()->isEnabled(), start);
    QCOMPARE(page.startButton()->isNormalLook(), start);
}

void TestAgreementPage::startArguments_data()
{
    QTest::addColumn<QList<int>>("unchecked");
    QTest::addColumn<QList<int>>("arguments");
    QTest::newRow("everything") << QList<int>{} << QList<int>{0, 0, 0};
    QTest::newRow("only upper software")
        << QList<int>{AgreementPage::UnderlyingSoftware, AgreementPage::UnderlyingFirmware} << QList<int>{1, 0, 1};
    QTest::newRow("only underlying software")
        << QList<int>{AgreementPage::UpperSoftware, AgreementPage::UnderlyingFirmware} << QList<int>{0, 1, 1};
    QTest::newRow("only underlying firmware")
        << QList<int>{AgreementPage::UpperSoftware, AgreementPage::UnderlyingSoftware} << QList<int>{1, 1, 0};
}

void TestAgreementPage::startArguments()
{
    QFETCH(QList<int>, unchecked);
    QFETCH(QList<int>, arguments);
    ShownPage shown(true);
    QVERIFY(shown.written);
    AgreementPage &page = shown.page;
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    for (int b : unchecked)
        click(page, b);
    QSignalSpy agreed(&page, &AgreementPage::agree_signals);
    QTest::mouseClick(page.startButton(), Qt::LeftButton);
    QCOMPARE(agreed.count(), 1);
    QCOMPARE((QList<int>{page.getKernelState(), page.getAppState(), page.getFpgaState()}), arguments);
}

// The file appears: all four boxes checked, Start usable; the user's
// choice stays through polls that find nothing changed; the file goes:
// boxes hidden, Start unusable; it comes back: all checked again.
void TestAgreementPage::packageComesAndGoes()
{
    TestRoot root;
    AgreementPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(!page.packagePresent());
    QVERIFY(!page.startButton()->isEnabled());
    QVERIFY(!page.startButton()->isNormalLook());
    QVERIFY(!page.checkBox(AgreementPage::UpdateAll)->isVisible());
    QCOMPARE(boxes(page), QStringLiteral("0000"));

    QVERIFY(root.writeFile(Package, "package"));
    page.checkPackageFile();
    QVERIFY(page.packagePresent());
    QVERIFY(page.checkBox(AgreementPage::UpperSoftware)->isVisible());
    QCOMPARE(boxes(page), QStringLiteral("1111"));
    QVERIFY(page.startButton()->isEnabled());
    QVERIFY(page.startButton()->isNormalLook());

    click(page, AgreementPage::UpperSoftware);
    page.checkPackageFile();
    QCOMPARE(boxes(page), QStringLiteral("0110"));

    QVERIFY(QFile::remove(root.hostPath(Package)));
    page.checkPackageFile();
    QVERIFY(!page.packagePresent());
    QVERIFY(!page.checkBox(AgreementPage::UnderlyingSoftware)->isVisible());
    QVERIFY(!page.startButton()->isEnabled());
    QVERIFY(!page.startButton()->isNormalLook());

    QVERIFY(root.writeFile(Package, "package"));
    page.checkPackageFile();
    QCOMPARE(boxes(page), QStringLiteral("1111"));
    QVERIFY(page.startButton()->isEnabled());

    // A folder where the package should be is no package.
    QVERIFY(QFile::remove(root.hostPath(Package)));
    QVERIFY(QDir().mkpath(root.hostPath(Package)));
    page.checkPackageFile();
    QVERIFY(!page.packagePresent());
}

void TestAgreementPage::startAndExitStopThePoll_data()
{
    QTest::addColumn<bool>("start");
    QTest::newRow("Start") << true;
    QTest::newRow("Exit") << false;
}

void TestAgreementPage::startAndExitStopThePoll()
{
    QFETCH(bool, start);
    ShownPage shown(true);
    QVERIFY(shown.written);
    AgreementPage &page = shown.page;
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVERIFY(page.isPolling());
    QSignalSpy agreed(&page, &AgreementPage::agree_signals);
    QSignalSpy disagreed(&page, &AgreementPage::disagree_signals);
    QTest::mouseClick(start ? page.startButton() : page.exitButton(), Qt::LeftButton);
    QCOMPARE(agreed.count(), start ? 1 : 0);
    QCOMPARE(disagreed.count(), start ? 0 : 1);
    QVERIFY(!page.isPolling());
}

QTEST_MAIN(TestAgreementPage)
#include "tst_agreementpage.moc"
