#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

// A pseudo-terminal standing in for a terminal on a serial line: the program opens the slave
// path as its serial port, the test talks through the master.
class PtyPair
{
public:
    PtyPair()
    {
        char name[128] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            return;
        termios raw{};
        tcgetattr(m_slave, &raw);
        cfmakeraw(&raw);
        tcsetattr(m_slave, TCSANOW, &raw);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
        m_path = QString::fromLocal8Bit(name);
    }
    ~PtyPair()
    {
        CloseMaster();
        if (m_slave >= 0)
            ::close(m_slave);
    }
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool IsOpen() const { return m_master >= 0; }
    QString Path() const { return m_path; }

    // What the terminal sends.
    bool Send(const QByteArray &bytes)
    {
        return ::write(m_master, bytes.constData(), bytes.size()) == bytes.size();
    }

    // What the program wrote, collected until `expected` bytes or `timeoutMs` passed; events
    // are processed meanwhile.
    QByteArray Receive(int expected, int timeoutMs = 2000)
    {
        QByteArray got;
        QElapsedTimer clock;
        clock.start();
        while (got.size() < expected && clock.elapsed() < timeoutMs) {
            char buffer[4096];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, n);
            else
                QTest::qWait(5);
        }
        return got;
    }

    // Everything the program wrote so far.
    QByteArray Drain() { return Receive(1 << 30, 100); }

    // The terminal goes away.
    void CloseMaster()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};
