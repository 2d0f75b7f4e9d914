#pragma once

#include "link/PortDiscovery.h"
#include "support/PtyPair.h"

// The platform's device list, as a test sets it: pseudo-terminals plugged in and out.
class FakePorts : public TPortEnumerator
{
public:
    static inline const QString TerminalId = QStringLiteral("USB\\VID_0483&PID_5740&REV_0200");

    void Plug(const PtyPair &pty, const QString &id = TerminalId)
    {
        ports.append({id, QStringLiteral("Terminal (") + pty.Path() + u')'});
    }
    void Unplug(const PtyPair &pty)
    {
        ports.removeIf([&pty](const TPortDescriptor &port) {
            return port.FriendlyName.contains(pty.Path());
        });
    }
    QList<TPortDescriptor> Enumerate() override
    {
        ++calls;
        return ports;
    }

    QList<TPortDescriptor> ports;
    int calls = 0;
};
