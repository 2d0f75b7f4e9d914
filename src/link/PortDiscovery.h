#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// One present serial device as the platform describes it.
struct TPortDescriptor
{
    QString HardwareId;   // first hardware-ID string, e.g. USB\VID_0483&PID_5740&REV_0200
    QString FriendlyName; // ends in the port in brackets, e.g. "Terminal (/dev/ttyACM0)"
};

// Yields the serial devices present now.
class TPortEnumerator
{
public:
    virtual ~TPortEnumerator() = default;
    virtual QList<TPortDescriptor> Enumerate() = 0;
};

// USB properties of a tty device, as udev reports them.
struct TUsbTtyProperties
{
    QString DevNode;         // /dev/ttyACM0
    QString VendorId;        // idVendor, four hex digits
    QString ProductId;       // idProduct
    QString Revision;        // bcdDevice
    QString InterfaceNumber; // bInterfaceNumber of the tty's interface, two hex digits
    int InterfaceCount = 1;  // bNumInterfaces of the device
    QString Product;         // product string of the device
};

// The hardware ID in the form the supported-device table uses, with "&MI_nn" for an interface
// of a composite device, and the friendly name "<product> (<node>)".
TPortDescriptor DescribeUsbTty(const TUsbTtyProperties &usb);

// True when the hardware ID names a supported terminal.
bool IsSupportedHardwareId(const QString &hardwareId);
// The port name a friendly name ends in: "COMn" on Windows, the device node elsewhere; empty
// when it has no usable bracketed port.
QString PortNameFromFriendlyName(const QString &friendlyName);

// Every tty with a USB ancestor, through libudev.
class TUdevPortEnumerator : public TPortEnumerator
{
public:
    QList<TPortDescriptor> Enumerate() override;
};

// Ports given by hand ("PATH" or "PATH=HWID"), present while PATH exists.
class TManualPortEnumerator : public TPortEnumerator
{
public:
    explicit TManualPortEnumerator(const QStringList &specs);
    QList<TPortDescriptor> Enumerate() override;

private:
    QList<TPortDescriptor> m_ports;
    QStringList m_paths;
};

// The union of several enumerators.
class TCombinedPortEnumerator : public TPortEnumerator
{
public:
    void Add(std::unique_ptr<TPortEnumerator> source) { m_sources.push_back(std::move(source)); }
    QList<TPortDescriptor> Enumerate() override;

private:
    std::vector<std::unique_ptr<TPortEnumerator>> m_sources;
};

// Watches udev for tty devices coming and going and reports it as a change of device nodes.
class TUdevMonitor : public QObject
{
    Q_OBJECT

public:
    explicit TUdevMonitor(QObject *parent = nullptr);
    ~TUdevMonitor() override;

Q_SIGNALS:
    void DevicesChanged();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
