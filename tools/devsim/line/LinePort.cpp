#include "line/LinePort.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString systemError(const QString &what)
{
    return what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

bool makeNonBlocking(int fd)
{
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

} // namespace

std::unique_ptr<LinePort> LinePort::openPseudoTerminal(const QString &linkPath, QString *error)
{
    termios raw{};
    cfmakeraw(&raw);
    cfsetspeed(&raw, B115200);
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, &raw, nullptr) != 0) {
        *error = systemError(QStringLiteral("openpty"));
        return nullptr;
    }
    // The slave stays raw after we close it; closing it lets the master tell (by EIO) whether
    // a client has it open.
    close(slave);
    if (!makeNonBlocking(master)) {
        *error = systemError(QStringLiteral("fcntl"));
        close(master);
        return nullptr;
    }
    const QString slavePath = QString::fromLocal8Bit(name);
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (!QFile::link(slavePath, linkPath)) {
            *error = QStringLiteral("cannot create the link %1").arg(linkPath);
            close(master);
            return nullptr;
        }
    }
    return std::unique_ptr<LinePort>(new LinePort(master, slavePath, linkPath));
}

std::unique_ptr<LinePort> LinePort::openDevice(const QString &path, QString *error)
{
    const int fd = open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        *error = systemError(path);
        return nullptr;
    }
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) {
        *error = systemError(path);
        close(fd);
        return nullptr;
    }
    cfmakeraw(&settings);
    cfsetspeed(&settings, B115200);
    settings.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS | CSIZE);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (tcsetattr(fd, TCSANOW, &settings) != 0) {
        *error = systemError(path);
        close(fd);
        return nullptr;
    }
    return std::unique_ptr<LinePort>(new LinePort(fd, path, QString()));
}

LinePort::LinePort(int fd, QString clientPath, QString linkPath)
    : m_fd(fd)
    , m_clientPath(std::move(clientPath))
    , m_linkPath(std::move(linkPath))
{
}

LinePort::~LinePort()
{
    close(m_fd);
    if (!m_linkPath.isEmpty())
        QFile::remove(m_linkPath);
}

std::optional<QByteArray> LinePort::read()
{
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
        if (count > 0) {
            bytes.append(buffer, count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return bytes;
        // EIO from a pty master with no slave open, or the end of a device.
        if (bytes.isEmpty())
            return std::nullopt;
        return bytes;
    }
}

qint64 LinePort::write(const char *data, qsizetype size)
{
    for (;;) {
        const ssize_t written = ::write(m_fd, data, size_t(size));
        if (written >= 0)
            return written;
        if (errno != EINTR)
            return -1;
    }
}
