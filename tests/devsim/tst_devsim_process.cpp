#include "protocol/MyTypes.h"
#include "settings/SettingsImage.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The simulator as a separate process; the first line it prints is the path to connect to.
class Devsim
{
public:
    ~Devsim() { stop(); }

    bool start(const QStringList &arguments)
    {
        m_process.setProgram(QStringLiteral(DEVSIM_PATH));
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return false;
        QDeadlineTimer deadline(5000);
        while (!m_process.canReadLine() && !deadline.hasExpired() &&
               m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(int(deadline.remainingTime()));
        clientPath = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        return !clientPath.isEmpty();
    }

    // Closing stdin is how a parent tells the simulator to stop.
    bool stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return true;
        m_process.closeWriteChannel();
        if (m_process.waitForFinished(5000))
            return true;
        m_process.kill();
        m_process.waitForFinished();
        return false;
    }

    QProcess &process() { return m_process; }
    QString clientPath;

private:
    QProcess m_process;
};

// A plain client on the serial line: open, raw mode, read and write, as any program would.
class Client
{
public:
    ~Client()
    {
        if (m_fd >= 0)
            close(m_fd);
    }

    bool open(const QString &path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios settings{};
        if (m_fd < 0 || tcgetattr(m_fd, &settings) != 0)
            return false;
        cfmakeraw(&settings);
        cfsetspeed(&settings, B115200);
        return tcsetattr(m_fd, TCSANOW, &settings) == 0;
    }

    // Writes in pieces of pieceSize bytes with short pauses, like a line that splits.
    void write(const QByteArray &bytes, int pieceSize = 0)
    {
        const qsizetype step = pieceSize > 0 ? pieceSize : bytes.size();
        for (qsizetype at = 0; at < bytes.size(); at += step) {
            const QByteArray piece = bytes.mid(at, step);
            QCOMPARE(::write(m_fd, piece.constData(), piece.size()), piece.size());
            if (pieceSize > 0)
                QTest::qSleep(2);
        }
    }

    // Reads until done(buffer) holds or the time is up; chunks keeps the size of each read.
    bool readUntil(const std::function<bool(const QByteArray &)> &done, int timeoutMs = 5000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!done(buffer)) {
            if (deadline.hasExpired())
                return false;
            pollfd ready{m_fd, POLLIN, 0};
            if (poll(&ready, 1, int(qMax<qint64>(1, deadline.remainingTime()))) <= 0)
                continue;
            char bytes[4096];
            const ssize_t count = read(m_fd, bytes, sizeof bytes);
            if (count > 0) {
                buffer.append(bytes, count);
                chunks.append(int(count));
            }
        }
        return true;
    }

    // The first complete line of the buffer that starts with prefix; it and all before it
    // are taken out of the buffer.
    QByteArray takeLine(const QByteArray &prefix, int timeoutMs = 5000)
    {
        qsizetype start = 0;
        qsizetype end = -1;
        const auto found = [&](const QByteArray &bytes) {
            for (start = 0; (end = bytes.indexOf("\r\n", start)) >= 0; start = end + 2) {
                if (QByteArrayView(bytes).sliced(start).startsWith(prefix))
                    return true;
            }
            return false;
        };
        if (!readUntil(found, timeoutMs))
            return QByteArray();
        const QByteArray line = buffer.mid(start, end + 2 - start);
        buffer.remove(0, end + 2);
        return line;
    }

    QByteArray buffer;
    QList<int> chunks;

private:
    int m_fd = -1;
};

QList<QByteArray> completeLines(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // not complete yet
    return lines;
}

QByteArray keyOf(const QByteArray &line)
{
    return line.mid(1, line.indexOf('=') - 1);
}

QByteArray valueOf(const QByteArray &line)
{
    return line.mid(line.indexOf('=') + 1).chopped(2);
}

// The settings image of an SF line, read the way the configurator reads it: the value
// without its first and last three characters (the last two being CR LF) is Base64.
QByteArray settingsImageOf(const QByteArray &sfLine)
{
    return QByteArray::fromBase64(sfLine.mid(sfLine.indexOf('=') + 1).mid(1).chopped(3));
}

QByteArray settingValue(const QByteArray &image, quint8 number)
{
    for (const SettingsImage::Record &record : SettingsImage::parse(image)) {
        if (record.number == number)
            return record.data;
    }
    return QByteArray();
}

QByteArray firmwareFrame(const QByteArray &image, quint32 offset)
{
    const QByteArray piece = image.mid(offset, 1024);
    QByteArray frame(4, '\0');
    qToLittleEndian(quint16(piece.size()), frame.data());
    frame += piece;
    const quint16 check = Crc16(frame.constData(), frame.size());
    return frame + char(check & 0xFF) + char(check >> 8);
}

QByteArray hubRequest(const char *hex)
{
    return AppendCrc8(QByteArray::fromHex(hex));
}

void addLineRows()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("pieceSize");
    QTest::newRow("whole") << QStringList{} << 0;
    QTest::newRow("split") << QStringList{u"--split"_qs, u"6"_qs} << 3;
}

const QByteArrayList Generation1Keys{
    "DN",  "DI",  "MN",  "GK",  "GS",      "PB",   "ML",  "MO",  "MS",  "SID0", "SID1", "SMS",
    "APN", "DS",  "DS2", "DF",  "TW",      "SYS",  "TM",  "MD0", "MD1", "MD2",  "MD3",  "MD4",
    "RW",  "RW1", "RW2", "RW3", "RW4",     "FS1",  "FS2", "FS3", "FS4", "ID0",  "ID1",  "ID2",
    "ID3", "IA4", "IF5", "O10", "O11",     "O12",  "O13", "CA",  "CB",  "CC",   "CD",   "CE",
    "CF",  "CG",  "CH",  "CI",  "CJ",      "CK",   "CL",  "CM",  "CN",  "CO",   "CP",   "CQ",
    "CR",  "CS",  "CU",  "CV",  "CANINFO", "CAN",  "LLS", "MBR", "BTS", "BTSM", "OWT",  "OWK",
    "RLE", "UPC", "BMS", "BLE", "BTM",     "TEST", "WS",  "WSP", "EMS", "MSD"};

} // namespace

class TestDevsimProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void generation1Exchange_data() { addLineRows(); }
    void generation1Exchange();
    void generation1Service_data() { addLineRows(); }
    void generation1Service();
    void preloadedSettings_data();
    void preloadedSettings();
    void firmwareUpload_data() { addLineRows(); }
    void firmwareUpload();
    void generation2Frames_data() { addLineRows(); }
    void generation2Frames();
    void hubExchange_data();
    void hubExchange();
    void consoleExchange_data() { addLineRows(); }
    void consoleExchange();
    void linkAndShutdown();
    void script();
    void existingDevice();
};

void TestDevsimProcess::generation1Exchange()
{
    QFETCH(QStringList, faults);
    QFETCH(int, pieceSize);
    Devsim devsim;
    QVERIFY(devsim.start(
        QStringList{u"--gen"_qs, u"1"_qs, u"--flood"_qs, u"--password"_qs, u"246810"_qs} + faults));
    Client client;
    QVERIFY(client.open(devsim.clientPath));

    // Monitoring: well-formed records covering every key the configurator decodes.
    QSet<QByteArray> keys;
    QVERIFY(client.readUntil([&](const QByteArray &bytes) {
        for (const QByteArray &line : completeLines(bytes))
            keys.insert(keyOf(line));
        return keys.size() >= Generation1Keys.size();
    }));
    const QRegularExpression record(u"^>[A-Z][A-Z0-9]*=[^\r\n>]*\r$"_qs);
    for (const QByteArray &line : completeLines(client.buffer))
        QVERIFY2(record.match(QString::fromLatin1(line)).hasMatch(), line.constData());
    for (const QByteArray &key : Generation1Keys)
        QVERIFY2(keys.contains(key), key.constData());

    // Type request: a DI line that does not follow a DN line (a round's DI always does).
    qsizetype seen = completeLines(client.buffer).size();
    client.write(">I 7\r\n", pieceSize);
    QVERIFY(client.readUntil([&](const QByteArray &bytes) {
        const QList<QByteArray> lines = completeLines(bytes);
        for (qsizetype i = qMax<qsizetype>(seen, 1); i < lines.size(); ++i) {
            if (lines[i] == ">DI=206;2;5;14\r" && !lines[i - 1].startsWith(">DN="))
                return true;
        }
        return false;
    }));
    // Identity request: DN, DI, MN not followed by GK (a round's are).
    seen = completeLines(client.buffer).size();
    client.write(">I 0\r\n", pieceSize);
    QVERIFY(client.readUntil([&](const QByteArray &bytes) {
        const QList<QByteArray> lines = completeLines(bytes);
        for (qsizetype i = seen; i + 3 < lines.size(); ++i) {
            if (lines[i].startsWith(">DN=") && lines[i + 1].startsWith(">DI=") &&
                lines[i + 2].startsWith(">MN=") && !lines[i + 3].startsWith(">GK="))
                return true;
        }
        return false;
    }));
    client.buffer.clear();

    // Settings read, with the password as setting 5.
    client.write(">D 15;0\r\n", pieceSize);
    const QByteArray sf = client.takeLine(">SF=");
    const QByteArray image = settingsImageOf(sf);
    QVERIFY2(SettingsImage::headerIsValid(image), sf.constData());
    QCOMPARE(settingValue(image, 5), QByteArray("246810"));

    // Settings write: refused with the wrong password, taken with the right one.
    const QByteArray changed = SettingsImage::compose({{2, QByteArray::fromHex("1F90")}});
    client.write("111111*CONF*" + changed.toBase64() + "\r\n", pieceSize);
    QCOMPARE(client.takeLine(">SR="), QByteArray(">SR=0\r\n"));
    client.write("246810*CONF*" + changed.toBase64() + "\r\n", pieceSize);
    QCOMPARE(client.takeLine(">SR="), QByteArray(">SR=1\r\n"));
    client.write(">D 15;0\r\n", pieceSize);
    QCOMPARE(settingValue(settingsImageOf(client.takeLine(">SF=")), 2),
             QByteArray::fromHex("1F90"));

    // Memory block: the first block named by the storage record.
    const QList<QByteArray> storage = valueOf(client.takeLine(">RW1=")).split(';');
    QCOMPARE(storage.size(), 4);
    const QByteArray firstBlock = storage[3];
    client.write(">D 18;" + firstBlock + "\r\n", pieceSize);
    const QByteArray fd = client.takeLine(">FD=");
    QVERIFY2(fd.startsWith(QByteArray(">FD=" + firstBlock + ',')), fd.constData());
    const QByteArray block = QByteArray::fromBase64(fd.split('"').value(1));
    QCOMPARE(block.size(), 258);
    const quint16 check = Crc16(block.constData(), 256);
    QCOMPARE(quint8(block[256]), quint8(check >> 8));
    QCOMPARE(quint8(block[257]), quint8(check & 0xFF));
}

void TestDevsimProcess::generation1Service()
{
    QFETCH(QStringList, faults);
    QFETCH(int, pieceSize);
    Devsim devsim;
    QVERIFY(devsim.start(QStringList{u"--flood"_qs} + faults));
    Client client;
    QVERIFY(client.open(devsim.clientPath));
    QVERIFY(!client.takeLine(">TW=").isEmpty());

    // Clock set and memory cleared show in the following records.
    client.write(">UNIX=1000000000\r\n>D 8;0\r\n>D 2;0\r\n>D 0;0\r\n>D 4;1\r\n>D 9;1\r\n",
                 pieceSize);
    QVERIFY(client.readUntil([](const QByteArray &bytes) {
        const QList<QByteArray> lines = completeLines(bytes);
        const auto modemLog = std::find_if(lines.begin(), lines.end(), [](const QByteArray &line) {
            return line.startsWith('+');
        });
        return modemLog != lines.end() && lines.contains(">RW1=0;0;4096;16\r") &&
               std::any_of(lines.begin(), lines.end(),
                           [](const QByteArray &line) { return line.startsWith(">TW=100000000"); });
    }));
    client.write(">D 9;0\r\n", pieceSize);

    // Reboot: no round after the request, then uptime counts from the start again. Records
    // already on their way when it arrived may still come.
    const auto uptimeOf = [](const QByteArray &tw) {
        return valueOf(tw).split(';').value(1).toInt();
    };
    const int uptime = uptimeOf(client.takeLine(">TW="));
    QVERIFY(uptime >= 2);
    client.write(">D 1\r\n", pieceSize);
    for (;;) {
        const QByteArray tw = client.takeLine(">TW=", 6000);
        QVERIFY(!tw.isEmpty());
        if (uptimeOf(tw) <= 2)
            break;
        QVERIFY2(uptimeOf(tw) <= uptime + 1, tw.constData());
    }
}

void TestDevsimProcess::preloadedSettings_data()
{
    const QByteArray image = SettingsImage::compose({{5, "111222"}, {40, "abc"}});
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("password");
    QTest::newRow("password of the file")
        << image.toBase64() << QStringList{} << QByteArray("111222");
    QTest::newRow("password option wins")
        << image.toBase64() + "\n"
        << QStringList{u"--password"_qs, u"333444"_qs} << QByteArray("333444");
    QTest::newRow("broken image") << image.chopped(1).toBase64() << QStringList{} << QByteArray();
}

void TestDevsimProcess::preloadedSettings()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, password);
    QTemporaryDir directory;
    QFile cfg(directory.filePath(u"device.cfg"_qs));
    QVERIFY(cfg.open(QIODevice::WriteOnly));
    cfg.write(file);
    cfg.close();
    Devsim devsim;
    const bool started =
        devsim.start(QStringList{u"--flood"_qs, u"--settings"_qs, cfg.fileName()} + arguments);
    QCOMPARE(started, !password.isEmpty());
    if (!started) {
        QVERIFY(devsim.process().state() == QProcess::NotRunning ||
                devsim.process().waitForFinished(5000));
        QCOMPARE(devsim.process().exitCode(), 1);
        return;
    }
    Client client;
    QVERIFY(client.open(devsim.clientPath));
    client.write(">D 15;0\r\n");
    const QByteArray image = settingsImageOf(client.takeLine(">SF="));
    QCOMPARE(settingValue(image, 40), QByteArray("abc"));
    QCOMPARE(settingValue(image, 5), password);
    // Settings the file leaves out keep their factory values from the type's description.
    QCOMPARE(settingValue(image, 48), QByteArray("internet"));
}

void TestDevsimProcess::firmwareUpload()
{
    QFETCH(QStringList, faults);
    QFETCH(int, pieceSize);
    QTemporaryDir directory;
    const QString written = directory.filePath(u"firmware.bin"_qs);
    QByteArray image(2500, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char((i * 31) ^ (i >> 5));
    Devsim devsim;
    QVERIFY(devsim.start(QStringList{u"--flood"_qs, u"--firmware-out"_qs, written} + faults));
    Client client;
    QVERIFY(client.open(devsim.clientPath));
    // Asked before the first round of records, so everything that comes back is requests.
    client.write(">D 3;0\r\n", pieceSize);
    QList<quint32> offsets;
    bool damagedOnce = false;
    for (;;) {
        QVERIFY(client.readUntil([](const QByteArray &bytes) { return bytes.size() >= 5; }));
        // Each request arrives as a chunk of its own, as the configurator expects.
        QCOMPARE(client.buffer.size(), 5);
        QCOMPARE(client.chunks.last(), 5);
        const quint32 offset = qFromLittleEndian<quint32>(client.buffer.constData());
        client.buffer.clear();
        offsets.append(offset);
        QByteArray frame = firmwareFrame(image, offset);
        if (offset == 1024 && !damagedOnce) {
            frame[7] = char(frame[7] ^ 0x01); // the terminal must ask for this piece again
            damagedOnce = true;
        }
        client.write(frame, pieceSize > 0 ? 100 : 0);
        if (offset >= quint32(image.size()))
            break;
        QVERIFY(offsets.size() < 10);
    }
    QCOMPARE(offsets, (QList<quint32>{0, 1024, 1024, 2048, 2500}));
    QTRY_COMPARE(QFileInfo(written).size(), image.size());
    QFile file(written);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), image);
}

void TestDevsimProcess::generation2Frames()
{
    QFETCH(QStringList, faults);
    Devsim devsim;
    QVERIFY(devsim.start(QStringList{u"--gen"_qs, u"2"_qs, u"--flood"_qs} + faults));
    Client client;
    QVERIFY(client.open(devsim.clientPath));
    QVERIFY(client.readUntil([](const QByteArray &bytes) { return bytes.size() >= 2 * 97; }));
    QSet<quint32> types;
    QByteArray stream = client.buffer;
    while (stream.size() >= 10) {
        QVERIFY(stream.startsWith(QByteArray::fromHex("55AA")));
        const quint16 length = qFromLittleEndian<quint16>(stream.constData() + 6);
        if (stream.size() < length + 10)
            break;
        QCOMPARE(qFromLittleEndian<quint16>(stream.constData() + 8 + length),
                 Crc16(stream.constData(), 8 + length));
        types.insert(qFromLittleEndian<quint32>(stream.constData() + 2));
        stream.remove(0, length + 10);
    }
    QCOMPARE(types, (QSet<quint32>{65552, 131073, 131074, 196609, 2097161}));
}

void TestDevsimProcess::hubExchange_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<int>("sensorsFound");
    QTest::newRow("whole") << QStringList{} << 0 << 2;
    QTest::newRow("split, no sensors")
        << QStringList{u"--split"_qs, u"4"_qs, u"--sensors"_qs, u"none"_qs} << 2 << 0;
}

void TestDevsimProcess::hubExchange()
{
    QFETCH(QStringList, faults);
    QFETCH(int, pieceSize);
    QFETCH(int, sensorsFound);
    Devsim devsim;
    QVERIFY(devsim.start(QStringList{u"--gen"_qs, u"3"_qs, u"--flood"_qs} + faults));
    Client client;
    QVERIFY(client.open(devsim.clientPath));
    const auto exchange = [&](const QByteArray &request, int length) {
        client.write(request, pieceSize);
        if (!client.readUntil([&](const QByteArray &bytes) { return bytes.size() >= length; }))
            return QByteArray();
        const QByteArray reply = client.buffer.left(length);
        client.buffer.remove(0, length);
        const bool sound = reply.startsWith(QByteArray::fromHex("3E10")) &&
                           reply[2] == request[2] && Crc8(reply.chopped(1)) == quint8(reply.back());
        return sound ? reply : QByteArray();
    };
    QByteArray slotWrite = QByteArray::fromHex("3110B201") + QByteArray::fromHex("665544332211") +
                           char(7) + char(1) + QByteArray(8, '\0');
    QByteArray sensorWrite = QByteArray::fromHex("3110B502") + QByteArray(32, '\x11');

    QCOMPARE(exchange(QByteArray::fromHex("3110B0AB"), 36).mid(9, 4), QByteArray("2.14"));
    QCOMPARE(exchange(AppendCrc8(slotWrite), 5)[3], '\0');
    QCOMPARE(exchange(hubRequest("3110B1"), 52).mid(19, 8),
             QByteArray::fromHex("6655443322110701"));
    QCOMPARE(exchange(AppendCrc8(sensorWrite), 5)[3], '\0');
    for (const char *slotRead : {"3110B400", "3110B401", "3110B402"})
        QCOMPARE(exchange(hubRequest(slotRead), 36).size(), 36);
    QCOMPARE(exchange(hubRequest("3110B402"), 36).mid(3, 5), QByteArray(5, '\x11'));
    QCOMPARE(exchange(hubRequest("3110B70001"), 6)[3], '\0');
    QCOMPARE(exchange(hubRequest("3110B8"), 8 * sensorsFound + 5)[3], char(sensorsFound));

    // A request with a wrong check byte gets no reply; the next one is answered as usual.
    QByteArray damaged = hubRequest("3110B1");
    damaged.back() = char(damaged.back() ^ 0xFF);
    client.write(damaged, pieceSize);
    QCOMPARE(exchange(QByteArray::fromHex("3110B0AB"), 36).size(), 36);
    QVERIFY(!client.readUntil([](const QByteArray &bytes) { return !bytes.isEmpty(); }, 300));
}

void TestDevsimProcess::consoleExchange()
{
    QFETCH(QStringList, faults);
    QFETCH(int, pieceSize);
    Devsim devsim;
    QVERIFY(devsim.start(QStringList{u"--console"_qs, u"--flood"_qs} + faults));
    Client client;
    QVERIFY(client.open(devsim.clientPath));
    const auto say = [&](const QByteArray &line, const QByteArray &answer) {
        client.write(line + "\r\n", pieceSize);
        return client.takeLine(answer);
    };
    QVERIFY(!client.takeLine("Quorvel console").isEmpty());
    QCOMPARE(say("settings get", "DEVICE"), QByteArray("DEVICE PASSWORD ERROR\r\n"));
    QCOMPARE(say("123456", "DEVICE"), QByteArray("DEVICE PASSWORD ERROR\r\n"));
    QCOMPARE(say("470913", "DEVICE"), QByteArray("DEVICE PASSWORD OK\r\n"));

    const QByteArray settings = say("settings get", "SETTINGS ");
    const QByteArray image = QByteArray::fromBase64(settings.mid(9).chopped(2));
    QVERIFY2(SettingsImage::headerIsValid(image), settings.constData());
    QCOMPARE(settingValue(image, 5), QByteArray("470913"));

    const QByteArray changed = SettingsImage::compose({{5, "135790"}, {40, "x"}});
    QCOMPARE(say("settings set " + changed.toBase64(), "Settings write"),
             QByteArray("Settings write OK EXTFLASH\r\n"));
    QCOMPARE(say("settings set " + changed.left(6).toBase64(), "Settings write"),
             QByteArray("Settings write Error EXTFLASH\r\n"));
    QCOMPARE(settingValue(
                 QByteArray::fromBase64(say("settings get", "SETTINGS ").mid(9).chopped(2)), 40),
             QByteArray("x"));
    for (const char *command :
         {"upgrade extflash", "webconf getfw", "webconf getconf", "storage clear", "sendpacket"})
        QVERIFY(!say(command, "[Press ENTER").isEmpty());
    QVERIFY(!say("restart", "Restarting").isEmpty());
    QVERIFY(!client.takeLine("Quorvel console").isEmpty());
    QCOMPARE(say("135790", "DEVICE"), QByteArray("DEVICE PASSWORD OK\r\n"));
}

void TestDevsimProcess::linkAndShutdown()
{
    QTemporaryDir directory;
    const QString link = directory.filePath(u"terminal"_qs);
    Devsim devsim;
    QVERIFY(devsim.start({u"--gen"_qs, u"1"_qs, u"--link"_qs, link}));
    QVERIFY(devsim.clientPath.startsWith(u"/dev/"_qs));
    QCOMPARE(QFileInfo(link).symLinkTarget(), devsim.clientPath);
    Client client;
    QVERIFY(client.open(link));
    QVERIFY(!client.takeLine(">DN=").isEmpty());
    // SIGTERM ends it as cleanly as closing stdin does.
    ::kill(pid_t(devsim.process().processId()), SIGTERM);
    QVERIFY(devsim.process().waitForFinished(5000));
    QCOMPARE(devsim.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(devsim.process().exitCode(), 0);
    QVERIFY(!QFileInfo::exists(link));

    Devsim second;
    QVERIFY(second.start({u"--gen"_qs, u"2"_qs}));
    QVERIFY(second.stop());
    QCOMPARE(second.process().exitCode(), 0);
}

void TestDevsimProcess::script()
{
    QTemporaryDir directory;
    QFile file(directory.filePath(u"session.txt"_qs));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# recorded start\ntext: >DN=12345\ndelay: 100\nhex: 3E 10 B2 00 AA\ntext: >SR=1\n");
    file.close();
    Devsim devsim;
    QVERIFY(devsim.start({u"--script"_qs, file.fileName(), u"--flood"_qs}));
    Client client;
    QVERIFY(client.open(devsim.clientPath));
    const QByteArray expected =
        QByteArray(">DN=12345\r\n") + QByteArray::fromHex("3E10B200AA") + ">SR=1\r\n";
    QVERIFY(
        client.readUntil([&](const QByteArray &bytes) { return bytes.size() >= expected.size(); }));
    QCOMPARE(client.buffer, expected);
}

void TestDevsimProcess::existingDevice()
{
    const QString socat = QStandardPaths::findExecutable(u"socat"_qs);
    if (socat.isEmpty())
        QSKIP("socat is not installed");
    QTemporaryDir directory;
    const QString simulatorEnd = directory.filePath(u"a"_qs);
    const QString clientEnd = directory.filePath(u"b"_qs);
    QProcess pair;
    pair.start(socat,
               {u"pty,raw,echo=0,link="_qs + simulatorEnd, u"pty,raw,echo=0,link="_qs + clientEnd});
    QTRY_VERIFY(QFileInfo::exists(simulatorEnd) && QFileInfo::exists(clientEnd));
    {
        Devsim devsim;
        QVERIFY(devsim.start({u"--gen"_qs, u"3"_qs, u"--device"_qs, simulatorEnd}));
        QCOMPARE(devsim.clientPath, simulatorEnd);
        Client client;
        QVERIFY(client.open(clientEnd));
        client.write(QByteArray::fromHex("3110B0AB"));
        QVERIFY(client.readUntil([](const QByteArray &bytes) { return bytes.size() >= 36; }));
        QVERIFY(client.buffer.startsWith(QByteArray::fromHex("3E10B0")));
    }
    pair.terminate();
    pair.waitForFinished();
}

QTEST_GUILESS_MAIN(TestDevsimProcess)
#include "tst_devsim_process.moc"
