#include "myitemedit.h"
#include "mykeyboard.h"
#include "testroot.h"

#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

class TestMyKeyboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void buildsPad();
    void keysType_data();
    void keysType();
    void okSendsTrimmedTextWithAndWithoutId();
    void escapeSaysKeyOutAndKeepsText();
    void backOnEmptyBoxDoesNothing();
    void itemEditReportsItsId();

private:
    void tap(const char *name) { QTest::mouseClick(m_pad->key(QLatin1String(name)), Qt::LeftButton); }

    TestRoot *m_root = nullptr;
    MyKeyboard *m_pad = nullptr;
};

void TestMyKeyboard::init()
{
    m_root = new TestRoot;
    m_pad = new MyKeyboard;
    m_pad->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pad));
}

void TestMyKeyboard::cleanup()
{
    delete m_pad;
    delete m_root;
}

void TestMyKeyboard::buildsPad()
{
    QCOMPARE(m_pad->size(), QSize(320, 240));
    QVERIFY(m_pad->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_pad->currentID(), -1);
    const QList<QToolButton *> keys = m_pad->findChildren<QToolButton *>();
    QCOMPARE(keys.size(), 20);
    for (QToolButton *key : keys) {
        QCOMPARE(key->focusPolicy(), Qt::NoFocus);
        QVERIFY(key->isEnabled());
    }
    QCOMPARE(m_pad->key(QStringLiteral("btnBack"))->text(), QStringLiteral("Back"));
    QCOMPARE(m_pad->key(QStringLiteral("btnWavLine"))->geometry(), QRect(194, 80, 55, 32));
    QCOMPARE(m_pad->key(QStringLiteral("btn0"))->geometry(), QRect(256, 200, 55, 32));
    QCOMPARE(m_pad->focusWidget(), m_pad->textEdit);
}

void TestMyKeyboard::keysType_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("hex") << QStringList{"btnA", "btnF", "btn0", "btn9"} << "AF09";
    QTest::newRow("decimal with sign") << QStringList{"btnLine", "btn1", "btnPot", "btn5"} << "-1.5";
    QTest::newRow("range") << QStringList{"btn2", "btnWavLine", "btn8"} << "2~8";
    QTest::newRow("back deletes") << QStringList{"btn6", "btn7", "btnBack", "btnE"} << "6E";
    QTest::newRow("every digit") << QStringList{"btn1", "btn2", "btn3", "btn4", "btn5", "btn6", "btn7", "btn8"} << "12345678";
}

void TestMyKeyboard::keysType()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    for (const QString &key : keys)
        tap(key.toLatin1().constData());
    QCOMPARE(m_pad->textEdit->toPlainText(), text);
}

void TestMyKeyboard::okSendsTrimmedTextWithAndWithoutId()
{
    QSignalSpy plain(m_pad, qOverload<const QString &>(&MyKeyboard::sign_sndEdit));
    QSignalSpy withId(m_pad, qOverload<int, const QString &>(&MyKeyboard::sign_sndEdit));
    QTest::mouseClick(m_pad->btnOk, Qt::LeftButton); // empty box, no id yet
    QCOMPARE(plain.count(), 1);
    QCOMPARE(plain.at(0).at(0).toString(), QString());
    QCOMPARE(withId.count(), 1);
    QCOMPARE(withId.at(0).at(0).toInt(), -1);

    m_pad->setCurrentID(7);
    m_pad->setCurrentText(QStringLiteral("  SN 12 "));
    tap("btn3");
    QCOMPARE(m_pad->textEdit->toPlainText(), QStringLiteral("  SN 12 3"));
    QTest::keyClicks(m_pad->textEdit, QStringLiteral("  "));
    QTest::mouseClick(m_pad->btnOk, Qt::LeftButton);
    QCOMPARE(plain.count(), 2);
    QCOMPARE(plain.at(1).at(0).toString(), QStringLiteral("SN 12 3"));
    QCOMPARE(withId.at(1).at(0).toInt(), 7);
    QCOMPARE(withId.at(1).at(1).toString(), QStringLiteral("SN 12 3"));
    QCOMPARE(m_pad->textEdit->toPlainText(), QString());
    QVERIFY(m_pad->isVisible()); // hiding is the owner's business

    QTest::mouseClick(m_pad->btnOk, Qt::LeftButton);
    QCOMPARE(plain.at(2).at(0).toString(), QString());
    QCOMPARE(withId.at(2).at(0).toInt(), 7);
}

void TestMyKeyboard::escapeSaysKeyOutAndKeepsText()
{
    QSignalSpy plain(m_pad, qOverload<const QString &>(&MyKeyboard::sign_sndEdit));
    QSignalSpy withId(m_pad, qOverload<int, const QString &>(&MyKeyboard::sign_sndEdit));
    m_pad->setCurrentText(QStringLiteral("12"));
    QTest::keyClick(m_pad->textEdit, Qt::Key_Escape);
    QCOMPARE(plain.count(), 1);
    QCOMPARE(plain.at(0).at(0).toString(), QStringLiteral("KeyOut"));
    QCOMPARE(withId.count(), 0);
    QCOMPARE(m_pad->textEdit->toPlainText(), QStringLiteral("12"));
}

void TestMyKeyboard::backOnEmptyBoxDoesNothing()
{
    QSignalSpy plain(m_pad, qOverload<const QString &>(&MyKeyboard::sign_sndEdit));
    tap("btnBack");
    QCOMPARE(m_pad->textEdit->toPlainText(), QString());
    QCOMPARE(plain.count(), 0);
}

void TestMyKeyboard::itemEditReportsItsId()
{
    MyItemEdit row(QStringLiteral("Serial"), 4);
    row.resize(300, 40);
    row.show();
    QCOMPARE(row.objectName(), QStringLiteral("Serial"));
    QCOMPARE(row.title(), QStringLiteral("Serial"));
    QCOMPARE(row.text(), QString());
    QVERIFY(row.isFlat());
    QSignalSpy pressed(&row, &MyItemEdit::sign_pressed);
    QTest::mouseClick(&row, Qt::LeftButton);
    row.setText(QStringLiteral("A1"));
    QTest::mouseClick(&row, Qt::LeftButton);
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(pressed.at(0).at(0).toInt(), 4);
    QCOMPARE(pressed.at(1).at(0).toInt(), 4);
    QCOMPARE(row.text(), QStringLiteral("A1"));
}

QTEST_MAIN(TestMyKeyboard)
#include "tst_mykeyboard.moc"
