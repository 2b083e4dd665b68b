#include "egeneralpage.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagetabbar.h"
#include "eimagetab.h"
#include "elistitems.h"
#include "emaininterface.h"
#include "esetupcombobox.h"
#include "esetupitem.h"
#include "esetupwindow.h"
#include "etabwidget.h"
#include "etoolwidget.h"
#include "faultlist.h"
#include "fontfamilies.h"
#include "freespace.h"
#include "indicator.h"
#include "languagetable.h"
#include "livescreen.h"
#include "menuroute.h"
#include "screentouch.h"
#include "simtranslations.h"
#include "textfit.h"

#include <QLoggingCategory>
#include <QPointingDevice>
#include <QSettings>
#include <QStackedWidget>
#include <QTranslator>
#include <QtTest>

// The camera in each of its nine languages, started as the program starts
// with "Lang" stored: the catalogue installed from the build into the root
// and loaded, the language's font set, then the windows built. The main
// menu, every page of the setup window and every page of the image popup
// are looked at: each visible label and button text must show whole. With
// OSTREL_SCREENS_DIR set each screen is written as lang_<key>_<screen>.png.
class TestSimLanguages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void screensShowTheirTexts_data();
    void screensShowTheirTexts();
    void tipInItsLanguage_data();
    void tipInItsLanguage();

private:
    void startIn(const QString &key);
    void look(const QString &screen);
    void touch(QWidget *target);

    LiveScreen m_sim;
    QTranslator m_translator;
    QPointingDevice *m_finger = nullptr;
    QString m_key;
    QStringList m_faults;
};

void TestSimLanguages::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    FontFamilies::install();
    m_finger = QTest::createTouchDevice();
}

void TestSimLanguages::cleanup()
{
    m_sim.stop();
    FreeSpace::setScript(nullptr);
    QCoreApplication::removeTranslator(&m_translator);
    m_faults.clear();
}

// As the program's start-up: the stored key checked, the catalogues put
// into the root, the language's font, its catalogue, then the main window.
void TestSimLanguages::startIn(const QString &key)
{
    m_key = key;
    m_sim.start(true, [&] {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        settings.setValue(QStringLiteral("Lang"), key);
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
        QVERIFY(SimTranslations::install(m_sim.simulator->root()) >= 0);
        const QString lang = LanguageTable::storedKey();
        QCOMPARE(lang, key);
        QApplication::setFont(QFont(LanguageTable::fontFamily(lang), 16, QFont::Normal));
        QVERIFY2(m_translator.load(LanguageTable::translationFile(lang)),
                 qPrintable(LanguageTable::translationFile(lang)));
        QCoreApplication::installTranslator(&m_translator);
    });
    if (QTest::currentTestFailed())
        return;
    // The main menu builds the popups and the setup window on its first turn.
    QTRY_VERIFY(EGlobal::getSetupWindow() && EGlobal::getImageTab());
}

// The screen as the panel shows it: written as a PNG, and every text on it
// that does not show whole noted once.
void TestSimLanguages::look(const QString &screen)
{
    QCoreApplication::sendPostedEvents();
    ScreenTouch::save(m_sim.screen.get(), QStringLiteral("lang_%1_%2.png").arg(m_key, screen));
    for (const QString &fault : TextFit::faults())
        if (!m_faults.contains(fault))
            m_faults << fault;
}

void TestSimLanguages::touch(QWidget *target)
{
    ScreenTouch::finger(m_finger, target);
}

void TestSimLanguages::screensShowTheirTexts_data()
{
    QTest::addColumn<QString>("key");
    for (int i = 0; i < LanguageTable::Count; ++i)
        QTest::newRow(qPrintable(LanguageTable::key(i))) << LanguageTable::key(i);
}

void TestSimLanguages::screensShowTheirTexts()
{
    QFETCH(QString, key);
    startIn(key);
    QVERIFY(!QTest::currentTestFailed());

    // The main menu over the live picture.
    MenuRoute::touch(EGlobal::getGraphicsView(), MenuRoute::barePoint());
    EMainInterface *menu = EGlobal::getMainInterface();
    QVERIFY(menu->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    look(QStringLiteral("menu"));

    // The setup window, each entry of its list in turn.
    const char *const setupPages[ESetupWindow::PageCount] = {"general", "control", "photos", "datetime", "info"};
    MenuRoute::openTile("Config");
    ESetupWindow *setup = EGlobal::getSetupWindow();
    QVERIFY(setup->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(setup));
    const QList<ESetupItem *> entries =
        setup->listItems()->findChildren<ESetupItem *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(entries.size(), int(ESetupWindow::PageCount));
    for (int page = 0; page < ESetupWindow::PageCount; ++page) {
        touch(entries.at(page));
        QCOMPARE(setup->currentIndex(), page);
        look(QStringLiteral("setup_") + QLatin1String(setupPages[page]));
    }
    // The precision row's other text, then back as it was stored.
    auto *general = qobject_cast<EGeneralPage *>(setup->widget(ESetupWindow::GeneralPage));
    touch(entries.at(ESetupWindow::GeneralPage));
    touch(general->precisionItem());
    look(QStringLiteral("setup_general_precision"));
    touch(general->precisionItem());
    touch(setup->listItems()->backButton());
    QVERIFY(!setup->isVisible());

    // The image popup, each tab in turn.
    const char *const imagePages[EIconTabBar::PageCount] = {"picture", "palette", "levelspan", "settings"};
    EImageTab *popup = MenuRoute::openImagePopup();
    QVERIFY(popup && popup->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    for (int page = 0; page < EIconTabBar::PageCount; ++page) {
        QTest::mouseClick(popup->tabBar()->tab(page), Qt::LeftButton);
        QCOMPARE(popup->stack()->currentIndex(), page);
        look(QStringLiteral("image_") + QLatin1String(imagePages[page]));
    }
    MenuRoute::closePopup();
    QVERIFY(!popup->isVisible());

    const QString font = QApplication::font().family();
    QVERIFY2(m_faults.isEmpty(), qPrintable(faultList(QStringLiteral("%1 in \"%2\"").arg(key, font),
                                                      QStringLiteral("texts that do not show whole"), m_faults)));
}

void TestSimLanguages::tipInItsLanguage_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("tip");
    const char *const tips[LanguageTable::Count][2] = {
        {"English", "Lack of space"},
        {"Chinese", "\u7a7a\u95f4\u4e0d\u8db3"},
        {"ChineseF", "\u7a7a\u9593\u4e0d\u8db3"},
        {"German", "Zu wenig Speicherplatz"},
        {"Netherlands", "Onvoldoende ruimte"},
        {"French", "Espace insuffisant"},
        {"Swedish", "Otillr\u00e4ckligt utrymme"},
        {"Italian", "Spazio insufficiente"},
        {"Spanish", "Espacio insuficiente"},
    };
    for (const auto &row : tips)
        QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
}

// A snapshot asked for with the card full: the live view's tip says so in
// the camera's language, all of it inside its green box.
void TestSimLanguages::tipInItsLanguage()
{
    QFETCH(QString, key);
    QFETCH(QString, tip);
    startIn(key);
    QVERIFY(!QTest::currentTestFailed());
    EGraphicsView *view = EGlobal::getGraphicsView();
    view->toolBar()->displaySDCard(true);
    FreeSpace::setScript([](const QString &) { return qint64(0); });
    QTest::keyClick(view->window()->windowHandle(), Qt::Key_S);
    const QList<Indicator *> tips = view->findChildren<Indicator *>();
    QCOMPARE(tips.size(), 1);
    const Indicator *shown = tips.first();
    QCOMPARE(shown->text(), tip);
    QVERIFY(shown->isVisible());
    const int wide = QFontMetrics(shown->font()).horizontalAdvance(shown->text());
    QVERIFY2(wide <= shown->width(), qPrintable(QStringLiteral("%1 px in a %2 px box").arg(wide).arg(shown->width())));
    look(QStringLiteral("tip"));
    QVERIFY2(m_faults.isEmpty(), qPrintable(faultList(key, QStringLiteral("texts that do not show whole"), m_faults)));
}

QTEST_MAIN(TestSimLanguages)
#include "tst_simlanguages.moc"
