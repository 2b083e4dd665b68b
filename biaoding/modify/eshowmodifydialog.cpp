#include "eshowmodifydialog.h"

#include "eglobal.h"
#include "fpga.h"
#include "inifileedit.h"
#include "modifyfactors.h"
#include "myitemedit.h"
#include "mykeyboard.h"
#include "padplacement.h"
#include "storedsettings.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>

#include <cstdio>

namespace {
const char *const SettingFile = "Parameter/Setting";
const QString KeyPrefix = QStringLiteral("Averg_");

QString factorText(float f)
{
    return QString::asprintf("%4.4f", double(f));
}
} // namespace

EShowModifyDialog::EShowModifyDialog(QWidget *parent)
    : QDialog(parent)
{
    // A title and "1.0000" side by side in a third of the panel.
    QFont font = QApplication::font();
    font.setPointSize(11);
    setFont(font);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setVerticalSpacing(2);
    m_title = new QLabel(this);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setFont(QFont(font.family(), 10));
    m_title->setFixedHeight(16);
    grid->addWidget(m_title, 0, 0, 1, 3);
    for (int i = 0; i < RowsPerPage; ++i) {
        auto *row = new MyItemEdit(QString::number(i), i, this);
        row->setFixedHeight(28);
        grid->addWidget(row, 1 + i / 3, i % 3);
        m_rows.append(row);
        connect(row, &MyItemEdit::sign_pressed, this, &EShowModifyDialog::slot_showKeyboard);
    }
    m_btnPrev = new QPushButton(tr("Prev"), this);
    m_btnNext = new QPushButton(tr("Next"), this);
    for (QPushButton *b : {m_btnPrev, m_btnNext})
        b->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(m_btnPrev, 8, 0);
    grid->addWidget(m_btnNext, 8, 2);
    connect(m_btnPrev, &QPushButton::clicked, this, &EShowModifyDialog::slot_clickedPrev);
    connect(m_btnNext, &QPushButton::clicked, this, &EShowModifyDialog::slot_clickedNext);

    m_keyboard = new MyKeyboard(nullptr);
    connect(m_keyboard, qOverload<int, const QString &>(&MyKeyboard::sign_sndEdit), this,
            qOverload<int, const QString &>(&EShowModifyDialog::slot_showEdit));
    connect(m_keyboard, qOverload<const QString &>(&MyKeyboard::sign_sndEdit), this,
            qOverload<const QString &>(&EShowModifyDialog::slot_showEdit));
}

EShowModifyDialog::~EShowModifyDialog()
{
    delete m_keyboard;
}

bool EShowModifyDialog::isFactorText(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^(\\d+(\\.\\d*)?|\\.\\d+)$"));
    if (!decimal.match(text).hasMatch())
        return false;
    const double f = text.toDouble();
    return f > 0.1 && f < 3.0;
}

EShowModifyDialog::Target EShowModifyDialog::target() const
{
    Target t;
    {
        StoredSettings settings(QLatin1String(SettingFile), QSettings::NativeFormat);
        t.range = settings.value(QStringLiteral("BiaoDing/TempRange"), 0).toInt();
    }
    FPGA *fpga = EGlobal::getFPGA();
    t.lens = fpga ? fpga->fpga_read_lenIndex() : 0;
    if (t.lens == NoLens)
        return t;
    t.file = ModifyFactors::ownFileName(t.lens, t.range);
    qWarning("para name:%s", qPrintable(t.file));
    // Read as the library reads it: the own file, else the fallback.
    ModifyFactors used;
    t.used = used.updateModify(t.lens, t.range);
    for (int k = 0; k < ModifyFactors::Count; ++k)
        t.factors[k] = used.factor(k);
    return t;
}

void EShowModifyDialog::showEvent(QShowEvent *event)
{
    readConfigPara();
    QDialog::showEvent(event);
}

void EShowModifyDialog::readConfigPara()
{
    pageHandler(m_curPage);
}

void EShowModifyDialog::pageHandler(int page)
{
    std::printf("=======page:%d\n", page);
    m_btnPrev->setEnabled(m_curPage != 0);
    m_btnNext->setEnabled(m_curPage != LastPage);
    const Target t = target();
    const bool noLens = t.lens == NoLens;
    if (noLens)
        m_title->setText(QStringLiteral("No Lens!"));
    else if (t.used != t.file)
        m_title->setText(QStringLiteral("%1 (fallback: %2)").arg(t.file, t.used));
    else
        m_title->setText(t.file);
    for (int i = 0; i < RowsPerPage; ++i) {
        MyItemEdit *row = m_rows.at(i);
        const int k = RowsPerPage * page + i;
        if (k >= ModifyFactors::Count) {
            row->hide();
            continue;
        }
        row->setTitle(ModifyFactors::keyOf(k).mid(KeyPrefix.size()));
        row->setText(noLens ? QString() : factorText(t.factors[k]));
        row->setEnabled(!noLens);
        row->show();
    }
}

void EShowModifyDialog::slot_clickedPrev()
{
    if (m_curPage > 0)
        --m_curPage;
    pageHandler(m_curPage);
}

void EShowModifyDialog::slot_clickedNext()
{
    if (m_curPage <= LastPage - 1)
        ++m_curPage;
    pageHandler(m_curPage);
}

void EShowModifyDialog::slot_showKeyboard(int id)
{
    MyItemEdit *row = m_rows.value(id);
    PadPlacement::show(m_keyboard);
    m_keyboard->setCurrentText(row ? row->text() : QString());
    m_keyboard->setCurrentID(id);
}

void EShowModifyDialog::slot_showEdit(const QString &text)
{
    if (text == QLatin1String("KeyOut"))
        m_keyboard->hide();
}

bool EShowModifyDialog::store(const Target &t, int index, const QString &text)
{
    IniFileEdit::Values values;
    // A file of its own with one key would make the library spread that
    // factor over every temperature: a file without factors (missing or
    // empty) starts with all factors in use.
    ModifyFactors own;
    own.load(t.file);
    if (own.givenCount() == 0) {
        for (int k = 0; k < ModifyFactors::Count; ++k) {
            if (k != index)
                values.append({ModifyFactors::keyOf(k), factorText(t.factors[k])});
        }
    }
    values.append({ModifyFactors::keyOf(index), text});
    return IniFileEdit::apply(t.file, values);
}

void EShowModifyDialog::slot_showEdit(int id, const QString &text)
{
    qDebug() << "Get Keyboard Data:" << text << "current ID:" << id;
    m_keyboard->hide();
    if (text == QLatin1String("KeyOut") || id < 0 || id >= m_rows.size())
        return;
    MyItemEdit *row = m_rows.at(id);
    if (text == row->text())
        return;
    const Target t = target();
    if (t.lens == NoLens)
        return;
    if (!isFactorText(text)) {
        m_title->setText(QStringLiteral("Invalid factor: 0.1 < f < 3.0"));
        return;
    }
    const int index = RowsPerPage * m_curPage + id;
    if (!store(t, index, text)) {
        m_title->setText(QStringLiteral("Write failed!"));
        return;
    }
    m_written = true;
    pageHandler(m_curPage);
    row->setText(text);
}

void EShowModifyDialog::keyPressEvent(QKeyEvent *event)
{
    qWarning("clsoe");
    if (event->key() != Qt::Key_Escape)
        return;
    close();
    if (!m_written)
        return;
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga)
        return;
    int range = 0;
    {
        StoredSettings settings(QLatin1String(SettingFile), QSettings::NativeFormat);
        range = settings.value(QStringLiteral("BiaoDing/TempRange"), 0).toInt();
    }
    fpga->updateModify(fpga->fpga_read_lenIndex(), range);
}
