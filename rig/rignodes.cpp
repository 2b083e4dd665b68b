#define FUSE_USE_VERSION 35
#include "rignodes.h"

#include "riglog.h"
#include "simbattery.h"
#include "simboard.h"
#include "osssound.h"

#include <QDir>
#include <QFile>

#include <fuse.h>

#include <cerrno>
#include <cstring>
#include <linux/fb.h>
#include <sys/stat.h>

const char *const RigNodes::Board = "DM365-FPGA";
const char *const RigNodes::Adc = "adc";
const char *const RigNodes::Gpio = "DM365-GPIO";
const char *const RigNodes::Pwm = "DM365-PWM";
const char *const RigNodes::Sound = "dsp";
const char *const RigNodes::Mixer = "mixer";
const char *const RigNodes::Panel = "fb0";
const char *const RigNodes::Overlay = "fb2";

namespace {

// Beyond the register space and one whole frame.
constexpr off_t BoardBytes = 1 << 20;
// The ADC's sample: a charged battery, no charger (volts).
constexpr double BatteryVolts = 7.5;
constexpr double SupplyVolts = 0.0;
// Bit 0 of the mixer's device mask: the master volume.
constexpr int MasterVolumeMask = 1;

const char *const Names[] = {RigNodes::Board, RigNodes::Adc,   RigNodes::Gpio,  RigNodes::Pwm,
                             RigNodes::Sound, RigNodes::Mixer, RigNodes::Panel, RigNodes::Overlay};

RigNodes *nodes()
{
    return static_cast<RigNodes *>(fuse_get_context()->private_data);
}

// "/name" of a node, else null.
const char *nodeName(const char *path)
{
    if (!path || path[0] != '/')
        return nullptr;
    for (const char *name : Names) {
        if (std::strcmp(path + 1, name) == 0)
            return name;
    }
    return nullptr;
}

bool is(const char *name, const char *node)
{
    return name && std::strcmp(name, node) == 0;
}

int nodeGetattr(const char *path, struct stat *status, struct fuse_file_info *)
{
    std::memset(status, 0, sizeof *status);
    if (std::strcmp(path, "/") == 0) {
        status->st_mode = S_IFDIR | 0755;
        status->st_nlink = 2;
        return 0;
    }
    const char *name = nodeName(path);
    if (!name)
        return -ENOENT;
    status->st_mode = S_IFREG | 0666;
    status->st_nlink = 1;
    status->st_size = is(name, RigNodes::Board) ? BoardBytes : 0;
    return 0;
}

int nodeReaddir(const char *path, void *buffer, fuse_fill_dir_t fill, off_t, struct fuse_file_info *,
            enum fuse_readdir_flags)
{
    if (std::strcmp(path, "/") != 0)
        return -ENOENT;
    fill(buffer, ".", nullptr, 0, FUSE_FILL_DIR_PLUS);
    fill(buffer, "..", nullptr, 0, FUSE_FILL_DIR_PLUS);
    for (const char *name : Names)
        fill(buffer, name, nullptr, 0, FUSE_FILL_DIR_PLUS);
    return 0;
}

int nodeOpen(const char *path, struct fuse_file_info *file)
{
    if (!nodeName(path))
        return -ENOENT;
    // Every read and write reaches the model, at the caller's offset, as a
    // device's would; nothing is cached.
    file->direct_io = 1;
    file->keep_cache = 0;
    return 0;
}

int nodeTruncate(const char *path, off_t, struct fuse_file_info *)
{
    return nodeName(path) ? 0 : -ENOENT;
}

int nodeRead(const char *path, char *buffer, size_t size, off_t offset, struct fuse_file_info *)
{
    return nodes()->read(nodeName(path), buffer, size, offset);
}

int nodeWrite(const char *path, const char *buffer, size_t size, off_t offset, struct fuse_file_info *)
{
    return nodes()->write(nodeName(path), buffer, size, offset);
}

int nodeIoctl(const char *path, unsigned int request, void *argument, struct fuse_file_info *, unsigned int flags,
          void *data)
{
    if (flags & FUSE_IOCTL_COMPAT)
        return -ENOSYS;
    const size_t size = _IOC_SIZE(request);
    const size_t inSize = (_IOC_DIR(request) & _IOC_WRITE) ? size : 0;
    const size_t outSize = (_IOC_DIR(request) & _IOC_READ) ? size : 0;
    return nodes()->control(nodeName(path), request, argument, data, inSize, outSize);
}

QByteArray hex(unsigned long value)
{
    return "0x" + QByteArray::number(static_cast<qulonglong>(value), 16);
}

} // namespace

RigNodes::RigNodes(std::shared_ptr<SimBoard> board, const QString &logFolder, RigLog *powerLog)
    : m_board(std::move(board))
    , m_boardLog(std::make_unique<RigLog>(logFolder + QStringLiteral("/board.log")))
    , m_powerLog(powerLog)
    , m_soundLog(std::make_unique<RigLog>(logFolder + QStringLiteral("/sound.log")))
    , m_screenLog(std::make_unique<RigLog>(logFolder + QStringLiteral("/screen.log")))
{
}

RigNodes::~RigNodes()
{
    unmount();
}

bool RigNodes::mount(const QString &folder, QString *error)
{
    static const struct fuse_operations operations = [] {
        struct fuse_operations o {};
        o.getattr = nodeGetattr;
        o.readdir = nodeReaddir;
        o.open = nodeOpen;
        o.truncate = nodeTruncate;
        o.read = nodeRead;
        o.write = nodeWrite;
        o.ioctl = nodeIoctl;
        return o;
    }();
    char program[] = "device-rig";
    char option[] = "-o";
    // The program under test runs under another id than the rig's.
    char options[] = "fsname=device-rig,subtype=device-rig,allow_other";
    char *argv[] = {program, option, options, nullptr};
    struct fuse_args args = FUSE_ARGS_INIT(3, argv);
    m_fuse = fuse_new(&args, &operations, sizeof operations, this);
    if (!m_fuse) {
        *error = QStringLiteral("FUSE refused its options");
        return false;
    }
    if (fuse_mount(m_fuse, QFile::encodeName(folder).constData()) != 0) {
        fuse_destroy(m_fuse);
        m_fuse = nullptr;
        *error = QStringLiteral("cannot mount the nodes at %1 (is /dev/fuse there?)").arg(folder);
        return false;
    }
    m_thread = std::thread([fuse = m_fuse] { fuse_loop(fuse); });
    return true;
}

void RigNodes::unmount()
{
    if (!m_fuse)
        return;
    // The loop ends when the kernel closes the session.
    fuse_exit(m_fuse);
    fuse_unmount(m_fuse);
    if (m_thread.joinable())
        m_thread.join();
    fuse_destroy(m_fuse);
    m_fuse = nullptr;
}

int RigNodes::read(const char *name, char *buffer, size_t size, int64_t offset)
{
    const int length = static_cast<int>(std::min<size_t>(size, 1 << 20));
    if (is(name, Board)) {
        const int n = m_board->readAt(static_cast<uint32_t>(offset), buffer, length);
        return n < 0 ? -errno : n;
    }
    if (is(name, Adc)) {
        const QByteArray sample = SimBattery::sampleBytes(BatteryVolts, SupplyVolts);
        const int n = std::min(length, static_cast<int>(sample.size()));
        std::memcpy(buffer, sample.constData(), static_cast<size_t>(n));
        return n;
    }
    if (is(name, Sound)) {
        // A silent microphone.
        std::memset(buffer, 0, static_cast<size_t>(length));
        return length;
    }
    return name ? 0 : -ENOENT;
}

int RigNodes::write(const char *name, const char *buffer, size_t size, int64_t offset)
{
    const int length = static_cast<int>(std::min<size_t>(size, 1 << 20));
    if (is(name, Board)) {
        const int n = m_board->writeAt(static_cast<uint32_t>(offset), buffer, length);
        if (n < 0)
            return -errno;
        m_boardLog->append(hex(static_cast<unsigned long>(offset)) + ' ' + QByteArray(buffer, n).toHex());
        return n;
    }
    if (is(name, Sound))
        return length;
    return name ? -EINVAL : -ENOENT;
}

int RigNodes::control(const char *name, unsigned int request, void *argument, void *data, size_t inSize,
                      size_t outSize)
{
    if (!name)
        return -ENOENT;
    const QByteArray value = hex(reinterpret_cast<uintptr_t>(argument));
    if (is(name, Gpio) || is(name, Pwm)) {
        // Under rig-exec these never come here. Otherwise the argument is
        // the caller's address: only the request is known.
        m_powerLog->append(QByteArray(is(name, Gpio) ? "gpio " : "pwm ") + QByteArray::number(request));
        return 0;
    }
    if (is(name, Overlay)) {
        m_screenLog->append("fb2 " + hex(request) + ' ' + value);
        return 0;
    }
    int word = 0;
    if (inSize >= sizeof word && data)
        std::memcpy(&word, data, sizeof word);
    const bool answers = outSize >= sizeof word && data;
    if (is(name, Mixer)) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (request == OssSound::SOUND_MIXER_READ_DEVMASK && answers)
            word = MasterVolumeMask;
        else if (request == OssSound::SOUND_MIXER_READ_VOLUME && answers)
            word = m_volume;
        else if (request == OssSound::SOUND_MIXER_WRITE_VOLUME && answers)
            m_volume = word;
        else
            return -ENOTTY;
        m_soundLog->append("mixer " + hex(request) + ' ' + QByteArray::number(word));
        std::memcpy(data, &word, sizeof word);
        return 0;
    }
    if (is(name, Sound)) {
        if (request != OssSound::SNDCTL_DSP_SPEED && request != OssSound::SNDCTL_DSP_SETFMT
            && request != OssSound::SNDCTL_DSP_CHANNELS)
            return -ENOTTY;
        if (!answers)
            return -EINVAL;
        // Every setting is taken as asked.
        m_soundLog->append("dsp " + hex(request) + ' ' + QByteArray::number(word));
        std::memcpy(data, &word, sizeof word);
        return 0;
    }
    return -ENOTTY;
}
