#include "fontfamilies.h"
#include "testroot.h"
#include "usekeyboarddialog.h"
#include "widgetkeyboard.h"

#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

class TestUseKeyBoardDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void buildsFramelessPanelWithKeyboard();
    void presetTextThenTapAppends();
    void doneReportsTrueEveryTime();
    void leaving_data();
    void leaving();
    void reshownDialogHasItsKeyboardAgain();

private:
    void tap(const char *key)
    {
        QTest::mouseClick(m_dialog->keyboard->findChild<QToolButton *>(QLatin1String(key)), Qt::LeftButton);
    }

    TestRoot *m_root = nullptr;
    UseKeyBoardDialog *m_dialog = nullptr;
};

void TestUseKeyBoardDialog::initTestCase()
{
    FontFamilies::install();
}

void TestUseKeyBoardDialog::init()
{
    m_root = new TestRoot;
    m_dialog = new UseKeyBoardDialog;
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
}

void TestUseKeyBoardDialog::cleanup()
{
    delete m_dialog;
    delete m_root;
}

void TestUseKeyBoardDialog::buildsFramelessPanelWithKeyboard()
{
    QCOMPARE(m_dialog->size(), QSize(320, 240));
    QVERIFY(m_dialog->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_dialog->windowModality(), Qt::WindowModal);
    QCOMPARE(m_dialog->button->text(), QStringLiteral("Done"));
    QCOMPARE(m_dialog->button_2->text(), QStringLiteral("Cancel"));
    QCOMPARE(m_dialog->button->focusPolicy(), Qt::NoFocus);
    QCOMPARE(m_dialog->button_2->focusPolicy(), Qt::NoFocus);
    QCOMPARE(m_dialog->keyboard->geometry(), QRect(0, 90, 320, 150));
    QCOMPARE(m_dialog->textEdit->geometry(), QRect(3, 5, 251, 85));
    QCOMPARE(m_dialog->focusWidget(), m_dialog->textEdit);
}

void TestUseKeyBoardDialog::presetTextThenTapAppends()
{
    m_dialog->setCurrentText(QStringLiteral("abc"));
    tap("btnD");
    QTRY_COMPARE(m_dialog->textEdit->toPlainText(), QStringLiteral("abcd"));
    tap("btnchar");
    tap("btnJ"); // "&" on the symbols page
    tap("btnSpace");
    QTRY_COMPARE(m_dialog->textEdit->toPlainText(), QStringLiteral("abcd& "));
    tap("btnBackSpace");
    tap("btnBackSpace");
    QTRY_COMPARE(m_dialog->textEdit->toPlainText(), QStringLiteral("abcd"));
    QCOMPARE(m_dialog->focusWidget(), m_dialog->textEdit);
}

void TestUseKeyBoardDialog::doneReportsTrueEveryTime()
{
    QSignalSpy exits(m_dialog, &UseKeyBoardDialog::Keyboard_exit);
    QTest::mouseClick(m_dialog->button, Qt::LeftButton);
    QTest::mouseClick(m_dialog->button, Qt::LeftButton);
    QCOMPARE(exits.count(), 2);
    QCOMPARE(exits.at(0).at(0).toBool(), true);
    QCOMPARE(exits.at(1).at(0).toBool(), true);
    QCOMPARE(m_dialog->textEdit->toPlainText(), QString()); // an empty answer is the owner's to judge
    QVERIFY(m_dialog->keyboard->isVisible());
}

void TestUseKeyBoardDialog::leaving_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void TestUseKeyBoardDialog::leaving()
{
    QFETCH(bool, byEscape);
    m_dialog->setCurrentText(QStringLiteral("kept"));
    QSignalSpy exits(m_dialog, &UseKeyBoardDialog::Keyboard_exit);
    for (int i = 0; i < 2; ++i) {
        if (byEscape)
            QTest::keyClick(m_dialog->textEdit, Qt::Key_Escape);
        else
            QTest::mouseClick(m_dialog->button_2, Qt::LeftButton);
    }
    QCOMPARE(exits.count(), 2);
    QCOMPARE(exits.at(0).at(0).toBool(), false);
    QCOMPARE(exits.at(1).at(0).toBool(), false);
    QVERIFY(!m_dialog->keyboard->isVisible());
    QCOMPARE(m_dialog->textEdit->toPlainText(), QStringLiteral("kept"));
}

void TestUseKeyBoardDialog::reshownDialogHasItsKeyboardAgain()
{
    // The owner closes the dialog on Cancel and shows it again later.
    connect(m_dialog, &UseKeyBoardDialog::Keyboard_exit, m_dialog, &QWidget::close);
    QTest::mouseClick(m_dialog->button_2, Qt::LeftButton);
    QVERIFY(!m_dialog->isVisible());
    m_dialog->setCurrentText(QString());
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    QVERIFY(m_dialog->keyboard);
    QVERIFY(m_dialog->keyboard->isVisible());
    tap("btnQ");
    QTRY_COMPARE(m_dialog->textEdit->toPlainText(), QStringLiteral("q"));
}

QTEST_MAIN(TestUseKeyBoardDialog)
#include "tst_usekeyboarddialog.moc"
