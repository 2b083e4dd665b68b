#include "fontfamilies.h"
#include "keyrecorder.h"
#include "testroot.h"
#include "widgetkeyboard.h"

#include <QToolButton>
#include <QtTest>

class TestWidgetKeyboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void freshPanelShowsLowerCase();
    void keyTableDeliversCodeAndText_data();
    void keyTableDeliversCodeAndText();
    void pageKeysSendNothingAndSwitchPages();
    void tapsWithinTheDelayAreAllDelivered();
    void letterRightAfterPageKeyReadsNewPage();
    void unusableKeyCodesSendNothing();
    void noFocusWidgetDropsTheKey();

private:
    QToolButton *key(const char *name) const
    {
        return m_keyboard->findChild<QToolButton *>(QLatin1String(name));
    }
    void tap(const char *name) { QTest::mouseClick(key(name), Qt::LeftButton); }

    TestRoot *m_root = nullptr;
    QWidget *m_host = nullptr;
    KeyRecorder *m_editor = nullptr;
    WidgetKeyboard *m_keyboard = nullptr;
};

void TestWidgetKeyboard::initTestCase()
{
    FontFamilies::install();
}

void TestWidgetKeyboard::init()
{
    m_root = new TestRoot;
    m_host = new QWidget;
    m_host->resize(320, 240);
    m_editor = new KeyRecorder(m_host);
    m_editor->setGeometry(0, 0, 320, 90);
    m_keyboard = new WidgetKeyboard(m_host);
    m_keyboard->setGeometry(0, 90, 320, 150);
    m_editor->setFocus();
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host));
}

void TestWidgetKeyboard::cleanup()
{
    delete m_host;
    delete m_root;
}

void TestWidgetKeyboard::freshPanelShowsLowerCase()
{
    QCOMPARE(m_keyboard->size(), QSize(320, 150));
    QCOMPARE(m_keyboard->findChildren<QToolButton *>().size(), 33);
    QCOMPARE(key("btnQ")->text(), QStringLiteral("q"));
    QCOMPARE(key("btnM")->text(), QStringLiteral("m"));
    QCOMPARE(key("btnSpace")->text(), QString());
    QCOMPARE(key("btnchar")->text(), QStringLiteral("?123"));
    QCOMPARE(key("btnCaps")->text(), QStringLiteral("    Caps   "));
    QCOMPARE(key("btnBackSpace")->text(), QString::fromUtf8("\xe2\x86\x90"));
    QCOMPARE(key("btnComma")->text(), QStringLiteral(","));
    QCOMPARE(key("btnPeriod")->text(), QStringLiteral("."));
    QCOMPARE(key("btnEnter")->text(), QStringLiteral("Enter"));
    QCOMPARE(key("btnJ")->geometry(), QRect(205, 42, 29, 30));
    QCOMPARE(key("btnEnter")->geometry(), QRect(261, 110, 54, 31));
    for (QToolButton *button : m_keyboard->findChildren<QToolButton *>()) {
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QVERIFY(button->autoRepeat());
        QVERIFY(!button->isCheckable());
    }
}

void TestWidgetKeyboard::keyTableDeliversCodeAndText_data()
{
    QTest::addColumn<QStringList>("pageKeys"); // taps that choose the page first
    QTest::addColumn<QString>("keyName");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const QStringList lower;
    const QStringList upper{QStringLiteral("btnCaps")};
    const QStringList symbols{QStringLiteral("btnchar")};
    QTest::newRow("q lower") << lower << "btnQ" << 0x51 << "q";
    QTest::newRow("o lower") << lower << "btnO" << 0x4f << "o";
    QTest::newRow("z lower") << lower << "btnZ" << 0x5a << "z";
    QTest::newRow("q upper") << upper << "btnQ" << 0x51 << "Q";
    QTest::newRow("l upper") << upper << "btnL" << 0x4c << "L";
    QTest::newRow("1 symbols") << symbols << "btnQ" << 0x51 << "1";
    QTest::newRow("0 symbols") << symbols << "btnP" << 0x50 << "0";
    QTest::newRow("@ symbols") << symbols << "btnD" << 0x44 << "@";
    QTest::newRow("& symbols") << symbols << "btnJ" << 0x4a << "&";
    QTest::newRow("quote symbols") << symbols << "btnC" << 0x43 << "\"";
    QTest::newRow("* on K") << symbols << "btnK" << 0x4b << "*";
    QTest::newRow("* on N") << symbols << "btnN" << 0x4e << "*";
    QTest::newRow("space lower") << lower << "btnSpace" << 0x20 << " ";
    QTest::newRow("space upper") << upper << "btnSpace" << 0x20 << " ";
    QTest::newRow("space symbols") << symbols << "btnSpace" << 0x20 << " ";
    QTest::newRow("comma") << lower << "btnComma" << 0x2c << ",";
    QTest::newRow("period symbols") << symbols << "btnPeriod" << 0x2e << ".";
    QTest::newRow("backspace") << lower << "btnBackSpace" << int(Qt::Key_Backspace)
                               << QString::fromUtf8("\xe2\x86\x90");
    QTest::newRow("enter") << upper << "btnEnter" << int(Qt::Key_Enter) << "Enter";
}

void TestWidgetKeyboard::keyTableDeliversCodeAndText()
{
    QFETCH(QStringList, pageKeys);
    QFETCH(QString, keyName);
    QFETCH(int, code);
    QFETCH(QString, text);
    for (const QString &page : pageKeys) {
        tap(page.toLatin1().constData());
        QTRY_COMPARE(m_keyboard->pendingKeys(), 0);
    }
    QVERIFY(m_editor->presses.isEmpty());
    tap(keyName.toLatin1().constData());
    QCOMPARE(m_editor->presses.size(), 0); // delivered after the short delay
    QTRY_COMPARE(m_editor->presses.size(), 1);
    QCOMPARE(m_editor->presses.at(0).code, code);
    QCOMPARE(m_editor->presses.at(0).text, text);
    QVERIFY(!m_editor->presses.at(0).spontaneous);
    QCOMPARE(m_editor->releases, 0);
    QVERIFY(m_editor->hasFocus());
}

void TestWidgetKeyboard::pageKeysSendNothingAndSwitchPages()
{
    tap("btnCaps");
    QTRY_VERIFY(m_keyboard->capsSelected());
    QCOMPARE(key("btnA")->text(), QStringLiteral("A"));
    tap("btnchar");
    QTRY_VERIFY(m_keyboard->symbolsShown());
    QCOMPARE(key("btnA")->text(), QStringLiteral("~"));
    QCOMPARE(key("btnchar")->text(), QStringLiteral("?123"));
    // Caps on the symbols page: letters again, in the other case.
    tap("btnCaps");
    QTRY_VERIFY(!m_keyboard->capsSelected());
    QVERIFY(!m_keyboard->symbolsShown());
    QCOMPARE(key("btnA")->text(), QStringLiteral("a"));
    tap("btnchar");
    QTRY_VERIFY(m_keyboard->symbolsShown());
    QCOMPARE(key("btnA")->text(), QStringLiteral("~"));
    tap("btnchar");
    QTRY_VERIFY(!m_keyboard->symbolsShown());
    QCOMPARE(key("btnA")->text(), QStringLiteral("a"));
    QCoreApplication::processEvents();
    QVERIFY(m_editor->presses.isEmpty());
}

void TestWidgetKeyboard::tapsWithinTheDelayAreAllDelivered()
{
    tap("btnH");
    tap("btnI");
    tap("btnSpace");
    QCOMPARE(m_keyboard->pendingKeys(), 3);
    QTRY_COMPARE(m_editor->presses.size(), 3);
    QCOMPARE(m_editor->presses.at(0).text, QStringLiteral("h"));
    QCOMPARE(m_editor->presses.at(1).text, QStringLiteral("i"));
    QCOMPARE(m_editor->presses.at(2).text, QStringLiteral(" "));
    QCOMPARE(m_keyboard->pendingKeys(), 0);
}

void TestWidgetKeyboard::letterRightAfterPageKeyReadsNewPage()
{
    tap("btnchar");
    tap("btnD");
    tap("btnCaps");
    tap("btnD");
    QTRY_COMPARE(m_editor->presses.size(), 2);
    QCOMPARE(m_editor->presses.at(0).text, QStringLiteral("@"));
    QCOMPARE(m_editor->presses.at(1).text, QStringLiteral("D"));
}

void TestWidgetKeyboard::unusableKeyCodesSendNothing()
{
    key("btnW")->setAccessibleName(QStringLiteral("zz"));
    key("btnE")->setAccessibleName(QString());
    tap("btnQ");
    tap("btnW");
    tap("btnE");
    QTRY_COMPARE(m_editor->presses.size(), 1);
    QCOMPARE(m_editor->presses.at(0).code, 0x51);
    key("btnR")->setAccessibleName(QStringLiteral("0x01000021")); // Control is never sent
    tap("btnR");
    QCOMPARE(m_keyboard->pendingKeys(), 0);
}

void TestWidgetKeyboard::noFocusWidgetDropsTheKey()
{
    m_editor->clearFocus();
    delete m_editor;
    m_editor = nullptr;
    tap("btnQ");
    QTRY_COMPARE(m_keyboard->pendingKeys(), 0); // delivered to nobody, no crash
    m_editor = new KeyRecorder(m_host);
}

QTEST_MAIN(TestWidgetKeyboard)
#include "tst_widgetkeyboard.moc"
