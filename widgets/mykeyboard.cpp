#include "mykeyboard.h"

#include "synthetickey.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace {

struct PadKey
{
    const char *name;
    int x, y, w, h;
    const char *label;
    const char *code;
};

const PadKey s_keys[] = {
    {"btnA", 10, 80, 55, 32, "A", "0x41"},
    {"btnB", 71, 80, 55, 32, "B", "0x42"},
    {"btnC", 133, 80, 55, 32, "C", "0x43"},
    {"btnBack", 256, 80, 55, 32, "Back", "0x01000003"},
    {"btnD", 10, 118, 55, 32, "D", "0x44"},
    {"btnE", 71, 118, 55, 32, "E", "0x45"},
    {"btnF", 133, 118, 55, 32, "F", "0x46"},
    {"btnPot", 194, 118, 55, 32, ".", "0x2e"},
    {"btnLine", 256, 118, 55, 32, "-", "0x2d"},
    {"btn4", 194, 160, 55, 32, "4", "0x34"},
    {"btn5", 256, 160, 55, 32, "5", "0x35"},
    {"btn1", 10, 160, 55, 32, "1", "0x31"},
    {"btn3", 133, 160, 55, 32, "3", "0x33"},
    {"btn2", 71, 160, 55, 32, "2", "0x32"},
    {"btn7", 71, 200, 55, 32, "7", "0x37"},
    {"btn8", 133, 200, 55, 32, "8", "0x38"},
    {"btn9", 194, 200, 55, 32, "9", "0x39"},
    {"btn0", 256, 200, 55, 32, "0", "0x30"},
    {"btn6", 10, 200, 55, 32, "6", "0x36"},
    {"btnWavLine", 194, 80, 55, 32, "~", "0x7e"},
};

const char s_textSheet[] = "QTextEdit {\nborder-width: 2px;\nborder-style: solid;\n"
                           "border-color: rgb(255, 0, 0);\nborder-radius: 5px;\n}";
const char s_keySheet[] = "QToolButton:hover {\n  background-color: rgb(135, 206, 235);\n}\n\n"
                          "QToolButton:pressed {\n\tbackground-color: rgb(32, 178, 170);\n}";
const char s_tildeSheet[] = "QToolButton:hover {\n  background-color: rgb(135, 206, 235);\n}\n\n"
                            "QToolButton:pressed {\n\tbackground-color: rgba(32, 178, 170,200);\n}";

} // namespace

MyKeyboard::MyKeyboard(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MyKeyboard"));
    resize(320, 240);
    textEdit = new QTextEdit(this);
    textEdit->setObjectName(QStringLiteral("textEdit"));
    textEdit->setGeometry(10, 10, 231, 61);
    textEdit->setStyleSheet(QLatin1String(s_textSheet));
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(250, 20, 61, 41);
    btnOk->setFocusPolicy(Qt::NoFocus);
    for (const PadKey &spec : s_keys) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(spec.name));
        button->setGeometry(spec.x, spec.y, spec.w, spec.h);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAccessibleName(QLatin1String(spec.code));
        const bool tilde = qstrcmp(spec.name, "btnWavLine") == 0;
        button->setStyleSheet(QLatin1String(tilde ? s_tildeSheet : s_keySheet));
        m_keys.append(button);
    }
    connect(btnOk, &QPushButton::clicked, this, &MyKeyboard::on_btnOk_clicked);

    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    setCursor(Qt::BlankCursor);
    setDefaultText();
    textEdit->setFocus(Qt::OtherFocusReason);
    textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < m_keys.size(); ++i)
        connect(m_keys.at(i), &QToolButton::clicked, this, [this, i] { slot_btnClicked(i); });
}

void MyKeyboard::setDefaultText()
{
    for (int i = 0; i < m_keys.size(); ++i)
        m_keys.at(i)->setText(QLatin1String(s_keys[i].label));
}

QToolButton *MyKeyboard::key(const QString &objectName) const
{
    for (QToolButton *button : m_keys) {
        if (button->objectName() == objectName)
            return button;
    }
    return nullptr;
}

void MyKeyboard::setCurrentText(const QString &text)
{
    textEdit->setPlainText(text);
    textEdit->moveCursor(QTextCursor::End);
}

void MyKeyboard::setCurrentID(int id)
{
    m_currentId = id;
}

void MyKeyboard::slot_btnClicked(int btn)
{
    if (btn < 0 || btn >= m_keys.size())
        return;
    QToolButton *button = m_keys.at(btn);
    int key = 0;
    if (!SyntheticKey::parseCode(button->accessibleName(), &key))
        return;
    SyntheticKey::press(textEdit, key, button->text().trimmed());
}

void MyKeyboard::on_btnOk_clicked()
{
    const QString text = textEdit->toPlainText().trimmed();
    textEdit->setPlainText(QString());
    const int id = m_currentId;
    Q_EMIT sign_sndEdit(text);
    Q_EMIT sign_sndEdit(id, text);
}

void MyKeyboard::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (event->key() == Qt::Key_Escape)
        Q_EMIT sign_sndEdit(QStringLiteral("KeyOut"));
}
