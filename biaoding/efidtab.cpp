#include "efidtab.h"

#include "myitemedit.h"
#include "mykeyboard.h"
#include "padplacement.h"
#include "storedsettings.h"

#include <QGridLayout>
#include <QRegularExpression>
#include <QSettings>

namespace {
const char *const SettingFile = "Parameter/Setting";
const char *const RangeDefaults[3] = {"-20~150", "0~400", "500~2000"};
const int IntTimeDefaults[3] = {100, 190, 200};
} // namespace

EFidTab::EFidTab(QWidget *parent)
    : QWidget(parent)
{
    // Row titles and values side by side in half the tab's width (the
    // rows' own sheet would keep a plain font setting from reaching them).
    setStyleSheet(QStringLiteral("QLabel{font-size:12pt;}"));
    for (int i = 0; i < 3; ++i) {
        m_range[i] = new MyItemEdit(QStringLiteral("Range %1:").arg(i), Range0Row + 2 * i, this);
        m_intTime[i] = new MyItemEdit(QStringLiteral("IntTime %1:").arg(i), IntTime0Row + 2 * i, this);
    }
    m_rangeNum = new MyItemEdit(QStringLiteral("Temp Range Num:"), RangeNumRow, this);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(2);
    grid->addWidget(m_rangeNum, 0, 0, 1, 2);
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(m_range[i], 1 + i, 0);
        grid->addWidget(m_intTime[i], 1 + i, 1);
        m_intTime[i]->setFixedWidth(120);
    }
    for (int id = RangeNumRow; id <= IntTime2Row; ++id) {
        row(id)->setFixedHeight(30);
        connect(row(id), &MyItemEdit::sign_pressed, this, &EFidTab::slot_showKeyboard);
    }
    m_keyboard = new MyKeyboard(nullptr);
    connect(m_keyboard, qOverload<const QString &>(&MyKeyboard::sign_sndEdit), this, &EFidTab::slot_showEdit);
    readConfig();
}

EFidTab::~EFidTab()
{
    delete m_keyboard;
}

MyItemEdit *EFidTab::row(int id) const
{
    switch (id) {
    case RangeNumRow:
        return m_rangeNum;
    case Range0Row:
    case Range1Row:
    case Range2Row:
        return m_range[(id - Range0Row) / 2];
    case IntTime0Row:
    case IntTime1Row:
    case IntTime2Row:
        return m_intTime[(id - IntTime0Row) / 2];
    default:
        return nullptr;
    }
}

void EFidTab::readConfig()
{
    StoredSettings settings(QLatin1String(SettingFile), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("BiaoDing"));
    m_rangeNum->setText(settings.value(QStringLiteral("TempRangeNum"), 2).toString());
    for (int i = 0; i < 3; ++i) {
        m_range[i]->setText(settings.value(QStringLiteral("TempRange%1").arg(i), QLatin1String(RangeDefaults[i])).toString());
        m_intTime[i]->setText(settings.value(QStringLiteral("IntTime%1").arg(i), IntTimeDefaults[i]).toString());
    }
}

QString EFidTab::getTempRange(int index) const
{
    return index >= 0 && index < 3 ? m_range[index]->text() : QString();
}

QString EFidTab::getIntTime(int index) const
{
    return index >= 0 && index < 3 ? m_intTime[index]->text() : QString();
}

QString EFidTab::getTempRangeNum() const
{
    return m_rangeNum->text();
}

bool EFidTab::isRangeText(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(-?\\d{1,6})~(-?\\d{1,6})$"));
    const QRegularExpressionMatch match = form.match(text);
    return match.hasMatch() && match.captured(1).toInt() < match.captured(2).toInt();
}

void EFidTab::slot_showKeyboard(int nKey)
{
    m_editing = nKey;
    PadPlacement::show(m_keyboard);
    MyItemEdit *edited = row(nKey);
    m_keyboard->setCurrentText(edited ? edited->text() : QString());
}

void EFidTab::slot_showEdit(const QString &strData)
{
    m_keyboard->hide();
    if (strData == QLatin1String("KeyOut"))
        return;
    MyItemEdit *edited = row(m_editing);
    if (!edited) {
        qWarning("No Press Key!");
        return;
    }
    switch (m_editing) {
    case RangeNumRow: {
        bool ok = false;
        const int n = strData.toInt(&ok, 16);
        if (ok && n >= RangeNumMin && n <= RangeNumMax)
            edited->setText(strData);
        break;
    }
    case Range0Row:
    case Range1Row:
    case Range2Row:
        // A range the chooser and the live view cannot use keeps the old text.
        if (isRangeText(strData))
            edited->setText(strData);
        break;
    default: {
        const int v = strData.toInt();
        if (v < IntTimeMin)
            edited->setText(QString::number(IntTimeMin));
        else if (v > IntTimeMax)
            edited->setText(QString::number(IntTimeMax));
        else
            edited->setText(strData);
        break;
    }
    }
}
