#include "centredquestion.h"
#include "questionanswer.h"
#include "testroot.h"

#include <QPushButton>
#include <QtTest>

class TestCentredQuestion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_root = new TestRoot; }
    void cleanup() { delete m_root; }
    void clickedButtonIsTheAnswer_data();
    void clickedButtonIsTheAnswer();
    void keysAnswerNoUnlessYesIsChosen_data();
    void keysAnswerNoUnlessYesIsChosen();
    void boxLeftOpenIsAnsweredNo();
    void withoutResponderTheBoxWaitsModally();

private:
    TestRoot *m_root = nullptr;
};

void TestCentredQuestion::clickedButtonIsTheAnswer_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("yes") << int(QMessageBox::Yes);
    QTest::newRow("no") << int(QMessageBox::No);
}

void TestCentredQuestion::clickedButtonIsTheAnswer()
{
    QFETCH(int, button);
    QuestionAnswer answer{QMessageBox::StandardButton(button)};
    bool framelessModal = false;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    answer.onShown([&](QMessageBox *box) {
        framelessModal = (box->windowFlags() & Qt::FramelessWindowHint) && box->isModal()
                         && !box->parentWidget();
        defaultButton = box->standardButton(box->defaultButton());
    });

    QCOMPARE(int(CentredQuestion::ask(QStringLiteral("Save biaoding table?"))), button);
    QCOMPARE(answer.asked(), QStringList{QStringLiteral("Save biaoding table?")});
    QVERIFY(framelessModal);
    QCOMPARE(defaultButton, QMessageBox::No);
    // Centred on the panel, halves truncated.
    const QRect box = answer.geometry();
    QCOMPARE(box.x(), (320 - box.width()) / 2);
    QCOMPARE(box.y(), (240 - box.height()) / 2);
    QCOMPARE(CentredQuestion::askYes(QStringLiteral("again")), button == QMessageBox::Yes);
}

void TestCentredQuestion::keysAnswerNoUnlessYesIsChosen_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("focusYes");
    QTest::addColumn<int>("expected");
    QTest::newRow("escape") << int(Qt::Key_Escape) << false << int(QMessageBox::No);
    QTest::newRow("return takes the default") << int(Qt::Key_Return) << false << int(QMessageBox::No);
    QTest::newRow("space on focused yes") << int(Qt::Key_Space) << true << int(QMessageBox::Yes);
}

void TestCentredQuestion::keysAnswerNoUnlessYesIsChosen()
{
    QFETCH(int, key);
    QFETCH(bool, focusYes);
    QFETCH(int, expected);
    CentredQuestion::Responder previous = CentredQuestion::setResponder([&](QMessageBox *box) {
        QWidget *target = box;
        if (focusYes) {
            target = box->button(QMessageBox::Yes);
            target->setFocus();
        }
        QTest::keyClick(target, Qt::Key(key));
    });
    QCOMPARE(int(CentredQuestion::ask(QStringLiteral("remove"))), expected);
    CentredQuestion::setResponder(std::move(previous));
}

void TestCentredQuestion::boxLeftOpenIsAnsweredNo()
{
    CentredQuestion::Responder previous = CentredQuestion::setResponder([](QMessageBox *) {});
    QCOMPARE(CentredQuestion::ask(QStringLiteral("?")), QMessageBox::No);
    CentredQuestion::setResponder(std::move(previous));
}

void TestCentredQuestion::withoutResponderTheBoxWaitsModally()
{
    // The answer comes from outside the box, as a person's would.
    QMessageBox *seen = nullptr;
    QTimer::singleShot(0, this, [&seen]() {
        seen = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (seen)
            QTest::mouseClick(seen->button(QMessageBox::Yes), Qt::LeftButton);
    });
    QCOMPARE(CentredQuestion::ask(QStringLiteral("?")), QMessageBox::Yes);
    QVERIFY(seen);
}

QTEST_MAIN(TestCentredQuestion)
#include "tst_centredquestion.moc"
