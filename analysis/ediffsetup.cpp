#include "ediffsetup.h"

#include "esetupcombobox.h"
#include "etitle.h"

#include <QKeyEvent>
#include <QPointer>
#include <QVBoxLayout>

namespace {
QPointer<EDiffSetup> s_diffSetup;
} // namespace

EDiffSetup *EDiffSetup::instance()
{
    if (!s_diffSetup)
        s_diffSetup = new EDiffSetup(nullptr, Qt::FramelessWindowHint);
    return s_diffSetup;
}

EDiffSetup::EDiffSetup(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_title = new ETitle(this);
    m_title->setFixedHeight(24);
    m_title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *first = new ESetupComboBox(QStringLiteral("Reference 1:"), this);
    first->setText(QStringLiteral("Spot 1"));
    auto *second = new ESetupComboBox(QStringLiteral("Reference 2"), this);
    second->setText(QStringLiteral("30.0") + QChar(0x00B0) + QLatin1Char('C'));
    layout->addWidget(m_title);
    layout->addWidget(first);
    layout->addWidget(second);
    setStyleSheet(QStringLiteral(
        "QPushButton:pressed{background-color: rgb(0,255,0); border-style: inset; padding-left: 2px;}"
        "QPushButton{text-align: left; background-color: red; color: white; margin-left: 2px;}"
        "QWidget{background-color: rgb(0,0,0);}"
        "QLabel{color: rgb(255,255,255);}"
        "QLabel#Title{color: rgb(0,0,0);}"));
    connect(m_title, &ETitle::cancel, this, &EDiffSetup::cancelClicked);
}

void EDiffSetup::setDiffID(int n)
{
    m_diffId = n;
    m_title->setText(tr("Diff %1 Setting").arg(n));
}

void EDiffSetup::cancelClicked()
{
    close();
}

void EDiffSetup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        cancelClicked();
}
