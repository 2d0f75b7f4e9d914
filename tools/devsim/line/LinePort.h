#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// The file descriptor of the simulator's end of the serial line: the master side of a
// pseudo-terminal pair, or an existing serial device. Non-blocking; closed on destruction.
class LinePort
{
public:
    // A new pseudo-terminal in raw mode; linkPath, when not empty, becomes a symlink to its
    // slave side (removed again on destruction).
    static std::unique_ptr<LinePort> openPseudoTerminal(const QString &linkPath, QString *error);
    // An existing device, set to 115200 bit/s, 8N1, raw, no flow control.
    static std::unique_ptr<LinePort> openDevice(const QString &path, QString *error);

    ~LinePort();
    LinePort(const LinePort &) = delete;
    LinePort &operator=(const LinePort &) = delete;

    int fd() const { return m_fd; }
    // The path a client opens: the slave of the pair, or the device itself.
    QString clientPath() const { return m_clientPath; }

    // What is waiting (possibly nothing), or nullopt when nobody is on the other end: a pty
    // master reads EIO while no process has the slave open.
    std::optional<QByteArray> read();
    // Bytes taken, or -1 when the line takes nothing now.
    qint64 write(const char *data, qsizetype size);

private:
    LinePort(int fd, QString clientPath, QString linkPath);

    int m_fd;
    QString m_clientPath;
    QString m_linkPath;
};
