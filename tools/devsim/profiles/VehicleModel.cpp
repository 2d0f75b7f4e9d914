#include "profiles/VehicleModel.h"

#include <QtMath>

namespace {

// The ring road: a circle of this radius around the city centre.
constexpr double CentreLatitude = 55.751244;
constexpr double CentreLongitude = 37.618423;
constexpr double RouteRadiusMetres = 2800;
constexpr double MetresPerDegree = 111320;

} // namespace

VehicleModel::VehicleModel(quint64 seed)
    : m_random(seed)
{
    m_routeAngle = m_random.bounded(2 * M_PI);
    placeOnRoute();
}

void VehicleModel::advance()
{
    if (m_stopSeconds > 0) {
        --m_stopSeconds;
        m_speed = qMax(0.0, m_speed - 15);
    } else if (m_random.bounded(100) < 3) {
        m_stopSeconds = 8 + int(m_random.bounded(30)); // a red light or a jam
    } else {
        if (m_random.bounded(100) < 10)
            m_targetSpeed = 25 + m_random.bounded(45.0);
        const double step = qBound(-8.0, m_targetSpeed - m_speed, 6.0);
        m_speed = qMax(0.0, m_speed + step + m_random.bounded(2.0) - 1);
    }
    m_restSeconds = isMoving() ? 0 : m_restSeconds + 1;

    const double metres = m_speed / 3.6;
    const double oldLatitude = m_latitude;
    const double oldLongitude = m_longitude;
    m_routeAngle = std::fmod(m_routeAngle + metres / RouteRadiusMetres, 2 * M_PI);
    placeOnRoute();
    if (metres > 0) {
        const double north = (m_latitude - oldLatitude) * MetresPerDegree;
        const double east =
            (m_longitude - oldLongitude) * MetresPerDegree * qCos(qDegreesToRadians(m_latitude));
        m_heading = std::fmod(qRadiansToDegrees(qAtan2(east, north)) + 360, 360);
    }

    m_mileageKm += metres / 1000;
    m_engineSeconds += 1;
    m_fuelUsed += 0.0004 + metres * 0.00009;
    m_fuelPercent = qMax(5.0, m_fuelPercent - 0.0003 - metres * 0.00002);
    m_coolant = qMin(88.0, m_coolant + 0.5);
    m_altitude = qBound(130.0, m_altitude + m_random.bounded(2.0) - 1, 175.0);
    m_satellites = walk(m_satellites, 6, 16);
    m_hdop = qBound(0.6, 2.4 - m_satellites * 0.11 + m_random.bounded(0.2), 2.5);
    m_externalMv = walk(m_externalMv / 10, 1370, 1425) * 10 + int(m_random.bounded(10));
    m_batteryMv = walk(m_batteryMv, 4080, 4150);
}

int VehicleModel::engineRpm() const
{
    return isMoving() ? 900 + int(m_speed * 28) : 760;
}

void VehicleModel::placeOnRoute()
{
    const double north = RouteRadiusMetres * qCos(m_routeAngle);
    const double east = RouteRadiusMetres * qSin(m_routeAngle);
    m_latitude = CentreLatitude + north / MetresPerDegree;
    m_longitude =
        CentreLongitude + east / (MetresPerDegree * qCos(qDegreesToRadians(CentreLatitude)));
}

int VehicleModel::walk(int value, int low, int high)
{
    return qBound(low, value + int(m_random.bounded(3)) - 1, high);
}
