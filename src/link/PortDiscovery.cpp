#include "link/PortDiscovery.h"

#include <QFileInfo>
#include <QSocketNotifier>

#include <libudev.h>

TPortDescriptor DescribeUsbTty(const TUsbTtyProperties &usb)
{
    QString id = QStringLiteral("USB\\VID_%1&PID_%2&REV_%3")
                     .arg(usb.VendorId.toUpper(), usb.ProductId.toUpper(), usb.Revision.toUpper());
    if (usb.InterfaceCount > 1 && !usb.InterfaceNumber.isEmpty())
        id += QStringLiteral("&MI_") + usb.InterfaceNumber.toUpper();
    const QString product = usb.Product.isEmpty() ? QStringLiteral("USB serial") : usb.Product;
    return {id, product + QStringLiteral(" (") + usb.DevNode + u')'};
}

bool IsSupportedHardwareId(const QString &hardwareId)
{
    static const QStringList anywhere = {
        QStringLiteral("VID_2E3C&PID_5740"), QStringLiteral("VID_303A&PID_1001"),
        QStringLiteral("VID_0E8D&PID_0003"), QStringLiteral("VID_1E0E&PID_9011&REV_0100&MI_04"),
        QStringLiteral("VID_0483&PID_5742"), QStringLiteral("VID_1CBE&PID_0009")};
    if (hardwareId.contains(u"VID_0483&PID_5740") && hardwareId.startsWith(u"USB"))
        return true;
    for (const QString &id : anywhere) {
        if (hardwareId.contains(id))
            return true;
    }
    return false;
}

QString PortNameFromFriendlyName(const QString &friendlyName)
{
    QString name = friendlyName;
    if (name.contains(u"(COM")) {
        name.remove(0, name.indexOf(u'(') + 1);
        if (const qsizetype close = name.indexOf(u')'); close >= 0)
            name.truncate(close);
        bool ok = false;
        return name.startsWith(u"COM") && name.mid(3).toInt(&ok) >= 1 && ok ? name : QString();
    }
    // Elsewhere the bracket holds the device node.
    const qsizetype open = name.lastIndexOf(QStringLiteral("(/"));
    const qsizetype close = name.lastIndexOf(u')');
    if (open < 0 || close < open)
        return QString();
    return name.mid(open + 1, close - open - 1);
}

namespace {

QString attribute(udev_device *device, const char *name)
{
    const char *value = device ? udev_device_get_sysattr_value(device, name) : nullptr;
    return value ? QString::fromUtf8(value).trimmed() : QString();
}

} // namespace

QList<TPortDescriptor> TUdevPortEnumerator::Enumerate()
{
    QList<TPortDescriptor> ports;
    udev *context = udev_new();
    if (!context)
        return ports;
    udev_enumerate *enumeration = udev_enumerate_new(context);
    udev_enumerate_add_match_subsystem(enumeration, "tty");
    udev_enumerate_scan_devices(enumeration);
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration))
    {
        udev_device *tty = udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
        if (!tty)
            continue;
        udev_device *usbDevice =
            udev_device_get_parent_with_subsystem_devtype(tty, "usb", "usb_device");
        const char *node = udev_device_get_devnode(tty);
        if (usbDevice && node) {
            udev_device *usbInterface =
                udev_device_get_parent_with_subsystem_devtype(tty, "usb", "usb_interface");
            TUsbTtyProperties usb;
            usb.DevNode = QString::fromUtf8(node);
            usb.VendorId = attribute(usbDevice, "idVendor");
            usb.ProductId = attribute(usbDevice, "idProduct");
            usb.Revision = attribute(usbDevice, "bcdDevice");
            usb.InterfaceNumber = attribute(usbInterface, "bInterfaceNumber");
            usb.InterfaceCount = attribute(usbDevice, "bNumInterfaces").toInt();
            usb.Product = attribute(usbDevice, "product");
            ports.append(DescribeUsbTty(usb));
        }
        udev_device_unref(tty);
    }
    udev_enumerate_unref(enumeration);
    udev_unref(context);
    return ports;
}

TManualPortEnumerator::TManualPortEnumerator(const QStringList &specs)
{
    for (const QString &spec : specs) {
        const qsizetype equals = spec.indexOf(u'=');
        const QString path = equals < 0 ? spec : spec.left(equals);
        const QString id =
            equals < 0 ? QStringLiteral("USB\\VID_0483&PID_5740&REV_0200") : spec.mid(equals + 1);
        m_paths.append(path);
        m_ports.append({id, path + QStringLiteral(" (") + path + u')'});
    }
}

QList<TPortDescriptor> TManualPortEnumerator::Enumerate()
{
    QList<TPortDescriptor> present;
    for (qsizetype i = 0; i < m_ports.size(); ++i) {
        if (QFileInfo::exists(m_paths[i]))
            present.append(m_ports[i]);
    }
    return present;
}

QList<TPortDescriptor> TCombinedPortEnumerator::Enumerate()
{
    QList<TPortDescriptor> all;
    for (const auto &source : m_sources)
        all += source->Enumerate();
    return all;
}

struct TUdevMonitor::Private
{
    udev *context = nullptr;
    udev_monitor *monitor = nullptr;
};

TUdevMonitor::TUdevMonitor(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->context = udev_new();
    if (!d->context)
        return;
    d->monitor = udev_monitor_new_from_netlink(d->context, "udev");
    if (!d->monitor)
        return;
    udev_monitor_filter_add_match_subsystem_devtype(d->monitor, "tty", nullptr);
    if (udev_monitor_enable_receiving(d->monitor) < 0)
        return;
    auto *notifier =
        new QSocketNotifier(udev_monitor_get_fd(d->monitor), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        bool changed = false;
        while (udev_device *device = udev_monitor_receive_device(d->monitor)) {
            changed = true;
            udev_device_unref(device);
        }
        if (changed)
            Q_EMIT DevicesChanged();
    });
}

TUdevMonitor::~TUdevMonitor()
{
    if (d->monitor)
        udev_monitor_unref(d->monitor);
    if (d->context)
        udev_unref(d->context);
}
