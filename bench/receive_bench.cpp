// The whole receive path with the full monitoring page: recorded traffic of each generation,
// fed in 64-byte chunks through the dispatch, the assembler, the decoder and the routing.
#include "BenchWindow.h"
#include "protocol/MyTypes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {

constexpr double LineRate = 115200.0 / 10.0; // bytes per second on the serial line
constexpr qsizetype StreamSize = 24 * 1024 * 1024;
constexpr int Chunk = 64;

QByteArray recorded(const char *name)
{
    QFile file(QStringLiteral(BENCH_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The hub's replies to one round of requests: master, slots, three sensor states, a write
// result and a search with two sensors.
QByteArray hubReplies()
{
    const auto frame = [](const char *head, int length) {
        QByteArray bytes = QByteArray::fromHex(head);
        for (int i = int(bytes.size()); i < length - 1; ++i)
            bytes.append(char(i * 7));
        return AppendCrc8(bytes);
    };
    QByteArray round = frame("3E10B0", 36) + frame("3E10B1", 52);
    for (int slot = 0; slot < 3; ++slot)
        round += frame("3E10B4", 36);
    round += frame("3E10B200", 5) + frame("3E10B70000", 6);
    round += frame("3E10B802", 2 * 8 + 5);
    return round;
}

QByteArray repeated(const QByteArray &round)
{
    QByteArray stream;
    stream.reserve(StreamSize + round.size());
    while (stream.size() < StreamSize)
        stream += round;
    return stream;
}

// Bytes per second through a fresh window, which elects the generation on its own.
double throughput(const QByteArray &stream, TVersionType *elected)
{
    BenchWindow window;
    QElapsedTimer clock;
    clock.start();
    for (qsizetype at = 0; at < stream.size(); at += Chunk)
        window->QReceiveData(nullptr, stream.constData() + at,
                             int(qMin<qsizetype>(Chunk, stream.size() - at)));
    QCoreApplication::processEvents(); // the log and the page catch up once
    *elected = window->FVersion;
    return stream.size() / (clock.nsecsElapsed() / 1e9);
}

void measure(const char *name, const QByteArray &stream)
{
    QList<double> rates;
    TVersionType elected = vtDetect;
    for (int run = 0; run < 3; ++run)
        rates.append(throughput(stream, &elected));
    std::sort(rates.begin(), rates.end());
    const double rate = rates[1];
    std::printf("%s: %.1f MB, median of 3 runs %.1f MB/s = %.0fx the line rate (elected %s)\n",
                name, stream.size() / 1e6, rate / 1e6, rate / LineRate,
                qPrintable(VersionName(elected)));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QByteArray generation1 = recorded("generation1.bin");
    const QByteArray generation2 = recorded("generation2.bin");
    if (generation1.isEmpty() || generation2.isEmpty()) {
        std::fprintf(stderr, "recorded traffic missing in %s\n", BENCH_DATA);
        return 1;
    }
    measure("generation 1", repeated(generation1));
    measure("generation 2", repeated(generation2));
    measure("generation 3", repeated(hubReplies()));
    return 0;
}
