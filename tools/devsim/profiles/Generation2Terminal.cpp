#include "profiles/Generation2Terminal.h"

#include "protocol/MyTypes.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>

namespace {

// Little-endian payload writer.
class Payload
{
public:
    Payload()
        : m_stream(&m_bytes, QIODevice::WriteOnly)
    {
        m_stream.setByteOrder(QDataStream::LittleEndian);
        m_stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    }

    Payload &u8(int value) { return put(quint8(value)); }
    Payload &u16(int value) { return put(quint16(value)); }
    Payload &u32(qint64 value) { return put(quint32(value)); }
    Payload &f32(double value) { return put(float(value)); }
    QByteArray bytes() const { return m_bytes; }

private:
    template <typename T>
    Payload &put(T value)
    {
        m_stream << value;
        return *this;
    }

    QByteArray m_bytes;
    QDataStream m_stream;
};

} // namespace

Generation2Terminal::Generation2Terminal(quint64 seed, QObject *parent)
    : Terminal(parent)
    , m_vehicle(seed)
{
}

QByteArray Generation2Terminal::frame(quint32 type, const QByteArray &payload)
{
    QByteArray bytes = QByteArray::fromHex("55AA") +
                       Payload().u32(type).u16(int(payload.size())).bytes() + payload;
    const quint16 check = Crc16(bytes.constData(), bytes.size());
    return bytes + Payload().u16(check).bytes();
}

void Generation2Terminal::tick()
{
    ++m_uptime;
    m_vehicle.advance();
    Q_EMIT send(frame(Navigation, navigation()));
    Q_EMIT send(frame(Time, time()));
    Q_EMIT send(frame(Modem, modem()));
    Q_EMIT send(frame(Power, power()));
    Q_EMIT send(frame(InputsOutputs, inputsOutputs()));
}

QByteArray Generation2Terminal::navigation() const
{
    return Payload()
        .u32(QDateTime::currentSecsSinceEpoch())
        .f32(m_vehicle.latitude())
        .f32(m_vehicle.longitude())
        .f32(m_vehicle.altitudeMetres())
        .u16(qRound(m_vehicle.speedKmh() * 100))
        .u16(qRound(m_vehicle.headingDegrees() * 100))
        .u16(qRound(m_vehicle.hdop() * 100))
        .u8(m_vehicle.satellites())
        .bytes();
}

QByteArray Generation2Terminal::time() const
{
    return Payload().u32(QDateTime::currentSecsSinceEpoch()).u32(m_uptime).bytes();
}

QByteArray Generation2Terminal::modem() const
{
    const int registration = 9; // GPRS attached in the home network
    const int signal = 17 + (m_uptime / 7) % 9;
    return Payload()
        .u8(registration)
        .u8(signal)
        .u16(25001)
        .u16(0) // bytes 12 and 13 carry nothing
        .u16(0)
        .u16(0)
        .u16(4 + m_uptime / 300)
        .u16(2 + m_uptime / 600)
        .bytes();
}

QByteArray Generation2Terminal::power() const
{
    return Payload().u16(m_vehicle.externalMillivolts()).u16(m_vehicle.batteryMillivolts()).bytes();
}

QByteArray Generation2Terminal::inputsOutputs() const
{
    const int inputs = 0x01 | (m_vehicle.isMoving() ? 0x08 : 0) | ((m_uptime / 17) % 2 ? 0x02 : 0);
    return Payload().u16(inputs).u16(0x01).bytes();
}
