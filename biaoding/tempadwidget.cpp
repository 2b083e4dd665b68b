#include "storedsettings.h"
#include "tempadwidget.h"

#include "calibends.h"
#include "calibrationfile.h"
#include "calibtable.h"
#include "centredquestion.h"
#include "eglobal.h"
#include "fpga.h"
#include "myitemedit.h"
#include "mykeyboard.h"
#include "padplacement.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSettings>

namespace {

const char s_saveQuestion[] = "参数已修改，是否保存修改值?";

// A whole decimal number, or 0.
int decimalOf(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok, 10);
    return ok ? n : 0;
}

// An AD as typed: hexadecimal 0..FFFF, "0x" and either case accepted.
// Returns the digits as typed without the prefix, or an empty text.
QString adEntry(const QString &text)
{
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        digits = digits.mid(2);
    if (digits.isEmpty() || digits.size() > 8)
        return QString();
    for (const QChar c : qAsConst(digits)) {
        if (!c.isDigit() && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')))
            return QString();
    }
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    return ok && value <= 0xFFFF ? digits : QString();
}

} // namespace

TempADWidget::TempADWidget(QWidget *parent)
    : QWidget(parent)
{
    readConfig();
    InitWidget();
    m_changed = false;
    m_keyboard = new MyKeyboard(nullptr);
    connect(m_keyboard, qOverload<const QString &>(&MyKeyboard::sign_sndEdit), this, &TempADWidget::slot_showEdit);
}

TempADWidget::~TempADWidget()
{
    m_keyboard->close();
    delete m_keyboard;
}

void TempADWidget::readConfig()
{
    FPGA *fpga = EGlobal::getFPGA();
    // The board's 255 (no lens) reads as -1: no table until one is entered.
    m_lens = fpga ? int(int8_t(fpga->fpga_read_lenIndex())) : -1;
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
    m_range = settings.value(QStringLiteral("BiaoDing/TempRange"), 0).toInt();
}

void TempADWidget::InitWidget()
{
    for (int i = 1; i <= RowFields; ++i) {
        auto *field = new MyItemEdit(QStringLiteral("_edit%1").arg(i), i, this);
        const int column = (i - 1) % 3;
        field->setGeometry(8 + 98 * column, i <= 3 ? 77 : 109, 93, 30);
        // "-30 0x6890" has to fit in 93 pixels.
        for (QLabel *label : field->findChildren<QLabel *>()) {
            QFont small = label->font();
            small.setPointSize(13);
            label->setFont(small);
        }
        m_items.append(field);
    }
    struct Header
    {
        const char *title;
        int id, x, y;
    };
    const Header headers[] = {{"BaseTemp:", BaseId, 8, 42}, {"TempNum:", CountId, 158, 42},
                              {"LenMode:", LensId, 8, 5}, {"TempRange:", RangeId, 158, 5}};
    for (const Header &h : headers) {
        auto *field = new MyItemEdit(QLatin1String(h.title), h.id, this);
        field->setGeometry(h.x, h.y, 140, 30);
        m_items.append(field);
    }
    for (MyItemEdit *field : qAsConst(m_items))
        connect(field, &MyItemEdit::sign_pressed, this, &TempADWidget::slot_showKeyboard);

    m_prev = new QPushButton(QStringLiteral("Prev"), this);
    m_prev->setGeometry(8, 143, 40, 30);
    m_next = new QPushButton(QStringLiteral("Next"), this);
    m_next->setGeometry(53, 143, 40, 30);
    for (QPushButton *b : {m_prev, m_next})
        b->setFocusPolicy(Qt::NoFocus);
    connect(m_prev, &QPushButton::clicked, this, &TempADWidget::slot_btnLastPage);
    connect(m_next, &QPushButton::clicked, this, &TempADWidget::slot_btnNextPage);

    auto *adCaption = new QLabel(QStringLiteral("AD"), this);
    adCaption->setGeometry(100, 143, 40, 32);
    adCaption->setStyleSheet(QStringLiteral("color: rgb(170, 170, 255);"));
    auto *minCaption = new QLabel(QStringLiteral("Min:"), this);
    minCaption->setGeometry(130, 143, 40, 32);
    m_minLabel = new QLabel(this);
    m_minLabel->setGeometry(165, 143, 45, 32);
    auto *maxCaption = new QLabel(QStringLiteral("Max:"), this);
    maxCaption->setGeometry(215, 143, 40, 32);
    m_maxLabel = new QLabel(this);
    m_maxLabel->setGeometry(255, 143, 45, 32);
    // Six hex digits have to fit in 45 pixels.
    for (QLabel *value : {m_minLabel, m_maxLabel}) {
        QFont small = value->font();
        small.setPointSize(11);
        value->setFont(small);
    }
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setGeometry(8, 77, 289, 62);
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setStyleSheet(QStringLiteral("QLabel{color:rgb(255,60,60);background:rgba(0,0,0,160);}"));
    m_note->hide();
}

QString TempADWidget::tableName() const
{
    return CalibrationFile::tablePath(m_lens, m_range);
}

MyItemEdit *TempADWidget::item(int id) const
{
    return id >= 1 && id <= m_items.size() ? m_items.at(id - 1) : nullptr;
}

QString TempADWidget::minText() const
{
    return m_minLabel->text();
}

QString TempADWidget::maxText() const
{
    return m_maxLabel->text();
}

QString TempADWidget::note() const
{
    return m_note->isHidden() ? QString() : m_note->text();
}

void TempADWidget::setNote(const QString &text)
{
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
    m_note->raise();
}

void TempADWidget::resetWidget(int temperature)
{
    m_rows.clear();
    m_edited = false;
    m_currentId = 0;
    m_page = 1;
    setNote(QString());
    item(LensId)->setText(hasLens() ? QString::number(m_lens) : QString());
    item(RangeId)->setText(QString::number(m_range));
    if (!hasLens()) {
        m_rowCount = 0;
        m_minAd.clear();
        m_maxAd.clear();
        item(BaseId)->setText(QString());
        item(CountId)->setText(QString());
        showItemEdit();
        m_minLabel->clear();
        m_maxLabel->clear();
        setNote(QStringLiteral("No Lens!"));
        return;
    }
    // Read only: the base row is pinned and empty keys dropped in memory;
    // only a save writes the file.
    CalibTable table;
    table.load(tableName());
    m_baseTemp = table.baseTemp();
    table.setAd(m_baseTemp, QStringLiteral("8000"));
    for (const CalibTable::Row &row : table.rows()) {
        if (!row.ad.isEmpty())
            m_rows.append(Row{row.temp, row.ad});
    }
    m_rowCount = m_rows.size();
    GetMinMax();

    int found = -1;
    for (int i = 0; i < m_rows.size() && found < 0; ++i) {
        if (CalibTable::tempValue(m_rows.at(i).temp) == temperature)
            found = i + 1;
    }
    qWarning("TEST=====Item:%d", found);
    m_page = found > 0 ? (found - 1) / RowFields + 1 : 1;
    showItemEdit();
    item(BaseId)->setText(QString::number(m_baseTemp));
    item(CountId)->setText(QString::number(m_rowCount));
    m_minLabel->setText(m_minAd);
    m_maxLabel->setText(m_maxAd);
}

void TempADWidget::updateWidget()
{
    readConfig();
    resetWidget(-50);
}

void TempADWidget::GetMinMax()
{
    m_minAd = m_rows.isEmpty() ? QString() : m_rows.first().ad;
    m_maxAd = m_rowCount >= 1 && m_rowCount <= m_rows.size() ? m_rows.at(m_rowCount - 1).ad : QString();
}

void TempADWidget::showItemEdit()
{
    const int pages = m_rowCount / RowFields + (m_rowCount % RowFields ? 1 : 0);
    // A lowered row count leaves no page beyond its last one.
    m_page = qBound(1, m_page, qMax(1, pages));
    m_prev->setVisible(m_page > 1);
    int shown = RowFields;
    if (m_page >= pages) {
        m_next->hide();
        shown = m_rowCount - (pages - 1) * RowFields;
    } else {
        m_next->show();
    }
    if (pages == 0)
        shown = 0;
    for (int i = 1; i <= RowFields; ++i) {
        MyItemEdit *field = item(i);
        field->setVisible(i <= shown);
        const int r = (m_page - 1) * RowFields + i;
        const bool held = r >= 1 && r <= m_rows.size();
        field->setTitle(held ? m_rows.at(r - 1).temp : QString());
        field->setText(held ? m_rows.at(r - 1).ad : QString());
    }
}

void TempADWidget::slot_btnNextPage()
{
    ++m_page;
    showItemEdit();
}

void TempADWidget::slot_btnLastPage()
{
    --m_page;
    showItemEdit();
}

void TempADWidget::slot_showKeyboard(int nKey)
{
    m_currentId = nKey;
    PadPlacement::show(m_keyboard);
    MyItemEdit *field = item(nKey);
    m_keyboard->setCurrentText(field ? field->text() : QString());
}

bool TempADWidget::settlePendingEdits()
{
    if (m_edited && CentredQuestion::askYes(QString::fromUtf8(s_saveQuestion),
                                            QStringLiteral("QDialog{background-color:#385D8A;}")))
        return saveConfig();
    return true;
}

void TempADWidget::slot_showEdit(const QString &strData)
{
    m_keyboard->hide();
    if (strData == QLatin1String("KeyOut") || m_currentId < 1 || m_currentId > RangeId)
        return;
    m_changed = true;
    const int n = decimalOf(strData);
    MyItemEdit *field = item(m_currentId);
    switch (m_currentId) {
    case BaseId:
        if (n >= -999 && n <= 999) {
            field->setText(strData);
            m_baseTemp = n;
            m_edited = true;
        }
        break;
    case CountId:
        // The library holds at most 60 points.
        if (n >= 1 && n <= CalibTable::MaxPoints) {
            field->setText(strData);
            m_rowCount = n;
            m_edited = true;
        }
        break;
    case LensId:
    case RangeId: {
        const bool lens = m_currentId == LensId;
        if (n < 0 || n > (lens ? 6 : 2))
            break;
        // Edits the technician chose to keep but could not be stored stay
        // on the screen with "Save failed!".
        if (!settlePendingEdits())
            break;
        field->setText(strData);
        (lens ? m_lens : m_range) = n;
        resetWidget(-50);
        break;
    }
    default: {
        const QString ad = adEntry(strData);
        const int r = (m_page - 1) * RowFields + m_currentId;
        if (ad.isEmpty() || r < 1 || r > m_rows.size())
            break;
        if (r == m_rowCount) {
            m_maxAd = ad;
            m_maxLabel->setText(ad);
        } else if (r == 1) {
            m_minAd = ad;
            m_minLabel->setText(ad);
        }
        field->setText(ad);
        m_rows[r - 1].ad = ad;
        m_edited = true;
        break;
    }
    }
}

bool TempADWidget::saveConfig()
{
    if (!hasLens()) {
        setNote(QStringLiteral("No Lens!"));
        return false;
    }
    CalibTable table;
    if (!table.load(tableName()) && QFileInfo::exists(tableName())) {
        qWarning("%s", qPrintable(table.errorString()));
        setNote(QStringLiteral("Save failed!"));
        return false;
    }
    // The rows shown up to the row count, nothing beyond it.
    table.clearRows();
    QStringList temps;
    QStringList ads;
    for (int r = 1; r <= qMin(m_rowCount, int(m_rows.size())); ++r) {
        const Row &row = m_rows.at(r - 1);
        table.setAd(row.temp, row.ad);
        temps << row.temp;
        ads << row.ad;
    }
    qDebug() << temps << ads;
    CalibEnds::addMissing(table, m_range);
    table.setValue(QStringLiteral("ParaSet/BaseTemp"), m_baseTemp);
    if (!table.save(tableName())) {
        qWarning("%s", qPrintable(table.errorString()));
        setNote(QStringLiteral("Save failed!"));
        return false;
    }
    m_edited = false;
    setNote(QString());
    return true;
}

void TempADWidget::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::gray, 1, Qt::SolidLine));
    painter.drawRect(98, 143, 199, 29);
}
