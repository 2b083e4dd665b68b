#include "livefactoryreset.h"

#include "clcd_power.h"
#include "eanalysissetup.h"
#include "eanalysistab.h"
#include "eareatab.h"
#include "eareawidget.h"
#include "egeneralpage.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagemode.h"
#include "eimagepalette.h"
#include "eimagepip.h"
#include "eimagetab.h"
#include "elinetab.h"
#include "elinewidget.h"
#include "emiscpage.h"
#include "ephotospage.h"
#include "esetupwindow.h"
#include "espottab.h"
#include "espotwidget.h"
#include "etoolwidget.h"
#include "fpga.h"

#include <cstring>

namespace {
void skipped(const char *what)
{
    qWarning("factory reset: %s is not built, skipped", what);
}

FPGA *board()
{
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga)
        skipped("the board");
    return fpga;
}

EGraphicsView *view()
{
    EGraphicsView *v = EGlobal::getGraphicsView();
    if (!v)
        skipped("the live view");
    return v;
}

EToolWidget *statusBar()
{
    EToolWidget *bar = EGlobal::getToolBar();
    if (!bar)
        skipped("the status bar");
    return bar;
}

EAnalysisWidget *object(const QString &kind, int n)
{
    EGraphicsView *v = view();
    if (!v)
        return nullptr;
    EAnalysisWidget *w = nullptr;
    if (kind == QLatin1String("Spot"))
        w = v->getSpotWidget(n);
    else if (kind == QLatin1String("Area"))
        w = v->getAreaWidget(n);
    else if (kind == QLatin1String("Line"))
        w = v->getLineWidget(n);
    if (!w)
        qWarning("factory reset: %s %d is not built, skipped", qPrintable(kind), n);
    return w;
}

template <typename Page> Page *setupPage(int index, const char *name)
{
    ESetupWindow *window = EGlobal::getSetupWindow();
    Page *page = window ? dynamic_cast<Page *>(window->widget(index)) : nullptr;
    if (!page)
        skipped(name);
    return page;
}
} // namespace

void LiveFactoryReset::changeTempRange(int range)
{
    if (EAnalysisSetup *setup = EGlobal::getAnalysisSetup())
        setup->changeTempRange(range);
    else
        skipped("the measurement setup");
}

void LiveFactoryReset::setEnvTemp(float celsius)
{
    if (FPGA *fpga = board())
        fpga->setEnvTemp(celsius);
}

void LiveFactoryReset::setHumid(float fraction)
{
    if (FPGA *fpga = board())
        fpga->setHumid(fraction);
}

void LiveFactoryReset::setReflecTemp(float celsius)
{
    if (FPGA *fpga = board())
        fpga->setReflecTemp(celsius);
}

void LiveFactoryReset::setSystemTempSetup(const TempSetup &setup)
{
    if (FPGA *fpga = board())
        fpga->setSystemTempSetup(setup);
}

void LiveFactoryReset::setObjectParameters(const QString &kind, int n, const TempSetup &setup, ParaMode_t mode)
{
    if (EAnalysisWidget *w = object(kind, n)) {
        w->setTempSetup(setup);
        w->setParaMode(mode);
    }
}

void LiveFactoryReset::setSpotMode(int n, int mode)
{
    if (auto *spot = static_cast<ESpotWidget *>(object(QStringLiteral("Spot"), n)))
        spot->setMode(mode);
}

void LiveFactoryReset::showSpot(int n)
{
    if (EGraphicsView *v = view())
        v->showSpot(n, true);
}

void LiveFactoryReset::clearCurrentFocusWidget()
{
    if (EGraphicsView *v = view())
        v->clearCurrentFocusWidget();
}

void LiveFactoryReset::hideObject(const QString &kind, int n)
{
    EGraphicsView *v = view();
    if (!v)
        return;
    if (kind == QLatin1String("Spot"))
        v->hideSpot(n);
    else if (kind == QLatin1String("Area"))
        v->hideArea(n);
    else if (kind == QLatin1String("Line"))
        v->hideLine(n);
}

void LiveFactoryReset::setAreaResults(int n, bool max, bool min, bool average)
{
    if (auto *area = static_cast<EAreaWidget *>(object(QStringLiteral("Area"), n))) {
        const Area_Mode_t mode{int(max), int(min), int(average), 0};
        area->setMode(mode);
    }
}

void LiveFactoryReset::setAreaGeometry(int n, int width, int height, int x, int y)
{
    if (auto *area = static_cast<EAreaWidget *>(object(QStringLiteral("Area"), n))) {
        area->setWidth(width);
        area->setHeight(height);
        area->move(x, y, 0);
    }
}

void LiveFactoryReset::moveLine(int n, int x, int y)
{
    if (EAnalysisWidget *line = object(QStringLiteral("Line"), n))
        line->move(x, y, 0);
}

void LiveFactoryReset::readTabTicks(const QString &kind)
{
    EAnalysisTab *panel = EGlobal::getAnalysisTab();
    if (!panel) {
        skipped("the analysis panel");
        return;
    }
    EObjectTab *page = nullptr;
    if (kind == QLatin1String("Spot"))
        page = panel->spotPage();
    else if (kind == QLatin1String("Area"))
        page = panel->areaPage();
    else if (kind == QLatin1String("Line"))
        page = panel->linePage();
    if (page)
        page->readPara();
}

void LiveFactoryReset::disarmSpotAlarm(int n)
{
    if (auto *spot = static_cast<ESpotWidget *>(object(QStringLiteral("Spot"), n)))
        spot->openAlarm(false, 25.0f, 0);
}

void LiveFactoryReset::setAlarmOutput(bool on)
{
    if (FPGA *fpga = board())
        fpga->fpga_open_alarm(on);
}

void LiveFactoryReset::setImageMode(int mode)
{
    if (EGraphicsView *v = view())
        v->setImageMode(Image_Mode_t(mode));
}

void LiveFactoryReset::setStandardPalette(int index)
{
    if (FPGA *fpga = board())
        fpga->setStandardPaletteIndex(COLOR_TABLE(index));
}

void LiveFactoryReset::setLevelSpanMode(int mode)
{
    if (EGraphicsView *v = view())
        v->setLevelSpanMode(Mode_t(mode));
}

void LiveFactoryReset::readPage(const QString &page)
{
    EImageTab *popup = EGlobal::getImageTab();
    if (page == QLatin1String("Pip") || page == QLatin1String("Palette") || page == QLatin1String("Mode")) {
        if (!popup) {
            skipped("the image popup");
            return;
        }
        if (page == QLatin1String("Pip"))
            popup->pipPage()->readConfigPara();
        else if (page == QLatin1String("Palette"))
            popup->palettePage()->readConfig();
        else
            popup->modePage()->readConfigPara();
    } else if (page == QLatin1String("General")) {
        if (auto *general = setupPage<EGeneralPage>(0, "the general page"))
            general->readConfigPara();
    } else if (page == QLatin1String("Misc")) {
        if (auto *misc = setupPage<EMiscPage>(1, "the control page"))
            misc->readConfigPara();
    }
}

void LiveFactoryReset::setIsoSwitch(bool on)
{
    if (FPGA *fpga = board())
        fpga->setIsoSwitch(on);
}

void LiveFactoryReset::setIsotherm(int mode, float lower, float upper, const char *colour)
{
    FPGA *fpga = board();
    if (!fpga)
        return;
    Isotherm iso = fpga->getIsoPara();
    iso.type = mode;
    iso.lower = lower;
    iso.upper = upper;
    std::memset(iso.colour, 0, sizeof iso.colour);
    std::strncpy(iso.colour, colour, sizeof iso.colour - 1);
    fpga->setIsoPara(iso);
}

void LiveFactoryReset::clearScreen(bool cleared)
{
    if (EGraphicsView *v = view())
        v->clearScreen(cleared);
}

void LiveFactoryReset::setVideoOutputMode(int mode)
{
    if (FPGA *fpga = board())
        fpga->setADV7179Mode(mode);
}

void LiveFactoryReset::setDoublePrecision(bool on)
{
    EGlobal::setDoublePrecision(on);
}

void LiveFactoryReset::changePrecision()
{
    if (EToolWidget *bar = statusBar())
        bar->changePrecision();
}

void LiveFactoryReset::changeTempUnit(int unit)
{
    if (EToolWidget *bar = statusBar())
        bar->changeTempUnit(char(unit));
    else
        EGlobal::setSystemTempUnit(char(unit));
}

void LiveFactoryReset::setSystemLenUnit(int unit)
{
    EGlobal::setSystemLenUnit(char(unit));
}

void LiveFactoryReset::laserHandler(bool on)
{
    if (EGraphicsView *v = view())
        v->laserHandler(on);
}

void LiveFactoryReset::lampHandler(bool on)
{
    if (EToolWidget *bar = statusBar())
        bar->lampHandler(on);
}

void LiveFactoryReset::lcdPwm(int value)
{
    if (CLcd_power *lcd = EGlobal::get_LcdPower())
        lcd->lcd_pwm(value);
    else
        skipped("the backlight");
}

void LiveFactoryReset::stopIntervalCapture()
{
    if (auto *photos = setupPage<EPhotosPage>(2, "the photo page"))
        photos->repeatHandler_stop();
}
