#include "link/CommPortDriver.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QTimer>

#include <cstring>

namespace {

// The shortest period the platform's window timers run at; the driver polls at least this
// often apart.
constexpr int MinimumPollMs = 10;

constexpr qint32 BaudRates[] = {110,   300,   600,   1200,  2400,  4800,  9600,
                                14400, 19200, 38400, 56000, 57600, 115200};

} // namespace

TCommPortDriver::TCommPortDriver(QObject *parent)
    : QObject(parent)
    , FSerial(new QSerialPort(this))
    , FPollTimer(new QTimer(this))
    , FInBuffer(FPortInBufSize, '\0')
{
    // The poll runs every period while bytes keep coming and rests once a poll finds none, so a
    // quiet port costs no wake-ups; the first byte to arrive starts it again.
    FPollTimer->setTimerType(Qt::CoarseTimer);
    connect(FPollTimer, &QTimer::timeout, this, &TCommPortDriver::Poll);
    connect(FSerial, &QSerialPort::readyRead, this, [this] {
        if (!FPollTimer->isActive())
            FPollTimer->start(qMax<int>(FPortPollingDelay, MinimumPollMs));
    });
    connect(FSerial, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { HandleError(error); });
}

TCommPortDriver::~TCommPortDriver()
{
    Disconnect();
}

bool TCommPortDriver::Connected() const
{
    return FSerial->isOpen();
}

void TCommPortDriver::ApplySettings()
{
    if (!Connected())
        return;
    // Results are ignored: a pseudo-terminal, for one, refuses some of them.
    FSerial->setBaudRate(BaudRates[FPortBaudRate]);
    FSerial->setDataBits(QSerialPort::DataBits(FPortDataBits));
    static const QSerialPort::Parity parities[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                   QSerialPort::EvenParity, QSerialPort::MarkParity,
                                                   QSerialPort::SpaceParity};
    FSerial->setParity(parities[FPortParity]);
    static const QSerialPort::StopBits stops[] = {QSerialPort::OneStop, QSerialPort::OneAndHalfStop,
                                                  QSerialPort::TwoStop};
    FSerial->setStopBits(stops[FPortStopBits]);
    FSerial->setFlowControl(FPortHwHandshaking == hhRTSCTS    ? QSerialPort::HardwareControl
                            : FPortSwHandshaking == shXONXOFF ? QSerialPort::SoftwareControl
                                                              : QSerialPort::NoFlowControl);
    FSerial->setReadBufferSize(0);
    FSerial->setDataTerminalReady(true);
    FSerial->clearError();
}

bool TCommPortDriver::Connect()
{
    if (Connected())
        return true;
    if (FPort.isEmpty())
        return false;
    FSerial->setPortName(FPort);
    if (!FSerial->open(QIODevice::ReadWrite)) {
        FSerial->clearError();
        return false;
    }
    ApplySettings();
    FPollTimer->start(qMax<int>(FPortPollingDelay, MinimumPollMs));
    return true;
}

void TCommPortDriver::Disconnect()
{
    FPollTimer->stop();
    if (FSerial->isOpen())
        FSerial->close();
    FSerial->clearError();
}

void TCommPortDriver::HandleError(int error)
{
    // A vanished device shows up as a resource error, or (a pseudo-terminal whose other end
    // closed) as an endless stream of read errors. Close once and let the owner rescan.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
        return;
    if (!Connected())
        return;
    Disconnect();
    Q_EMIT PortFailed();
}

void TCommPortDriver::Poll()
{
    if (!Connected())
        return;
    if (FSerial->bytesAvailable() == 0) {
        FPollTimer->stop();
        return;
    }
    QMutexLocker lock(&FCriticalSection);
    const qint64 room = FPortInBufSize - FOffsetBuffer;
    const qint64 read = room > 0 ? FSerial->read(FInBuffer.data() + FOffsetBuffer, room) : 0;
    if (read <= 0 || !FPortReceiveData)
        return;
    if (FEndByte < 0) {
        FPortReceiveData(this, FInBuffer.constData(), int(read));
        return;
    }
    // Framing: hand out every complete frame, end byte included, and keep the rest.
    FOffsetBuffer += quint16(read);
    while (const void *end = std::memchr(FInBuffer.constData(), FEndByte, FOffsetBuffer)) {
        const int frame = int(static_cast<const char *>(end) - FInBuffer.constData()) + 1;
        FPortReceiveData(this, FInBuffer.constData(), frame);
        std::memmove(FInBuffer.data(), FInBuffer.constData() + frame, FOffsetBuffer - frame);
        FOffsetBuffer -= quint16(frame);
    }
}

bool TCommPortDriver::SendData(const char *data, qint64 size)
{
    QMutexLocker lock(&FCriticalSection);
    if (!Connected())
        return false;
    if (FSerial->write(data, size) != size) {
        FSerial->clear(QSerialPort::Output);
        return false;
    }
    // Synchronous, as the line's own time-outs allow: 2 ms plus 2 ms per byte.
    const int budgetMs = int(qMin<qint64>(2 + 2 * size, 60000));
    QElapsedTimer clock;
    clock.start();
    while (FSerial->bytesToWrite() > 0) {
        const int left = budgetMs - int(clock.elapsed());
        if (left <= 0 || !FSerial->waitForBytesWritten(left)) {
            FSerial->clear(QSerialPort::Output);
            return false;
        }
    }
    return true;
}

void TCommPortDriver::SetPort(const QString &port)
{
    if (!Connected())
        FPort = port;
}

void TCommPortDriver::SetPortSpeed(TPortBaudRate rate)
{
    FPortBaudRate = rate;
    ApplySettings();
}

void TCommPortDriver::SetPortDataBits(int bits)
{
    FPortDataBits = quint8(qBound(5, bits, 8));
    ApplySettings();
}

void TCommPortDriver::SetPortStopBits(TPortStopBits bits)
{
    FPortStopBits = bits;
    ApplySettings();
}

void TCommPortDriver::SetPortParity(TPortParity parity)
{
    FPortParity = parity;
    ApplySettings();
}

void TCommPortDriver::SetPortHwHandshaking(TPortHwHandshaking mode)
{
    FPortHwHandshaking = mode;
    ApplySettings();
}

void TCommPortDriver::SetPortSwHandshaking(TPortSwHandshaking mode)
{
    FPortSwHandshaking = mode;
    ApplySettings();
}

void TCommPortDriver::SetPortInBufSize(quint16 size)
{
    FPortInBufSize = size;
    FInBuffer = QByteArray(size, '\0');
    FOffsetBuffer = 0;
    ApplySettings();
}

void TCommPortDriver::SetPortOutBufSize(quint16 size)
{
    FPortOutBufSize = size;
    ApplySettings();
}

void TCommPortDriver::SetPortPollingDelay(quint16 delayMs)
{
    if (delayMs == FPortPollingDelay)
        return;
    FPortPollingDelay = delayMs;
    if (Connected())
        FPollTimer->start(qMax<int>(FPortPollingDelay, MinimumPollMs));
}

void TCommPortDriver::SetEndByte(int value)
{
    FEndByte = value < 0 ? -1 : qMin(value, 255);
}
