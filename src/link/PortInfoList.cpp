#include "link/PortInfoList.h"

#include "link/CommPortDriver.h"
#include "link/DeviceHost.h"
#include "link/DrawPanel.h"
#include "link/PortInfo.h"

#include <QBoxLayout>
#include <QWidget>

TPortInfoList::TPortInfoList(TDeviceHost *host, QWidget *tiles, TPortReceiveDataEvent waitHandler)
    : m_host(host)
    , FControlParent(tiles)
    , m_waitHandler(std::move(waitHandler))
{
}

TPortInfoList::~TPortInfoList()
{
    qDeleteAll(m_entries);
}

int TPortInfoList::IndexByName(const QString &name) const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_entries[i]->PortName().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int TPortInfoList::IndexOfDriver(const QObject *driver) const
{
    for (int i = 0; i < Count(); ++i) {
        if (m_entries[i]->FCom == driver)
            return i;
    }
    return -1;
}

int TPortInfoList::PortCount() const
{
    return int(std::count_if(m_entries.cbegin(), m_entries.cend(),
                             [](const TPortInfo *entry) { return entry->Exist(); }));
}

int TPortInfoList::New(const QString &portName)
{
    const int index = Count();
    auto *entry = new TPortInfo(m_host, nullptr);
    m_entries.append(entry);
    entry->Tag = index;
    entry->FExist = true;

    entry->FCom = new TCommPortDriver(entry);
    entry->FCom->SetPort(portName);
    entry->FCom->SetOnReceiveData(m_waitHandler);
    QObject::connect(
        entry->FCom, &TCommPortDriver::PortFailed, entry->FCom, [this] { m_host->DeviceChange(7); },
        Qt::QueuedConnection);
    entry->FCom->Connect();

    auto *frame = new TTileFrame(entry, FControlParent);
    entry->FPanelO = frame;
    entry->FPanelI = new TDrawPanel(entry, m_host, frame);
    // Newer tiles stack above the older ones, all against the bottom of the bar.
    if (auto *layout = qobject_cast<QBoxLayout *>(FControlParent->layout()))
        layout->insertWidget(1, frame, 0, Qt::AlignHCenter);
    frame->show();

    entry->FPortName = portName;
    entry->setText(portName);
    entry->setToolTip(portName);
    entry->FDeviceName.clear();
    entry->UpdateStyle();
    return index;
}
