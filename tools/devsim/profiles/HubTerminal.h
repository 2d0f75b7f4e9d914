#pragma once

#include "profiles/Faults.h"
#include "profiles/HubSensors.h"
#include "profiles/Terminal.h"
#include "protocol/HubFrames.h"

#include <array>

// The BLE sensor hub (type 250): silent until asked, one reply per request. Requests are
//   31 10 | type | arguments | CRC-8 of all before;
// replies 3E 10 | type | body of the type's fixed length, the last byte a CRC-8 of all before.
// Requests with a wrong check byte are ignored.
class HubTerminal : public Terminal
{
    Q_OBJECT

public:
    using enum HubFrames::Type;
    static constexpr int Slots = 3;
    static constexpr quint8 Success = 0x00;
    static constexpr quint8 InvalidHandle = 0xFB;

    HubTerminal(QList<FoundSensor> found, Faults &faults, QObject *parent = nullptr);

    // Whole request length for a type, arguments and check byte included; 0 when unknown.
    static int requestLength(quint8 type);

    void receive(const QByteArray &bytes) override;
    void tick() override { ++m_uptime; }

private:
    struct Slot
    {
        QByteArray address = QByteArray(6, '\0');
        quint8 networkAddress = 0;
        quint8 sensorType = 0;
        quint8 filterDepth = 8;
        quint16 topLevel = 4095;
        quint16 bottomLevel = 0;
        quint32 fullCount = 0;
        quint32 emptyCount = 0;
    };

    void answer(const QByteArray &request);
    QByteArray masterInfo() const;
    QByteArray slotSettings() const;
    QByteArray sensorState(quint8 slot) const;
    QByteArray writeSlot(const QByteArray &request);
    QByteArray writeSensor(const QByteArray &request);
    QByteArray command(const QByteArray &request);
    QByteArray search() const;
    QByteArray reply(quint8 type, const QByteArray &body) const;

    QList<FoundSensor> m_found;
    Faults &m_faults;
    std::array<Slot, Slots> m_slots;
    QByteArray m_pending;
    quint32 m_uptime = 0;
};
