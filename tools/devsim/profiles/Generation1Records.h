#pragma once

#include "profiles/StorageModel.h"
#include "profiles/VehicleModel.h"

#include <QByteArray>
#include <QList>

// Who a generation-1 terminal says it is.
struct Generation1Identity
{
    int type = 206;
    QByteArray deviceNumber = "204571";
    QByteArray imei = "861536030196437";
    QByteArray version = "2;5;14"; // major; minor; build
};

// What one round of monitoring records reports besides the car and the store.
struct Generation1Status
{
    qint64 deviceTime = 0; // seconds since 1970
    int uptime = 0;        // seconds since start
    int second = 0;        // seconds counted since the simulator started, for slow cycles
    quint8 outputs = 0;    // bit i: output i switched on
    int resets = 0;
};

// The ">key=value" record lines of a generation-1 terminal.
class Generation1Records
{
public:
    explicit Generation1Records(Generation1Identity identity)
        : m_identity(std::move(identity))
    {
    }

    // ">" key "=" fields joined by ";" CR LF.
    static QByteArray line(const QByteArray &key, const QList<QByteArray> &fields);

    const Generation1Identity &identity() const { return m_identity; }
    // DN, DI and MN.
    QList<QByteArray> identityLines() const;
    QByteArray typeLine() const;
    // Every monitoring record key the configurator decodes, once.
    QList<QByteArray> round(const VehicleModel &vehicle, const StorageModel &storage,
                            const Generation1Status &status) const;

private:
    Generation1Identity m_identity;
};
