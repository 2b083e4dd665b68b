#include "key_num.h"

#include "synthetickey.h"

#include <QPushButton>

namespace {

struct PadKey
{
    const char *name;
    int x, y, w, h;
    const char *code;
    const char *digit; // nullptr: the delete key keeps its own caption
};

// Digits carry the codes of the letter keys that show them on the symbols
// page of the full keyboard; the digit itself is the event text.
const PadKey s_keys[] = {
    {"btn1", 20, 10, 60, 40, "0x51", "1"},
    {"btn2", 90, 10, 60, 40, "0x57", "2"},
    {"btn3", 160, 10, 60, 40, "0x45", "3"},
    {"btn0", 230, 10, 60, 40, "0x50", "0"},
    {"btn4", 20, 56, 60, 40, "0x52", "4"},
    {"btn5", 90, 56, 60, 40, "0x54", "5"},
    {"btn6", 160, 56, 60, 40, "0x59", "6"},
    {"btndel", 230, 56, 60, 84, "0x01000003", nullptr},
    {"btn7", 20, 100, 60, 40, "0x55", "7"},
    {"btn8", 90, 100, 60, 40, "0x49", "8"},
    {"btn9", 160, 100, 60, 40, "0x4f", "9"},
};

const char s_keySheet[] = "background-color: rgb(112, 128, 144);\ncolor:rgb(255, 255, 255) ;";

} // namespace

Key_Num::Key_Num(QWidget *parent)
    : QWidget(parent)
    , hostWidget(parent)
{
    setObjectName(QStringLiteral("KeyNum"));
    setWindowTitle(QStringLiteral("Form"));
    resize(320, 150);
    for (const PadKey &spec : s_keys) {
        auto *button = new QPushButton(this);
        button->setObjectName(QLatin1String(spec.name));
        button->setGeometry(spec.x, spec.y, spec.w, spec.h);
        button->setFocusPolicy(Qt::NoFocus);
        button->setStyleSheet(QLatin1String(s_keySheet));
        button->setAccessibleName(QLatin1String(spec.code));
        if (!spec.digit) {
            button->setText(QStringLiteral("Del"));
            QFont font = button->font();
            font.setPointSize(20);
            button->setFont(font);
        }
        keyList.append(button);
    }
    changeText();
    for (int i = 0; i < keyList.size(); ++i)
        connect(keyList.at(i), &QPushButton::clicked, this, [this, i] { on_btn_clicked(i); });
}

void Key_Num::changeText()
{
    for (int i = 0; i < keyList.size(); ++i) {
        if (s_keys[i].digit)
            keyList.at(i)->setText(QLatin1String(s_keys[i].digit));
    }
}

QPushButton *Key_Num::key(const QString &objectName) const
{
    for (QPushButton *button : keyList) {
        if (button->objectName() == objectName)
            return button;
    }
    return nullptr;
}

void Key_Num::on_btn_clicked(int btn)
{
    if (btn < 0 || btn >= keyList.size())
        return;
    QPushButton *button = keyList.at(btn);
    int key = 0;
    if (!SyntheticKey::parseCode(button->accessibleName(), &key) || SyntheticKey::isSuppressed(key))
        return;
    SyntheticKey::press(hostWidget ? hostWidget->focusWidget() : nullptr, key,
                        SyntheticKey::textFor(key, button->text()));
}
