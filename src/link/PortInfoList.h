#pragma once

#include "link/CommPortDriver.h"

#include <QList>
#include <QString>

class QWidget;
class TDeviceHost;
class TPortInfo;

// Every port on which a supported device was seen during the run. Entries are never removed:
// a vanished device's entry is hidden and reused when its port returns.
class TPortInfoList
{
public:
    // Tiles go into `tiles`, stacking upward from its bottom in creation order; new ports
    // listen with `waitHandler`.
    TPortInfoList(TDeviceHost *host, QWidget *tiles, TPortReceiveDataEvent waitHandler);
    ~TPortInfoList();

    int Count() const { return int(m_entries.size()); }
    TPortInfo *Get(int index) const { return m_entries.value(index); }
    int IndexByName(const QString &name) const;
    // Creates an entry for the port, opens it and makes its tile; returns its index.
    int New(const QString &portName);
    int PortCount() const;
    int IndexOfDriver(const QObject *driver) const;

private:
    TDeviceHost *m_host;
    QWidget *FControlParent;
    TPortReceiveDataEvent m_waitHandler;
    QList<TPortInfo *> m_entries;
};
