#include "profiles/Generation1Records.h"

namespace {

using Fields = QList<QByteArray>;

QByteArray number(qint64 value)
{
    return QByteArray::number(value);
}

QByteArray decimal(double value, int decimals)
{
    return QByteArray::number(value, 'f', decimals);
}

// Collects the lines of one round, topic by topic.
class Round
{
public:
    Round(const VehicleModel &vehicle, const StorageModel &storage, const Generation1Status &status)
        : car(vehicle)
        , store(storage)
        , now(status)
    {
    }

    void add(const char *key, const Fields &fields)
    {
        lines.append(Generation1Records::line(key, fields));
    }

    void navigation();
    void power();
    void modem();
    void status();
    void time();
    void servers();
    void storage();
    void inputsOutputs();
    void can();
    void sensors();
    void wireless();
    void selfTest();

    const VehicleModel &car;
    const StorageModel &store;
    const Generation1Status &now;
    QList<QByteArray> lines;
};

void Round::navigation()
{
    add("GK", {decimal(car.latitude(), 6), decimal(car.longitude(), 6)});
    add("GS", {number(car.satellites()), number(qRound(car.speedKmh())),
               number(qRound(car.altitudeMetres())), number(qRound(car.hdop() * 10)),
               number(qRound(car.headingDegrees()))});
}

void Round::power()
{
    add("PB", {number(car.externalMillivolts()), number(car.batteryMillivolts())});
}

void Round::modem()
{
    const int signal = 17 + (now.second / 7) % 9;
    add("ML", {number(signal), "250", "01"});
    add("MO", {number(signal), "25001"});
    add("MS", {"1"});
    add("SID0", {"89701010000012345678"});
    add("SID1", {"89701020000087654321"});
    add("SMS", {"4", "6", "2"});
    add("APN", {"internet", "gdata", "gdata"});
}

void Round::status()
{
    // Memories, clock, modem powered and answering, SIM 1 with PIN accepted, navigation,
    // accelerometer, SIM 2 present.
    const qint64 ds = 0x1 | 0x2 | 0x4 | 0x8 | 0x10 | 0x20 | 0x40 | 0x80 | 0x200 | 0x400 | 0x800 |
                      0x10000 | 0x20000;
    add("DS", {number(ds)});
    // Navigation and modem on, both SIMs present, servers 0 to 2 in various states,
    // movement, Bluetooth on.
    const qint64 ds2 = (1 << 0) | (1 << 2) | (1 << 6) | (1 << 9) | (2 << 12) | (3 << 14) |
                       (1 << 16) | (qint64(car.isMoving() ? 1 : 0) << 20) | (1 << 25);
    add("DS2", {number(ds2)});
    add("DF", {"0", "0"});
    add("SYS", {number(now.resets), number(12 + now.second % 5)});
}

void Round::time()
{
    add("TW", {number(now.deviceTime), number(now.uptime)});
    add("TM", {car.isMoving() ? "0" : "1", number(car.restSeconds())});
}

void Round::servers()
{
    add("MD0", {"web.quorvel.local"});
    add("MD1", {"tracking.quorvel.local", "20332", "TCP"});
    add("MD2", {"backup.quorvel.local", "20333", "TCP"});
    add("MD3", {"", "0", ""});
    add("MD4", {"", "0", ""});
}

void Round::storage()
{
    add("RW", {number(store.sent(0)) + '/' + number(store.sent(1)), number(store.written())});
    static const char *const ringKeys[] = {"RW1", "RW2", "RW3", "RW4"};
    static const char *const fileKeys[] = {"FS1", "FS2", "FS3", "FS4"};
    for (int server = 0; server < StorageModel::Servers; ++server) {
        add(ringKeys[server], {number(store.sent(server)), number(store.written()),
                               number(store.blockCount()), number(store.firstBlock())});
    }
    for (int server = 0; server < StorageModel::Servers; ++server) {
        add(fileKeys[server], {number(store.filesSent(server)), number(store.filesWritten()),
                               number(store.fileCount())});
    }
}

void Round::inputsOutputs()
{
    add("ID0", {"1"});                               // ignition
    add("ID1", {(now.second / 17) % 2 ? "1" : "0"}); // a door now and then
    add("ID2", {"0"});
    add("ID3", {car.isMoving() ? "1" : "0"});
    add("IA4", {number(2800 + (now.second * 37) % 400)});
    add("IF5", {number(car.engineRpm() / 2)});
    static const char *const outputKeys[] = {"O10", "O11", "O12", "O13"};
    for (int output = 0; output < 4; ++output)
        add(outputKeys[output], {(now.outputs >> output) & 1 ? "1" : "0"});
}

void Round::can()
{
    const qint64 engineTime = qRound64(car.engineHours() * 100);
    const qint64 mileage = qRound64(car.mileageKm() * 100);
    const qint64 fuelUsed = qRound64(car.fuelUsedLitres() * 10);
    const qint64 fuelPercent = qRound64(car.fuelPercent() * 10);
    const qint64 instant = car.isMoving() ? 85 + qRound64(car.speedKmh() / 2) : 9;
    const qint64 reserve = qRound64(car.fuelPercent() * 6);
    const qint64 speed = qRound64(car.speedKmh());
    add("CA", {number(engineTime)});
    add("CB", {number(engineTime)});
    add("CC", {number(mileage)});
    add("CD", {number(mileage)});
    add("CE", {number(fuelUsed)});
    add("CF", {number(fuelUsed)});
    add("CG", {number(fuelPercent)});
    add("CH", {number(car.engineRpm())});
    add("CI", {number(car.coolantCelsius())});
    add("CJ", {number(speed)});
    add("CK", {"3210"});
    add("CL", {"3350"});
    add("CM", {"5120"});
    add("CN", {"0"});
    add("CO", {"0"});
    add("CP", {"0"});
    add("CQ", {number(instant)});
    add("CR", {number(reserve)});
    add("CS", {"0"});
    add("CU", {"63"});
    add("CV", {"J1939-250"});
    add("CANINFO", {"J1939 250 kbit/s"});
    const QList<QPair<int, QByteArray>> numbered{{50, "J1939-250"},
                                                 {51, "0"},
                                                 {52, number(engineTime)},
                                                 {53, number(mileage)},
                                                 {54, number(fuelUsed)},
                                                 {55, number(fuelPercent)},
                                                 {56, number(reserve)},
                                                 {57, number(car.engineRpm())},
                                                 {58, number(car.coolantCelsius())},
                                                 {59, number(speed)},
                                                 {60, "3210"},
                                                 {61, "3350"},
                                                 {62, "5120"},
                                                 {63, "0"},
                                                 {64, "0"},
                                                 {65, "0"},
                                                 {66, "1"},
                                                 {67, "63"},
                                                 {68, "41"}};
    for (const auto &[code, value] : numbered)
        add("CAN", {number(code), value});
    for (int code = 210; code <= 219; ++code)
        add("CAN", {number(code), number(code * 3 + now.second % 10)});
}

void Round::sensors()
{
    const int level = 600 + qRound(car.fuelPercent() * 30);
    // Temperature bytes above 128 are negative: 250 reads as -6 °C.
    add("LLS", {"0", "1", number(level), "22", number(1100 + level / 4)});
    add("LLS", {"1", "2", number(level + 12), "250", number(1112 + level / 4)});
    add("LLS", {"2", "3", number(level - 5), "21", "36"});
    add("LLS", {"3", "4", number(level), "20", number(qRound(car.fuelPercent()))});
    add("MBR", {"1", "1", "17", number(500 + now.second % 50)});
    add("BTS", {"1", "36", "-3.5", "0"});
    add("BTSM", {"1", number(qRound(car.fuelPercent())), "21.5", "1"});
    add("OWT", {"1", "28FF6A1B0316", decimal(-5.5 + (now.second % 20) / 10.0, 1)});
    add("OWK", {"1", "0123ABCD4567"});
    add("RLE", {"0", (now.outputs & 1) ? "1" : "0"});
    add("RLE", {"1", "0"});
    add("UPC", {"0", (now.second / 23) % 2 ? "1" : "0"});
    add("UPC", {"1", "0"});
    add("BMS", {"2", "5"});
    add("BLE", {"1", "TAG12", number(-71 + now.second % 5)});
    add("BLE", {"2", "TAG07", "-84"});
    add("BTM", {"00:1A:7D:DA:71:13"});
}

void Round::wireless()
{
    add("WS", {"1", "-60"});
    add("WSP", {"QuorvelGuest"});
    add("EMS", {"OK"});
    add("MSD", {"ready"});
}

void Round::selfTest()
{
    for (const char *unit : {"MEM", "RTC", "GPRS", "GNSS", "IO", "RS232", "CAN", "ACC", "SIM1",
                             "SIM2", "WD", "BLE", "RS485"})
        add("TEST", {unit, "OK"});
}

} // namespace

QByteArray Generation1Records::line(const QByteArray &key, const QList<QByteArray> &fields)
{
    return '>' + key + '=' + fields.join(';') + "\r\n";
}

QList<QByteArray> Generation1Records::identityLines() const
{
    return {line("DN", {m_identity.deviceNumber}), typeLine(), line("MN", {m_identity.imei})};
}

QByteArray Generation1Records::typeLine() const
{
    return line("DI", {QByteArray::number(m_identity.type) + ';' + m_identity.version});
}

QList<QByteArray> Generation1Records::round(const VehicleModel &vehicle,
                                            const StorageModel &storage,
                                            const Generation1Status &status) const
{
    Round round(vehicle, storage, status);
    round.lines = identityLines();
    round.navigation();
    round.power();
    round.modem();
    round.status();
    round.time();
    round.servers();
    round.storage();
    round.inputsOutputs();
    round.can();
    round.sensors();
    round.wireless();
    round.selfTest();
    return round.lines;
}
