#include "startup.h"

#include "atomicfile.h"
#include "calibtable.h"
#include "devicefile.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "ekeyboardfilter.h"
#include "emainwindow.h"
#include "espotwidget.h"
#include "fifowriter.h"
#include "filenamesystem.h"
#include "fpga.h"
#include "idleinterval.h"
#include "idlewatcher.h"
#include "intervals.h"
#include "lcdscreensaver.h"
#include "runningprograms.h"
#include "settingsfilecheck.h"
#include "settingssync.h"
#include "storedsettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <dirent.h>
#include <execinfo.h>
#include <fcntl.h>
#include <linux/fb.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

QByteArray g_program;
QList<QByteArray> g_arguments;

int intOr(const QSettings &s, const QString &key, int fallback)
{
    bool ok = false;
    const int v = s.value(key, fallback).toInt(&ok);
    return ok ? v : fallback;
}

double realOr(const QSettings &s, const QString &key, double fallback)
{
    bool ok = false;
    const double v = s.value(key, fallback).toDouble(&ok);
    return ok && std::isfinite(v) ? v : fallback;
}

void writeAll(const char *text, size_t length)
{
    while (length > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, text, length);
        if (n <= 0)
            return;
        text += n;
        length -= size_t(n);
    }
}

} // namespace

std::optional<std::pair<int, int>> StartUp::rangeLimits(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('~'));
    if (parts.size() != 2)
        return std::nullopt;
    const int min = parts.at(0).trimmed().toInt();
    const int max = parts.at(1).trimmed().toInt();
    if (min >= max)
        return std::nullopt;
    return std::make_pair(min, max);
}

std::optional<std::pair<int, int>> StartUp::storedRangeLimits(int range)
{
    return storedRangeLimits(StoredSettings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat), range);
}

std::optional<std::pair<int, int>> StartUp::storedRangeLimits(const QSettings &settings, int range)
{
    static const char *const defaults[] = {"-20~150", "0~400", "500~2000"};
    if (range < 0 || range > 2)
        return std::nullopt;
    return rangeLimits(settings.value(QStringLiteral("BiaoDing/TempRange%1").arg(range), QLatin1String(defaults[range])).toString());
}

void StartUp::init(EMainWindow *window)
{
    FPGA *fpga = window->fpga();
    EGraphicsView *view = window->view();
    fpga->init();
    view->updateMinMaxTemp();
    window->installKeyFilter(new EKeyboardFilter);
    window->installFilenameSystem(new FilenameSystem);

    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.setValue(QStringLiteral("Laser"), QStringLiteral("off"));
    settings.setValue(QStringLiteral("Lamp"), QStringLiteral("off"));
    SettingsSync::commit(settings, "Laser and Lamp off");

    // Installed after the key filter, so it sees each key first: the key
    // that wakes a dimmed or darkened screen ends there and never acts.
    IdleWatcher *idle = IdleWatcher::instance();
    idle->setScreenSaver(new lcdScreenSaver);
    idle->install();
    idle->setIntervalMs(storedIdleIntervalMs(6000));

    const QString output = settings.value(QStringLiteral("Output"), QStringLiteral("OFF")).toString();
    const QStringList modes{QStringLiteral("OFF"), QStringLiteral("PAL"), QStringLiteral("NTSC")};
    if (modes.contains(output))
        fpga->setADV7179Mode(int(modes.indexOf(output)));

    const int range = intOr(settings, QStringLiteral("BiaoDing/TempRange"), 0);
    if (range >= 0 && range <= 2) {
        view->setTempRange(range);
        if (const auto limits = storedRangeLimits(settings, range))
            view->setTempRangeMinMax(limits->first, limits->second);
    }

    {
        const StoredSettings mix(QStringLiteral("etc/MixOffset"), QSettings::NativeFormat);
        fpga->set_mix_zoom(intOr(mix, QStringLiteral("MIX_Zoom"), 232));
        fpga->set_mix_dx(char(intOr(mix, QStringLiteral("MIX_Dx"), 0) & 0xFF));
        fpga->set_mix_dy(char(intOr(mix, QStringLiteral("MIX_Dy"), 0) & 0xFF));
    }

    settings.beginGroup(QStringLiteral("ISO"));
    Isotherm iso = fpga->getIsoPara();
    const int isoMode = intOr(settings, QStringLiteral("Mode"), 0);
    iso.type = (isoMode >= 0 && isoMode <= 2) ? isoMode : 0;
    iso.lower = float(realOr(settings, QStringLiteral("IsoLevelMin"), 20.0));
    iso.upper = float(realOr(settings, QStringLiteral("IsoLevelMax"), 30.0));
    iso.selector = 1;
    const QByteArray colour = settings.value(QStringLiteral("Color"), QStringLiteral("Black")).toString().toLatin1().left(int(sizeof iso.colour) - 1);
    std::memset(iso.colour, 0, sizeof iso.colour);
    std::memcpy(iso.colour, colour.constData(), size_t(colour.size()));
    fpga->setIsoPara(iso);
    fpga->setIsoSwitch(intOr(settings, QStringLiteral("Switch"), 0) != 0);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("Alarm"));
    if (intOr(settings, QStringLiteral("Alarm_Switch"), 0) != 0) {
        const int target = intOr(settings, QStringLiteral("Alarm_Target"), 0);
        if (ESpotWidget *spot = view->getSpotWidget(target + 1))
            spot->openAlarm(true, float(realOr(settings, QStringLiteral("Alarm_Temp"), 25.0)), intOr(settings, QStringLiteral("Alarm_Mode"), 0));
    }
    settings.endGroup();
}

void StartUp::checkStoredFiles()
{
    SettingsFileCheck::run();
    CalibTable::removeStaleScratch(QStringLiteral("etc"));
    // The other files saved whole (settings objects and atomic writes);
    // the photos' scratch goes with the save thread's pass over their
    // folder, the thumbnails' with the first run of their threads.
    AtomicFile::removeScratchIn(QStringLiteral("Parameter"),
                                {QStringLiteral("Setting"), QStringLiteral("Modify*"), QStringLiteral("IRCorePara"),
                                 QStringLiteral("Delta")});
    for (const char *file : {"etc/MixOffset", "/root/music.wav"})
        AtomicFile::removeScratch(QLatin1String(file));
}

void StartUp::setuptrap()
{
    struct sigaction action {};
    action.sa_sigaction = &StartUp::fault_trap;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGSEGV, &action, nullptr);
    // backtrace() loads its unwinder on first use: not inside the handler.
    void *warm[1];
    ::backtrace(warm, 1);
}

void StartUp::fault_trap(int, siginfo_t *info, void *)
{
    static void *frames[1000];
    char line[64] = "ostrel Fault address:0x";
    size_t length = std::strlen(line);
    const uintptr_t address = reinterpret_cast<uintptr_t>(info ? info->si_addr : nullptr);
    for (int shift = int(sizeof address * 8) - 4; shift >= 0; shift -= 4)
        line[length++] = "0123456789ABCDEF"[(address >> shift) & 0xF];
    line[length++] = '\n';
    writeAll(line, length);
    const int count = ::backtrace(frames, 1000);
    ::backtrace_symbols_fd(frames, count, STDOUT_FILENO);
    ::_exit(1);
}

bool StartUp::waitForUpdateWizard()
{
    const QString wizard = QFileInfo(QString::fromLatin1(EKeyboardFilter::updateWizard())).fileName();
    return RunningPrograms::waitUntilGone(wizard, Intervals::ms(WizardLeaveMs));
}

void StartUp::blankFramebuffer()
{
    DeviceFile fb(QString::fromLatin1(BlankedFramebuffer));
    if (!fb.open(O_RDWR))
        return;
    fb.control(FBIOBLANK, reinterpret_cast<void *>(1));
}

bool StartUp::startCapture()
{
    const FifoWriter::Result result = FifoWriter::write(QStringLiteral("/tmp/service_ir"), QByteArrayLiteral("capture start"));
    if (result != FifoWriter::Written)
        qWarning("capture start: %s", FifoWriter::describe(result));
    return result == FifoWriter::Written;
}

void StartUp::rememberProgram(int argc, char **argv)
{
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    g_program = n > 0 ? QByteArray(self, int(n)) : QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath().toLocal8Bit();
    g_arguments.clear();
    for (int i = 0; i < argc; ++i)
        g_arguments.append(QByteArray(argv[i]));
}

void StartUp::restart()
{
    if (g_program.isEmpty())
        return;
    std::vector<char *> args;
    for (QByteArray &a : g_arguments)
        args.push_back(a.data());
    args.push_back(nullptr);
    // Nothing but the standard streams crosses into the new copy.
    if (DIR *dir = ::opendir("/proc/self/fd")) {
        const int own = ::dirfd(dir);
        std::vector<int> open;
        while (dirent *entry = ::readdir(dir)) {
            const int fd = std::atoi(entry->d_name);
            if (fd > 2 && fd != own)
                open.push_back(fd);
        }
        ::closedir(dir);
        for (int fd : open)
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    std::fflush(nullptr);
    ::execv(g_program.constData(), args.data());
}
