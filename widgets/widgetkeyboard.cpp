#include "widgetkeyboard.h"

#include "synthetickey.h"

#include <QPointer>
#include <QTimer>
#include <QToolButton>

namespace {

enum class KeyLook { Letter, Comma, Special, Space };

struct KeySpec
{
    const char *name;
    int x, y, w, h;
    const char *code;
    const char *letter; // lower-case caption of a letter key, else nullptr
    const char *symbol; // caption on the symbols page
    const char *fixed;  // caption of a key that never changes
    KeyLook look;
};

const KeySpec s_keys[] = {
    {"btnQ", 6, 9, 30, 30, "0x51", "q", "1", nullptr, KeyLook::Letter},
    {"btnW", 37, 9, 30, 30, "0x57", "w", "2", nullptr, KeyLook::Letter},
    {"btnE", 68, 9, 30, 30, "0x45", "e", "3", nullptr, KeyLook::Letter},
    {"btnR", 99, 9, 30, 30, "0x52", "r", "4", nullptr, KeyLook::Letter},
    {"btnT", 130, 9, 30, 30, "0x54", "t", "5", nullptr, KeyLook::Letter},
    {"btnY", 161, 9, 30, 30, "0x59", "y", "6", nullptr, KeyLook::Letter},
    {"btnU", 191, 9, 30, 30, "0x55", "u", "7", nullptr, KeyLook::Letter},
    {"btnI", 222, 9, 30, 30, "0x49", "i", "8", nullptr, KeyLook::Letter},
    {"btnO", 253, 9, 30, 30, "0x4f", "o", "9", nullptr, KeyLook::Letter},
    {"btnP", 284, 9, 30, 30, "0x50", "p", "0", nullptr, KeyLook::Letter},
    {"btnA", 19, 42, 30, 30, "0x41", "a", "~", nullptr, KeyLook::Letter},
    {"btnS", 50, 42, 30, 30, "0x53", "s", "-", nullptr, KeyLook::Letter},
    {"btnD", 81, 42, 30, 30, "0x44", "d", "@", nullptr, KeyLook::Letter},
    {"btnF", 112, 42, 30, 30, "0x46", "f", "#", nullptr, KeyLook::Letter},
    {"btnG", 143, 42, 30, 30, "0x47", "g", "$", nullptr, KeyLook::Letter},
    {"btnH", 174, 42, 30, 30, "0x48", "h", "%", nullptr, KeyLook::Letter},
    {"btnJ", 205, 42, 29, 30, "0x4a", "j", "&&", nullptr, KeyLook::Letter},
    {"btnK", 236, 42, 30, 30, "0x4b", "k", "*", nullptr, KeyLook::Letter},
    {"btnL", 268, 42, 30, 30, "0x4c", "l", "?", nullptr, KeyLook::Letter},
    {"btnCaps", 6, 76, 42, 30, "0x01000024", nullptr, nullptr, "    Caps   ", KeyLook::Special},
    {"btnZ", 50, 77, 30, 30, "0x5a", "z", ";", nullptr, KeyLook::Letter},
    {"btnX", 81, 76, 30, 30, "0x58", "x", ":", nullptr, KeyLook::Letter},
    {"btnC", 112, 76, 30, 30, "0x43", "c", "\"", nullptr, KeyLook::Letter},
    {"btnV", 143, 76, 30, 30, "0x56", "v", "(", nullptr, KeyLook::Letter},
    {"btnB", 174, 76, 30, 30, "0x42", "b", ")", nullptr, KeyLook::Letter},
    {"btnN", 205, 76, 30, 30, "0x4e", "n", "*", nullptr, KeyLook::Letter},
    {"btnM", 236, 76, 30, 30, "0x4d", "m", "/", nullptr, KeyLook::Letter},
    {"btnBackSpace", 268, 76, 46, 30, "0x01000003", nullptr, nullptr, "\xe2\x86\x90", KeyLook::Special},
    {"btnchar", 6, 110, 50, 31, "0x010000cc", nullptr, nullptr, "?123", KeyLook::Special},
    {"btnComma", 58, 110, 50, 31, "0x2c", nullptr, nullptr, ",", KeyLook::Comma},
    {"btnSpace", 109, 110, 100, 31, "0x20", nullptr, nullptr, "", KeyLook::Space},
    {"btnPeriod", 210, 110, 50, 31, "0x2e", nullptr, nullptr, ".", KeyLook::Letter},
    {"btnEnter", 261, 110, 54, 31, "0x01000005", nullptr, nullptr, "Enter", KeyLook::Special},
};

const char s_specialSheet[] = "QToolButton {\n  border-width: 0px;\n  border-style: solid;\n"
                              "  background-color: rgb(240, 128, 128);\n}\n"
                              "QToolButton:hover {\n  background-color: rgb(135, 206, 235);\n}\n\n"
                              "QToolButton:pressed {\n\tbackground-color: rgba(32, 178, 170,200);\n}";
const char s_letterSheet[] = "QToolButton:hover {\n  background-color: rgb(135, 206, 235);\n}\n\n"
                             "QToolButton:pressed {\n\tbackground-color: rgba(32, 178, 170,200);\n}";
const char s_commaSheet[] = "QToolButton:hover {\n  background-color: rgb(135, 206, 235);\n}\n"
                            "QToolButton:pressed {\n\tbackground-color: rgba(32, 178, 170,200);\n}";
const char s_spaceSheet[] = "QToolButton:pressed {\n\tbackground-color: rgba(32, 178, 170,200);\n}";

const char *sheetFor(KeyLook look)
{
    switch (look) {
    case KeyLook::Special: return s_specialSheet;
    case KeyLook::Comma: return s_commaSheet;
    case KeyLook::Space: return s_spaceSheet;
    case KeyLook::Letter: break;
    }
    return s_letterSheet;
}

constexpr int s_keyDelayMs = 30;
constexpr int s_pageKey = 0x010000cc;

} // namespace

WidgetKeyboard::WidgetKeyboard(QWidget *parent)
    : QWidget(parent)
    , hostWidget(parent)
{
    buildKeys();
    changeTextCaps(false);
    for (int i = 0; i < keyList.size(); ++i)
        connect(keyList.at(i), &QToolButton::clicked, this, [this, i] { on_btn_clicked(i); });
    keyTimer = new QTimer(this);
    keyTimer->setSingleShot(true);
    connect(keyTimer, &QTimer::timeout, this, &WidgetKeyboard::timerslot);
}

WidgetKeyboard::~WidgetKeyboard()
{
    keyTimer->stop();
}

void WidgetKeyboard::buildKeys()
{
    setObjectName(QStringLiteral("keyboard"));
    setWindowTitle(QStringLiteral("Form"));
    resize(320, 150);
    setMouseTracking(false);
    setFocusPolicy(Qt::NoFocus);
    for (const KeySpec &spec : s_keys) {
        auto *key = new QToolButton(this);
        key->setObjectName(QLatin1String(spec.name));
        key->setGeometry(spec.x, spec.y, spec.w, spec.h);
        key->setFocusPolicy(Qt::NoFocus);
        key->setAutoRepeat(true);
        key->setCheckable(false);
        key->setAccessibleName(QLatin1String(spec.code));
        key->setStyleSheet(QLatin1String(sheetFor(spec.look)));
        QFont font = key->font();
        if (qstrcmp(spec.name, "btnBackSpace") == 0) {
            font.setFamily(QStringLiteral("AR PL ShanHeiSun Uni"));
            font.setPointSize(16);
        } else {
            font.setPointSize(qstrcmp(spec.name, "btnEnter") == 0 ? 6 : 8);
        }
        key->setFont(font);
        key->setText(spec.fixed ? QString::fromUtf8(spec.fixed) : QString());
        keyList.append(key);
    }
}

void WidgetKeyboard::changeTextCaps(bool caps)
{
    for (int i = 0; i < keyList.size(); ++i) {
        if (!s_keys[i].letter)
            continue;
        const QString letter = QLatin1String(s_keys[i].letter);
        keyList.at(i)->setText(caps ? letter.toUpper() : letter);
    }
    isChar = false;
}

void WidgetKeyboard::changeTextchar(bool symbols)
{
    if (!symbols) {
        changeTextCaps(isCaps);
        return;
    }
    for (int i = 0; i < keyList.size(); ++i) {
        if (s_keys[i].letter)
            keyList.at(i)->setText(QLatin1String(s_keys[i].symbol));
    }
}

void WidgetKeyboard::on_btnCaps_toggled()
{
    isCaps = !isCaps;
    changeTextCaps(isCaps);
}

void WidgetKeyboard::on_btnchar_toggled()
{
    isChar = !isChar;
    changeTextchar(isChar);
}

void WidgetKeyboard::on_btn_clicked(int btn)
{
    if (btn < 0 || btn >= keyList.size())
        return;
    QToolButton *key = keyList.at(btn);
    int keyId = 0;
    if (!SyntheticKey::parseCode(key->accessibleName(), &keyId) || SyntheticKey::isSuppressed(keyId))
        return;
    qWarning("\t Func %s Line %d keyId 0x%x [%d] \n", "on_btn_clicked", 116, keyId, keyId);
    // The page keys act at once, so a letter tapped right after them already
    // reads from the new page.
    if (keyId == Qt::Key_CapsLock) {
        on_btnCaps_toggled();
        return;
    }
    if (keyId == s_pageKey) {
        on_btnchar_toggled();
        return;
    }
    // The caption is taken now: it is what the user saw when tapping.
    keyQueue.append({keyId, SyntheticKey::textFor(keyId, key->text())});
    if (!keyTimer->isActive())
        keyTimer->start(s_keyDelayMs);
}

void WidgetKeyboard::timerslot()
{
    keyTimer->stop();
    const QList<PendingKey> keys = std::exchange(keyQueue, {});
    // A receiver may close and destroy the host (Enter on the last field).
    const QPointer<WidgetKeyboard> self(this);
    for (const PendingKey &pending : keys) {
        if (!self)
            return;
        SyntheticKey::press(hostWidget ? hostWidget->focusWidget() : nullptr, pending.keyId, pending.keyText);
    }
}
