#include "productinfowidget.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "myitemedit.h"
#include "mykeyboard.h"
#include "padplacement.h"
#include "parabackup.h"
#include "settingssync.h"
#include "storedsettings.h"
#include "usekeyboarddialog.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
const struct
{
    const char *title;
    const char *key;
    const char *fallback;
} s_rows[] = {{"  DeviceProductor:  ", "ProductInfo/DeviceProductor", "VYX"},
              {"  DeviceType:  ", "ProductInfo/DeviceType", "OS-320"},
              {"  Serial NO:  ", "ProductInfo/SerialNo", "2012010001"},
              {"  DevChip NO: ", "ProductInfo/DevChipNo", "00000001"},
              {"  Product Date:", "ProductInfo/ProduceDate", "2012-12-25"}};
const QString s_settings = QStringLiteral("Parameter/Setting");
} // namespace

ProductInfoWidget::ProductInfoWidget(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("ProductInfoWidget"));
    setFixedSize(320, 224);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(32, 40, 48));
    setPalette(pal);
    auto *container = new QLabel(this);
    container->setGeometry(0, 0, 320, 180);
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(2);
    for (int id = 0; id < RowCount; ++id) {
        auto *row = new MyItemEdit(QLatin1String(s_rows[id].title), id, container);
        row->setFixedHeight(30);
        layout->addWidget(row);
        m_rows.append(row);
        if (id <= Type)
            connect(row, &MyItemEdit::sign_pressed, this, &ProductInfoWidget::slot_showBoard);
        else
            connect(row, &MyItemEdit::sign_pressed, this, &ProductInfoWidget::slot_showKeyboard);
    }
    m_back = new QPushButton(tr("Back"), this);
    m_back->setObjectName(QStringLiteral("Back"));
    m_back->setGeometry(10, 185, 90, 30);
    m_back->setFocusPolicy(Qt::NoFocus);
    connect(m_back, &QPushButton::clicked, this, &ProductInfoWidget::slot_btnPrev);
    m_keyboard = new MyKeyboard(nullptr);
    connect(m_keyboard, qOverload<const QString &>(&MyKeyboard::sign_sndEdit), this, &ProductInfoWidget::slot_showEdit);
}

ProductInfoWidget::~ProductInfoWidget()
{
    delete m_keyboard;
    delete m_dialog;
}

MyItemEdit *ProductInfoWidget::row(int id) const
{
    return m_rows.value(id);
}

void ProductInfoWidget::showEvent(QShowEvent *event)
{
    readConfig();
    QWidget::showEvent(event);
}

void ProductInfoWidget::readConfig()
{
    StoredSettings file(s_settings, QSettings::IniFormat);
    m_values.clear();
    for (int id = 0; id < RowCount; ++id) {
        m_values.append(file.value(QLatin1String(s_rows[id].key), QLatin1String(s_rows[id].fallback)).toString());
        m_rows.at(id)->setText(m_values.last());
    }
    m_serialLocked = file.value(QStringLiteral("ProductInfo/IsSnChgAble"), 0).toInt();
    m_chipLocked = file.value(QStringLiteral("ProductInfo/IsFidChgAble"), 0).toInt();
}

bool ProductInfoWidget::write(const QString &key, const QVariant &value)
{
    StoredSettings file(s_settings, QSettings::IniFormat);
    file.setValue(key, value);
    return SettingsSync::commit(file, qPrintable(key));
}

void ProductInfoWidget::slot_showBoard(int id)
{
    m_current = id;
    qDebug("keyvalue:%d", id);
    if (!m_dialog) {
        m_dialog = new UseKeyBoardDialog(nullptr);
        connect(m_dialog, &UseKeyBoardDialog::Keyboard_exit, this, &ProductInfoWidget::slot_setEdit);
    }
    m_dialog->setCurrentText(id <= Type ? m_rows.at(id)->text() : QString());
    PadPlacement::show(m_dialog);
}

void ProductInfoWidget::slot_setEdit(bool done)
{
    if (!m_dialog)
        return;
    const QString text = m_dialog->textEdit->toPlainText();
    qDebug("dssfsf: change:%d %s", int(done), qPrintable(text));
    // A row shows what the file holds: an unwritten text is not shown.
    if (done && (m_current == Producer || m_current == Type) && write(QLatin1String(s_rows[m_current].key), text)) {
        m_rows.at(m_current)->setText(text);
        m_values[m_current] = text;
    }
    m_dialog->close();
    // It reports from inside its own handlers.
    m_dialog->deleteLater();
    m_dialog = nullptr;
}

void ProductInfoWidget::slot_showKeyboard(int id)
{
    if ((id == Serial && m_serialLocked) || (id == ChipNo && m_chipLocked))
        return;
    m_current = id;
    PadPlacement::show(m_keyboard);
    m_keyboard->setCurrentText(m_rows.at(id)->text());
}

void ProductInfoWidget::storeLocked(int id, const QString &value, const char *valueKey, const char *lockKey, int *lock)
{
    if (value == m_rows.at(id)->text())
        return;
    // The serial number names the backup folder: only what can.
    if (!ParaBackup::validSerial(value)) {
        qWarning("refused %s: 1 to 20 of 0-9, A-Z, a-z, -", valueKey);
        m_rows.at(id)->setText(m_values.at(id));
        return;
    }
    // The number and its lock go in one write: a lock without its number
    // would keep the old number for good.
    StoredSettings file(s_settings, QSettings::IniFormat);
    file.setValue(QLatin1String(lockKey), 1);
    file.setValue(QLatin1String(valueKey), value);
    if (!SettingsSync::commit(file, valueKey)) {
        m_rows.at(id)->setText(m_values.at(id));
        return;
    }
    m_rows.at(id)->setText(value);
    m_values[id] = value;
    *lock = 1;
}

void ProductInfoWidget::slot_showEdit(const QString &text)
{
    m_keyboard->hide();
    if (m_current < 0 || m_current >= RowCount) {
        qDebug("No Press Key!");
        return;
    }
    const QString value = text == QLatin1String("KeyOut") ? m_values.at(m_current) : text;
    switch (m_current) {
    case Serial:
        storeLocked(Serial, value, "ProductInfo/SerialNo", "ProductInfo/IsSnChgAble", &m_serialLocked);
        break;
    case ChipNo:
        storeLocked(ChipNo, value, "ProductInfo/DevChipNo", "ProductInfo/IsFidChgAble", &m_chipLocked);
        break;
    case Date:
        if (!checkDataTime(value) || !write(QStringLiteral("ProductInfo/ProduceDate"), value)) {
            m_rows.at(Date)->setText(m_values.at(Date));
            break;
        }
        m_rows.at(Date)->setText(value);
        m_values[Date] = value;
        break;
    default:
        qDebug("No Press Key!");
        break;
    }
}

bool ProductInfoWidget::checkDataTime(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d+)-(\\d+)-(\\d+)$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return false;
    const int year = match.captured(1).toInt();
    const QDate date(year, match.captured(2).toInt(), match.captured(3).toInt());
    return date.isValid() && year >= 2000 && year <= 2050;
}

void ProductInfoWidget::slot_btnPrev()
{
    // The live view deletes this widget: not from inside its own button.
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->closeCalibLater(EGraphicsViewPrivate::EM_CALIB_PRODUCT);
}
