#include "key_num.h"
#include "keyrecorder.h"
#include "testroot.h"
#include "zlineedit.h"

#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

class TestKeyNum : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void keysDeliverAtOnce_data();
    void keysDeliverAtOnce();
    void typesIntoTextEdit();
    void quickTapsAreAllDelivered();
    void lineEditNamesItselfAndKeepsCursor();

private:
    TestRoot *m_root = nullptr;
    QWidget *m_board = nullptr;
    KeyRecorder *m_editor = nullptr;
    Key_Num *m_keypad = nullptr;
};

void TestKeyNum::init()
{
    m_root = new TestRoot;
    m_board = new QWidget;
    m_board->resize(320, 240);
    m_editor = new KeyRecorder(m_board);
    m_editor->setGeometry(1, 1, 261, 81);
    m_keypad = new Key_Num(m_board);
    m_keypad->setGeometry(0, 85, 320, 150);
    m_editor->setFocus();
    m_board->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_board));
}

void TestKeyNum::cleanup()
{
    delete m_board;
    delete m_root;
}

void TestKeyNum::keysDeliverAtOnce_data()
{
    QTest::addColumn<QString>("keyName");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const char *digits[] = {"0x50", "0x51", "0x57", "0x45", "0x52", "0x54", "0x59", "0x55", "0x49", "0x4f"};
    for (int d = 0; d < 10; ++d) {
        QTest::addRow("digit %d", d) << QStringLiteral("btn%1").arg(d) << QString::fromLatin1(digits[d]).toInt(nullptr, 16)
                                     << QString::number(d);
    }
    QTest::newRow("Del") << "btndel" << int(Qt::Key_Backspace) << "Del";
}

void TestKeyNum::keysDeliverAtOnce()
{
    QFETCH(QString, keyName);
    QFETCH(int, code);
    QFETCH(QString, text);
    QPushButton *button = m_keypad->key(keyName);
    QVERIFY(button);
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_editor->presses.size(), 1); // no delay
    QCOMPARE(m_editor->presses.at(0).code, code);
    QCOMPARE(m_editor->presses.at(0).text, text);
    QCOMPARE(m_editor->releases, 0);
}

void TestKeyNum::typesIntoTextEdit()
{
    auto *edit = new QTextEdit(m_board);
    edit->show();
    edit->setFocus();
    QTest::mouseClick(m_keypad->key(QStringLiteral("btn7")), Qt::LeftButton);
    QTest::mouseClick(m_keypad->key(QStringLiteral("btn0")), Qt::LeftButton);
    QCOMPARE(edit->toPlainText(), QStringLiteral("70"));
    QTest::mouseClick(m_keypad->key(QStringLiteral("btndel")), Qt::LeftButton);
    QCOMPARE(edit->toPlainText(), QStringLiteral("7"));
}

void TestKeyNum::quickTapsAreAllDelivered()
{
    for (const char *name : {"btn1", "btn2", "btn3", "btn1"})
        QTest::mouseClick(m_keypad->key(QLatin1String(name)), Qt::LeftButton);
    QCOMPARE(m_editor->presses.size(), 4);
    QCOMPARE(m_editor->presses.at(3).text, QStringLiteral("1"));
}

void TestKeyNum::lineEditNamesItselfAndKeepsCursor()
{
    ZLineEdit unnamed(m_board);
    QSignalSpy unnamedSpy(&unnamed, &ZLineEdit::emit_lineedit);
    QTest::mouseClick(&unnamed, Qt::LeftButton);
    QCOMPARE(unnamedSpy.count(), 1);
    QCOMPARE(unnamedSpy.at(0).at(0).toString(), QString());

    ZLineEdit month(m_board);
    month.setGeometry(0, 0, 200, 30);
    month.ZsetName(QStringLiteral("month"));
    month.setText(QStringLiteral("1234567"));
    month.setCursorPosition(2);
    month.show();
    QSignalSpy spy(&month, &ZLineEdit::emit_lineedit);
    QTest::mousePress(&month, Qt::LeftButton, Qt::NoModifier, QPoint(190, 15));
    QTest::mouseRelease(&month, Qt::LeftButton, Qt::NoModifier, QPoint(190, 15));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("month"));
    QCOMPARE(month.cursorPosition(), 2);
}

QTEST_MAIN(TestKeyNum)
#include "tst_key_num.moc"
