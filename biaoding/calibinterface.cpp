#include "calibinterface.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "fpga.h"
#include "ircorelink.h"
#include "ircoremainwindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CalibInterface::CalibInterface(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(QStringLiteral("CalibInterface"));
    setFixedSize(320, 224);
    setStyleSheet(QStringLiteral("CalibInterface{background:#202830;}"
                                 "QPushButton{color:white;background:#30506c;border:1px solid #8fb0cc;}"
                                 "QPushButton:pressed{background:#4a78a0;}"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(20, 20, 20, 20);
    grid->setSpacing(14);
    const QStringList names = itemNames();
    for (int i = 0; i < names.size(); ++i) {
        auto *button = new QPushButton(names.at(i), this);
        button->setObjectName(names.at(i));
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        const QString name = names.at(i);
        connect(button, &QPushButton::clicked, this, [this, name] { mouseClicked(name); });
        grid->addWidget(button, i / 2, i % 2);
    }
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Note"));
    m_note->setAlignment(Qt::AlignCenter);
    m_note->hide();
    grid->addWidget(m_note, names.size() / 2, 0, 1, 2);
}

QStringList CalibInterface::itemNames()
{
    return {QStringLiteral("Calib"), QStringLiteral("Modify"), QStringLiteral("IR Core"),
            QStringLiteral("P/N"), QStringLiteral("Mix"), QStringLiteral("Settings")};
}

QPushButton *CalibInterface::item(const QString &name) const
{
    return findChild<QPushButton *>(name);
}

void CalibInterface::mouseClicked(const QString &name)
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (!view || !itemNames().contains(name))
        return;
    m_note->hide();
    hide();
    if (name == QLatin1String("IR Core")) {
        openCoreWindow();
        return;
    }
    static const QHash<QString, int> pages{{QStringLiteral("Calib"), 1}, {QStringLiteral("Modify"), 2},
                                           {QStringLiteral("P/N"), 4}, {QStringLiteral("Mix"), 5},
                                           {QStringLiteral("Settings"), 6}};
    view->calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_TYPE(pages.value(name)), true);
}

void CalibInterface::openCoreWindow()
{
    // The core's own bus replaces our serial line while the window is up.
    if (!IRCoreLink::open()) {
        m_note->setText(QStringLiteral("IR Core open failed!"));
        m_note->show();
        show();
        return;
    }
    IRCoreMainWindow *window = EGlobal::getIRCoreMainWindow();
    if (!window)
        window = new IRCoreMainWindow(this, nullptr, Qt::WindowFlags());
    window->setGeometry(0, 0, 320, 240);
    window->show();
    window->raise();
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->clearScreen(true);
}
