#pragma once

#include "profiles/Terminal.h"
#include "profiles/VehicleModel.h"

// A generation-2 tracker: every second one frame of each record type, in frames of
//   55 AA | type (u32 LE) | length L (u16 LE) | payload | CRC-16 of all before (LE).
// It takes no requests.
class Generation2Terminal : public Terminal
{
    Q_OBJECT

public:
    enum RecordType : quint32
    {
        Navigation = 65552,
        Time = 131073,
        Modem = 131074,
        Power = 196609,
        InputsOutputs = 2097161,
    };

    explicit Generation2Terminal(quint64 seed, QObject *parent = nullptr);

    static QByteArray frame(quint32 type, const QByteArray &payload);

    void receive(const QByteArray &) override {}
    void tick() override;

private:
    QByteArray navigation() const;
    QByteArray time() const;
    QByteArray modem() const;
    QByteArray power() const;
    QByteArray inputsOutputs() const;

    VehicleModel m_vehicle;
    int m_uptime = 0;
};
