#pragma once

#include <QByteArray>
#include <QString>

// A device node opened under the path root and kept open by its owner
// (GPIO, PWM, battery ADC, RTC, card and USB detect, framebuffer). On the
// simulator the node is a plain file or a FIFO that tests write and read.
class DeviceFile
{
public:
    DeviceFile() = default;
    explicit DeviceFile(const QString &path) : m_path(path) {}
    ~DeviceFile();
    DeviceFile(const DeviceFile &) = delete;
    DeviceFile &operator=(const DeviceFile &) = delete;

    void setPath(const QString &path);
    QString path() const { return m_path; }

    // flags as for open(2); O_CLOEXEC is always added.
    bool open(int flags);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    // Reads at most maxBytes from offset 0 (positioned, so several readers
    // never share a file position); empty on failure.
    QByteArray readAt(qint64 offset, int maxBytes) const;
    bool writeAt(qint64 offset, const QByteArray &data) const;
    // Plain stream read/write for character devices.
    QByteArray read(int maxBytes) const;
    bool write(const QByteArray &data) const;
    // ioctl with a pointer argument; false on failure.
    bool control(unsigned long request, void *argument) const;
    // The same request, giving the driver's own result (0 or more), or -1.
    int controlResult(unsigned long request, void *argument) const;

    // Whole small file (sysfs-style values): at most maxBytes, or empty.
    static QByteArray readSmallFile(const QString &path, int maxBytes = 4096);

private:
    QString m_path;
    int m_fd = -1;
};
