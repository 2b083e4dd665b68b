#include "emiscpage.h"

#include "brightdialog.h"
#include "brightnesssetting.h"
#include "eclosescreendialog.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "esetupcombobox.h"
#include "esetupswitch.h"
#include "eshutdowndialog.h"
#include "eshutterdialog.h"
#include "etoolwidget.h"
#include "setupsettings.h"
#include "timerchoices.h"

#include <QLabel>
#include <QVBoxLayout>

EMiscPage::EMiscPage(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    auto *title = new QLabel(tr("Misc"), this);
    title->setObjectName(QStringLiteral("Misc"));
    title->setFixedHeight(24);
    title->setAlignment(Qt::AlignCenter);

    m_lampItem = new ESetupSwitch(tr("Lamp"), this);
    m_closeScreenItem = new ESetupComboBox(tr("Screen Off"), this);
    m_closeScreenItem->setText(QStringLiteral("Off"));
    m_shutterItem = new ESetupComboBox(tr("Auto Shutter"), this);
    m_shutterItem->setText(QStringLiteral("Off"));
    m_shutdownItem = new ESetupComboBox(tr("Power Off"), this);
    m_shutdownItem->setText(QStringLiteral("Off"));
    m_brightItem = new ESetupComboBox(tr("Brightness"), this);
    m_brightItem->setText(QStringLiteral("50%"));

    layout->addWidget(title);
    layout->addWidget(m_lampItem);
    layout->addWidget(m_brightItem);
    layout->addWidget(m_shutterItem);
    layout->addWidget(m_closeScreenItem);
    layout->addWidget(m_shutdownItem);
    layout->addStretch();
    setCustomStyle();

    connect(m_lampItem, &QPushButton::clicked, this, &EMiscPage::lampHandler);
    connect(m_shutterItem, &QPushButton::clicked, this, &EMiscPage::shutterHandler);
    connect(m_closeScreenItem, &QPushButton::clicked, this, &EMiscPage::closeScreenHandler);
    connect(m_shutdownItem, &QPushButton::clicked, this, &EMiscPage::shutdownHandler);
    connect(m_brightItem, &QPushButton::clicked, this, &EMiscPage::BrightnessHandler);
    readConfigPara();
}

// The dialogs are windows of their own: they go with the page.
EMiscPage::~EMiscPage()
{
    delete m_brightDialog.data();
    delete m_shutterDialog.data();
    delete m_closeScreenDialog.data();
    delete m_shutdownDialog.data();
}

void EMiscPage::readConfigPara()
{
    m_lampItem->setOpen(SetupSettings::readString("Lamp", QStringLiteral("off")) == QLatin1String("on"));
    const TimerChoices::Choice shutter = TimerChoices::stored(TimerChoices::Shutter);
    setShutterText(shutter.index, shutter.period);
    setBrightText(QStringLiteral("%1%").arg(BrightnessSetting::percent(BrightnessSetting::stored())));
    const TimerChoices::Choice closeScreen = TimerChoices::stored(TimerChoices::CloseScreen);
    setCloseScreenText(closeScreen.index, closeScreen.period);
    const TimerChoices::Choice shutdown = TimerChoices::stored(TimerChoices::Shutdown);
    setShutdownText(shutdown.index, shutdown.period);
}

void EMiscPage::setShutterText(int index, int period)
{
    m_shutterItem->setText(TimerChoices::shortText(TimerChoices::Shutter, index));
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->shutterHandler(period != 0, period);
}

void EMiscPage::setCloseScreenText(int index, int)
{
    m_closeScreenItem->setText(TimerChoices::shortText(TimerChoices::CloseScreen, index));
}

void EMiscPage::setShutdownText(int index, int)
{
    m_shutdownItem->setText(TimerChoices::shortText(TimerChoices::Shutdown, index));
}

void EMiscPage::setBrightText(const QString &text)
{
    m_brightItem->setText(text);
}

void EMiscPage::openLamp(bool on)
{
    m_lampItem->setOpen(on);
}

void EMiscPage::lampHandler()
{
    if (EGraphicsView::setupDialogUp())
        return;
    const bool on = !m_lampItem->isOpen();
    m_lampItem->setOpen(on);
    SetupSettings::write({{"Lamp", on ? QStringLiteral("on") : QStringLiteral("off")}});
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->lampHandler(on);
}

template <class Dialog>
Dialog *EMiscPage::dialog(QPointer<Dialog> &slot, int height)
{
    if (!slot) {
        slot = new Dialog(this, nullptr, Qt::FramelessWindowHint);
        slot->setFixedSize(240, height);
        slot->move(40, 40);
    }
    return slot;
}

void EMiscPage::present(QWidget *dialog)
{
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setSetupVisibled(true);
    dialog->setVisible(false);
    dialog->setVisible(true);
}

void EMiscPage::BrightnessHandler()
{
    if (!EGraphicsView::setupDialogUp())
        present(dialog(m_brightDialog, 160));
}

void EMiscPage::shutterHandler()
{
    if (!EGraphicsView::setupDialogUp())
        present(dialog(m_shutterDialog, 188));
}

void EMiscPage::closeScreenHandler()
{
    if (!EGraphicsView::setupDialogUp())
        present(dialog(m_closeScreenDialog, 160));
}

void EMiscPage::shutdownHandler()
{
    if (!EGraphicsView::setupDialogUp())
        present(dialog(m_shutdownDialog, 160));
}

void EMiscPage::setCustomStyle()
{
    setStyleSheet(QStringLiteral(
        "QLabel#Misc{color: rgb(0,0,0); margin-left: -3px; margin-top: -3px; padding-top: -3px;"
        " background-image: url(:/images/setup_title.png);}"
        "QLabel{margin-left: 2px;}"
        "QPushButton{text-align: left; margin-left: 2px; background-color: rgb(255, 255, 255);"
        " border: 2px solid #8f8f91; border-radius: 6px;}"
        "QPushButton:pressed{background-color: rgb(1, 103, 233); margin-left: 2px;}"
        "QPushButton#Period{border-top: 0px; border-radius: 0px; border-bottom-left-radius: 6px;"
        " border-bottom-right-radius: 6px;}"
        "QPushButton#Period:pressed{background-color: rgb(1, 103, 233);}"
        "QPushButton#Switch{border-bottom: 0px; border-radius: 0px; border-top-left-radius: 6px;"
        " border-top-right-radius: 6px;}"
        "QPushButton#Switch:pressed{background-color: rgb(1, 103, 233);}"
        "QLabel#Title{margin-left: 2px;}"));
}
