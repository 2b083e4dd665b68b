#pragma once

#include "../libtherma/frontfixture.h"
#include "clcd_power.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "etoolwidget.h"
#include "simpowerdevice.h"

#include <QSettings>

#include <memory>

// A setup page's world: the simulated board behind the one FPGA, the
// simulated power nodes behind the one CLcd_power, and the live view with
// its status bar, in a fresh root whose settings file the test writes.
struct SetupFixture
{
    explicit SetupFixture(const QByteArray &settings = QByteArray())
    {
        if (!settings.isEmpty())
            front.settings(settings);
        SimPowerDevice::install(device);
        lcd = std::make_unique<CLcd_power>();
        EGlobal::set_LcdPower(lcd.get());
        EGlobal::setFPGA(&front.start());
        view = std::make_unique<EGraphicsView>();
    }
    ~SetupFixture()
    {
        view.reset();
        EGlobal::setFPGA(nullptr);
        EGlobal::set_LcdPower(nullptr);
        lcd.reset();
        SimPowerDevice::install(nullptr);
    }

    EToolWidget *bar() const { return view->toolBar(); }
    static QVariant stored(const char *key)
    {
        return QSettings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat).value(QLatin1String(key));
    }
    // The backlight values sent since the last clear, in order.
    QList<int> backlights() const
    {
        QList<int> values;
        for (const SimPowerDevice::Event &event : device->events())
            if (!event.sync && event.node == PowerDevice::Pwm && event.request == SimPowerDevice::PwmBacklight)
                values << event.argument;
        return values;
    }

    FrontFixture front{false};
    std::shared_ptr<SimPowerDevice> device = std::make_shared<SimPowerDevice>();
    std::unique_ptr<CLcd_power> lcd;
    std::unique_ptr<EGraphicsView> view;
};
