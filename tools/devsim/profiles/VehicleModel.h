#pragma once

#include <QRandomGenerator>

// A car doing laps of a city ring road: stops at lights, speeds up and slows down, and with
// it the values a terminal reports (position, satellites, supply voltage, engine readings).
class VehicleModel
{
public:
    explicit VehicleModel(quint64 seed);

    // Moves the car on by one second.
    void advance();

    double latitude() const { return m_latitude; }
    double longitude() const { return m_longitude; }
    double speedKmh() const { return m_speed; }
    double headingDegrees() const { return m_heading; }
    double altitudeMetres() const { return m_altitude; }
    int satellites() const { return m_satellites; }
    double hdop() const { return m_hdop; }
    bool isMoving() const { return m_speed > 0.5; }
    // Seconds since the car last stopped moving; 0 while it moves.
    int restSeconds() const { return m_restSeconds; }

    int externalMillivolts() const { return m_externalMv; }
    int batteryMillivolts() const { return m_batteryMv; }
    double mileageKm() const { return m_mileageKm; }
    double engineHours() const { return m_engineSeconds / 3600.0; }
    double fuelPercent() const { return m_fuelPercent; }
    double fuelUsedLitres() const { return m_fuelUsed; }
    int engineRpm() const;
    int coolantCelsius() const { return int(m_coolant); }

private:
    void placeOnRoute();
    int walk(int value, int low, int high);

    QRandomGenerator m_random;
    double m_routeAngle = 0;
    double m_latitude = 0;
    double m_longitude = 0;
    double m_heading = 0;
    double m_speed = 0;
    double m_targetSpeed = 40;
    int m_stopSeconds = 0;
    int m_restSeconds = 0;
    double m_altitude = 150;
    int m_satellites = 9;
    double m_hdop = 0.9;
    int m_externalMv = 13900;
    int m_batteryMv = 4110;
    double m_mileageKm = 48213.6;
    double m_engineSeconds = 1843.0 * 3600;
    double m_fuelPercent = 74.0;
    double m_fuelUsed = 15210.5;
    double m_coolant = 24;
};
