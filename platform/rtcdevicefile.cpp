#include "rtcdevicefile.h"

#include "devicefile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>

bool RtcDeviceFile::read(RtcRecord *record)
{
    return call(GetDateTime, record, "X1205_CMD_GETDATETIME");
}

bool RtcDeviceFile::write(const RtcRecord &record)
{
    RtcRecord copy = record;
    return call(SetDateTime, &copy, "X1205_CMD_SETDATETIME");
}

bool RtcDeviceFile::call(unsigned long request, RtcRecord *record, const char *requestName)
{
    DeviceFile node(QString::fromLatin1(path()));
    if (!node.open(O_RDWR)) {
        std::printf("open %s is failed !\n", path());
        std::fflush(stdout);
        return false;
    }
    // Requests 0 and 2 mean something else to a plain file (2 is the file
    // system's block-size query, which succeeds and scribbles on the record):
    // only a character device is the clock.
    struct stat status{};
    const bool isDevice = ::fstat(node.fd(), &status) == 0 && S_ISCHR(status.st_mode);
    const bool ok = isDevice && node.controlResult(request, record) >= 0;
    if (!ok) {
        std::printf("ioctl %s is failed !\n", requestName);
        std::fflush(stdout);
    }
    node.close();
    return ok;
}
