#include "emodifyprofile.h"

#include "modifyfactors.h"
#include "modifyprofilewindow.h"
#include "paths.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalMapper>

#include <cstdio>

namespace {
const char *const LensNames[EModifyProfile::Lenses] = {"TP1:7.5", "TP2:22", "TP3:33", "TP4:11"};
const char *const RangeTitles[EModifyProfile::Ranges] = {"-20~150 Modify", "0~400 Modify"};
} // namespace

EModifyProfile::EModifyProfile(QWidget *parent)
    : QWidget(parent)
{
    setStyleSheet(QStringLiteral("QLabel{color:white;background:transparent;margin-left:2px;}"
                                 "QLabel#Title{color:black;}"
                                 "QPushButton:pressed{background:rgb(0,255,0);}"
                                 "QPushButton:focus{background:rgb(255,0,0);}"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(2);
    m_mapper = new QSignalMapper(this);
    for (int range = 0; range < Ranges; ++range) {
        auto *title = new QLabel(QLatin1String(RangeTitles[range]), this);
        title->setObjectName(QStringLiteral("Title"));
        grid->addWidget(title, 2 * range, 0, 1, Lenses);
        for (int lens = 0; lens < Lenses; ++lens) {
            auto *button = new QPushButton(QLatin1String(LensNames[lens]), this);
            button->setFocusPolicy(Qt::NoFocus);
            grid->addWidget(button, 2 * range + 1, lens);
            connect(button, &QPushButton::clicked, m_mapper, qOverload<>(&QSignalMapper::map));
            m_mapper->setMapping(button, int(m_btnList.size()));
            m_btnList.append(button);
        }
    }
    connect(m_mapper, &QSignalMapper::mappedInt, this, &EModifyProfile::slot_showProfile);
}

EModifyProfile::~EModifyProfile()
{
    delete m_plot;
}

QString EModifyProfile::fileName(int lens, int range)
{
    return ModifyFactors::ownFileName(lens, range);
}

void EModifyProfile::readConfigPara()
{
    for (int range = 0; range < Ranges; ++range) {
        for (int lens = 0; lens < Lenses; ++lens) {
            const QString file = fileName(lens, range);
            const bool exists = QFileInfo::exists(Paths::resolve(file));
            m_btnList.at(range * Lenses + lens)->setEnabled(exists);
            if (!exists)
                std::printf("[%s, %d] %s is no exist\n", "biaoding/modify/modifyprofile", __LINE__, qPrintable(file));
        }
    }
}

void EModifyProfile::showEvent(QShowEvent *event)
{
    readConfigPara();
    QWidget::showEvent(event);
}

void EModifyProfile::slot_showProfile(int id)
{
    qWarning("show profile id:%d", id);
    if (id < 0 || id >= m_btnList.size())
        return;
    if (!m_plot) {
        m_plot = new ModifyProfileWindow(nullptr);
        m_plot->setWindowFlags(Qt::FramelessWindowHint);
        m_plot->setWindowModality(Qt::WindowModal);
    }
    const int range = id / Lenses;
    const int lens = id % Lenses;
    qWarning("range:%d", range);
    m_plot->setFile(fileName(lens, range));
    m_plot->move(0, 0);
    m_plot->show();
    m_plot->raise();
}

void EModifyProfile::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    QWidget::keyPressEvent(event);
}
