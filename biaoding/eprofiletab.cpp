#include "eprofiletab.h"

#include "calibfit.h"
#include "calibrationfile.h"
#include "calibtable.h"
#include "centredquestion.h"
#include "ecomboboxitem.h"
#include "paths.h"
#include "profilewindow.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalMapper>

#include <cstdio>

namespace {

const char *const s_lenses[] = {"TP1:7.5", "TP2:22", "TP3:33", "TP4:11"};
const char *const s_ranges[] = {"-20~150", "0~400"};
// The height the rows of the titles and the table buttons leave each
// selector on the settings window's page (one 24-pixel choice and arrows).
const int SelectorHeight = 28;

} // namespace

EProfileTab::EProfileTab(QWidget *parent)
    : QWidget(parent)
    , m_mapper(new QSignalMapper(this))
{
    qWarning("profile tab :%p", static_cast<void *>(parent));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(2);
    QStringList lenses;
    for (const char *lens : s_lenses)
        lenses << QLatin1String(lens);
    for (int range = 0; range < 2; ++range) {
        auto *title = new QLabel(QLatin1String(s_ranges[range]), this);
        title->setObjectName(QStringLiteral("Title"));
        grid->addWidget(title, range * 2, 0, 1, 4);
        for (int lens = 0; lens < 4; ++lens) {
            auto *button = new QPushButton(lenses.at(lens), this);
            button->setFocusPolicy(Qt::NoFocus);
            grid->addWidget(button, range * 2 + 1, lens);
            m_tables.append(button);
            connect(button, &QPushButton::clicked, m_mapper, qOverload<>(&QSignalMapper::map));
            m_mapper->setMapping(button, range * 4 + lens);
        }
    }
    connect(m_mapper, &QSignalMapper::mappedInt, this, &EProfileTab::slot_showProfile);

    m_remove = new QPushButton(QStringLiteral("remove"), this);
    m_generate = new QPushButton(QStringLiteral("Generate"), this);
    for (QPushButton *b : {m_remove, m_generate})
        b->setFocusPolicy(Qt::NoFocus);
    connect(m_generate, &QPushButton::clicked, this, &EProfileTab::slot_generateProfile);
    connect(m_remove, &QPushButton::clicked, this, &EProfileTab::slot_removeProfile);
    m_range = new EComboBoxItem({QLatin1String(s_ranges[0]), QLatin1String(s_ranges[1])}, this);
    m_lens = new EComboBoxItem(lenses, this);
    for (EComboBoxItem *selector : {m_range, m_lens}) {
        selector->setEnableLongPress(false);
        selector->setCurrentIndex(0);
        // The tab's page is too low for two 48-pixel rows under the grid.
        selector->setRowHeight(SelectorHeight);
    }
    grid->addWidget(m_remove, 4, 0);
    grid->addWidget(m_range, 4, 1, 1, 3);
    grid->addWidget(m_generate, 5, 0);
    grid->addWidget(m_lens, 5, 1, 1, 3);
    grid->setRowStretch(6, 1);

    setStyleSheet(QStringLiteral("QLabel{color:white;background:transparent;margin-left:2px;}"
                                 "QLabel#Title{color:black;}"
                                 "QPushButton:pressed{background-color:rgb(0, 255, 0);}"
                                 "QPushButton:focus{background-color:rgb(255, 0, 0);}"));
}

EProfileTab::~EProfileTab()
{
    // The plot is a window of its own: it goes with the tab rather than
    // stay on the screen with nobody to close it.
    delete m_window;
}

void EProfileTab::showEvent(QShowEvent *event)
{
    readConfigPara();
    QWidget::showEvent(event);
}

void EProfileTab::readConfigPara()
{
    for (int range = 0; range < 2; ++range) {
        for (int lens = 0; lens < 4; ++lens) {
            const QString name = CalibrationFile::tablePath(lens, range);
            QPushButton *button = m_tables.at(range * 4 + lens);
            if (!QFileInfo::exists(Paths::resolve(name))) {
                std::printf("[%s, %d] %s is no exist\n", "biaoding/profiletab", __LINE__, qPrintable(name));
                button->setEnabled(false);
                continue;
            }
            CalibTable table;
            table.load(name);
            button->setEnabled(table.rowCount() >= 2);
        }
    }
}

ProfileWindow *EProfileTab::window()
{
    if (!m_window) {
        m_window = new ProfileWindow(nullptr);
        m_window->setWindowFlags(Qt::FramelessWindowHint);
        m_window->setWindowModality(Qt::WindowModal);
        m_window->move(0, 0);
        connect(m_window, &ProfileWindow::signal_save, this, &EProfileTab::slot_save_handler);
    }
    return m_window;
}

void EProfileTab::slot_showProfile(int id)
{
    qWarning("show profile id:%d", id);
    ProfileWindow *plot = window();
    plot->setFile(CalibrationFile::tablePath(id % 4, id / 4));
    plot->show();
    plot->raise();
}

void EProfileTab::slot_generateProfile()
{
    qWarning("slot generate profile");
    const int range = m_range->currentIndex();
    const int lens = m_lens->currentIndex();
    if (range == 0)
        generateTemp0BiaoDingTable(range, lens);
    else
        generateTemp1BiaoDingTable(range, lens);
}

void EProfileTab::generateTemp0BiaoDingTable(int range, int lens)
{
    generate(range, lens);
}

void EProfileTab::generateTemp1BiaoDingTable(int range, int lens)
{
    generate(range, lens);
}

void EProfileTab::generate(int range, int lens)
{
    const QString sourceName = CalibrationFile::tablePath(lens, range);
    CalibTable source;
    source.load(sourceName);
    // Both ranges fit only from points the table really holds.
    const QString missing = CalibFit::missingText(source, range);
    if (!missing.isEmpty()) {
        CentredQuestion::ask(missing);
        return;
    }
    const QString generatedName = CalibFit::generatedPath(lens, range);
    CalibTable generated = CalibFit::generate(source, range);
    if (!generated.save(generatedName)) {
        qWarning("%s", qPrintable(generated.errorString()));
        CentredQuestion::ask(QStringLiteral("Save failed!"));
        return;
    }
    ProfileWindow *plot = window();
    plot->setFile(generatedName);
    plot->setFile2(sourceName);
    plot->show();
    plot->raise();
}

void EProfileTab::slot_removeProfile()
{
    qWarning("slot remove profile");
    const int range = m_range->currentIndex();
    const int lens = m_lens->currentIndex();
    const QString name = CalibrationFile::tablePath(lens, range);
    if (CentredQuestion::askYes(QStringLiteral("remove ") + name + QLatin1Char('?')))
        removeBiaoDingTable(range, lens);
}

void EProfileTab::removeBiaoDingTable(int range, int lens)
{
    const QString name = CalibrationFile::tablePath(lens, range);
    QFile file(Paths::resolve(name));
    if (file.exists() && !file.remove())
        qWarning("remove %s failed: %s", qPrintable(name), qPrintable(file.errorString()));
    readConfigPara();
}

void EProfileTab::slot_save_handler()
{
    Q_EMIT sign_tableSaved();
}
