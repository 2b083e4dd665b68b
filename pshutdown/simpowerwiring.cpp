#include "simpowerwiring.h"

#include "clcd_power.h"
#include "ebattery.h"
#include "etoolwidget.h"
#include "eglobal.h"
#include "epcsprogrammer.h"
#include "eupdateepcsinterface.h"
#include "intervals.h"
#include "paths.h"
#include "poweroff.h"
#include "simbattery.h"
#include "simpowerdevice.h"
#include "simscreen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {
bool writeIfMissing(const QString &systemPath, const QByteArray &contents)
{
    const QString path = Paths::resolve(systemPath);
    if (QFileInfo::exists(path))
        return true;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}
} // namespace

SimPowerWiring *SimPowerWiring::install(SimScreen *screen)
{
    return new SimPowerWiring(screen);
}

SimPowerWiring::SimPowerWiring(SimScreen *screen)
    : QObject(screen)
    , m_screen(screen)
    , m_device(std::make_shared<SimPowerDevice>())
    , m_battery(std::make_shared<SimBattery>())
{
    SimPowerDevice::install(m_device);
    // A battery the user can drain by editing the file: "volts supply".
    writeIfMissing(QString::fromLatin1(batteryFile()), "7.9 0\n");
    m_battery->setFile(QString::fromLatin1(batteryFile()));
    SimBattery::install(m_battery);
    prepareCard();

    m_lcd = std::make_unique<CLcd_power>();
    EGlobal::set_LcdPower(m_lcd.get());
    connect(m_device.get(), &SimPowerDevice::linesChanged, this, &SimPowerWiring::showPanel);
    showPanel();

    connect(PowerOff::instance(), &PowerOff::finished, this, [this] {
        if (m_quit)
            QTimer::singleShot(Intervals::ms(1500), QCoreApplication::instance(), &QCoreApplication::quit);
    });
}

SimPowerWiring::~SimPowerWiring()
{
    if (EGlobal::get_LcdPower() == m_lcd.get())
        EGlobal::set_LcdPower(nullptr);
    SimBattery::install(nullptr);
    SimPowerDevice::install(nullptr);
}

EBattery *SimPowerWiring::gauge()
{
    EToolWidget *bar = EGlobal::getToolBar();
    return bar ? bar->battery() : nullptr;
}

// A design image on the simulated card, so the flash update has something
// to program: a header and 2048 pages of a recognisable pattern.
void SimPowerWiring::prepareCard()
{
    QByteArray image(int(EpcsProgrammer::ImageOffset) + EpcsProgrammer::DataBytes, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char((i * 13 + i / 4096) & 0xFF);
    writeIfMissing(QString::fromLatin1(EUpdateEPCSInterface::imagePath()), image);
}

void SimPowerWiring::showPanel()
{
    m_screen->setBacklight(m_device->backlight());
    m_screen->setPanelOn(m_device->panelOn() && !m_device->powerCut());
}
