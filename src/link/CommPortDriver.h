#pragma once

#include <QObject>
#include <QRecursiveMutex>

#include <functional>

class QSerialPort;
class QTimer;

enum TPortBaudRate
{
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200
};
enum TPortStopBits
{
    sb1BITS,
    sb1HALFBITS,
    sb2BITS
};
enum TPortParity
{
    ptNONE,
    ptODD,
    ptEVEN,
    ptMARK,
    ptSPACE
};
enum TPortHwHandshaking
{
    hhNONE,
    hhRTSCTS
};
enum TPortSwHandshaking
{
    shNONE,
    shXONXOFF
};

class TCommPortDriver;
// Receives one batch of bytes; the pointer is valid only during the call.
using TPortReceiveDataEvent =
    std::function<void(TCommPortDriver *sender, const char *data, int size)>;

// One serial port: opened exclusively at 115200 8N1 without flow control, polled from a timer
// on the GUI thread, written synchronously. Each poll that reads something hands the bytes to
// the receive handler, or cuts them into frames ending in EndByte when that is set.
class TCommPortDriver : public QObject
{
    Q_OBJECT

public:
    explicit TCommPortDriver(QObject *parent = nullptr);
    ~TCommPortDriver() override;

    bool Connect();
    void Disconnect();
    bool Connected() const;
    bool SendData(const char *data, qint64 size);
    bool SendString(const QByteArray &bytes) { return SendData(bytes.constData(), bytes.size()); }
    int BufferSize() const { return FOffsetBuffer; }

    QString Port() const { return FPort; }
    void SetPort(const QString &port);
    TPortBaudRate PortSpeed() const { return FPortBaudRate; }
    void SetPortSpeed(TPortBaudRate rate);
    quint8 PortDataBits() const { return FPortDataBits; }
    void SetPortDataBits(int bits);
    TPortStopBits PortStopBits() const { return FPortStopBits; }
    void SetPortStopBits(TPortStopBits bits);
    TPortParity PortParity() const { return FPortParity; }
    void SetPortParity(TPortParity parity);
    TPortHwHandshaking PortHwHandshaking() const { return FPortHwHandshaking; }
    void SetPortHwHandshaking(TPortHwHandshaking mode);
    TPortSwHandshaking PortSwHandshaking() const { return FPortSwHandshaking; }
    void SetPortSwHandshaking(TPortSwHandshaking mode);
    quint16 PortInBufSize() const { return FPortInBufSize; }
    void SetPortInBufSize(quint16 size);
    quint16 PortOutBufSize() const { return FPortOutBufSize; }
    void SetPortOutBufSize(quint16 size);
    quint16 PortPollingDelay() const { return FPortPollingDelay; }
    void SetPortPollingDelay(quint16 delayMs);
    int EndByte() const { return FEndByte; }
    void SetEndByte(int value);
    void SetOnReceiveData(TPortReceiveDataEvent handler) { FPortReceiveData = std::move(handler); }

    // Runs one poll at once (the timer does this every period).
    void Poll();

Q_SIGNALS:
    // The open port failed in a way that means the device may be gone; the port is closed.
    void PortFailed();

private:
    void ApplySettings();
    void HandleError(int error);

    QSerialPort *FSerial;
    QTimer *FPollTimer;
    QString FPort;
    TPortBaudRate FPortBaudRate = br115200;
    quint8 FPortDataBits = 8;
    TPortStopBits FPortStopBits = sb1BITS;
    TPortParity FPortParity = ptNONE;
    TPortHwHandshaking FPortHwHandshaking = hhNONE;
    TPortSwHandshaking FPortSwHandshaking = shNONE;
    quint16 FPortInBufSize = 4096;
    quint16 FPortOutBufSize = 4096;
    TPortReceiveDataEvent FPortReceiveData;
    quint16 FPortPollingDelay = 0;
    int FEndByte = -1;
    QByteArray FInBuffer;
    quint16 FOffsetBuffer = 0;
    QRecursiveMutex FCriticalSection;
};
