// Storage pointers: how much of the ring store of records and files the servers have taken.
#include "link/PortInfo.h"
#include "protocol/DeviceTexts.h"
#include "protocol/version1/Version1.h"
#include "protocol/version1/Version1Record.h"

#include <optional>

namespace {

// share·100 / whole; nothing when `whole` is 0, which fails the record.
std::optional<double> Ratio(qint64 share, qint64 whole)
{
    if (whole == 0)
        return std::nullopt;
    return double(share) * 100.0 / double(whole);
}

QString PercentText(double percent)
{
    return FixedText(percent, 2) + QStringLiteral(" %");
}

const QString Full = QStringLiteral("100 %");

qint32 &SendPointer(TPortInfo &device, int server)
{
    qint32 *const pointers[] = {&device.FMemorySend1, &device.FMemorySend2, &device.FMemorySend3,
                                &device.FMemorySend4};
    return *pointers[server - 1];
}

// Servers 2 to 4 that the MD records marked unused get no percentages.
bool ServerInUse(const TVersion1Record &r, int server)
{
    return server == 1 || r.Decoder().ServerName(server) != u"-";
}

// The pointers of one server, as the current device keeps them. The storage records need the
// device: without one they are not taken.
struct TPointers
{
    qint64 Send = 0;
    qint64 Write = 0;
    qint64 Count = 0;
};

// Stores send pointer, write pointer and store size of `server` from fields 0 to 2.
TPointers StorePointers(const TVersion1Record &r, TPortInfo &device, int server)
{
    TPointers p;
    p.Send = SendPointer(device, server) = r.Integer(0);
    p.Write = device.FMemoryWrite = r.Integer(1);
    p.Count = device.FMemoryCount = r.Integer(2);
    return p;
}

bool DecodeRW(const TVersion1Record &r)
{
    TPortInfo *device = r.Device();
    if (!device)
        return false;
    r.Send(QStringLiteral("_StrorageWrite"), r.Text(1));
    const QStringView sent = r.Field(0);
    const qsizetype slash = sent.indexOf(u'/');
    r.Send(QStringLiteral("_StrorageSendServer1"),
           slash < 0 ? QString() : sent.left(slash).toString());
    r.Send(QStringLiteral("_StrorageSendServer2"), sent.mid(slash + 1).toString());
    device->FMemoryWrite = r.Integer(1);
    return true;
}

// RW1 to RW4: send pointer; write pointer; store size; offset.
bool DecodeRWn(const TVersion1Record &r)
{
    TPortInfo *device = r.Device();
    if (!device)
        return false;
    const int server = r.Key().back().digitValue();
    const TPointers p = StorePointers(r, *device, server);
    device->FMemoryOffset = r.Integer(3);
    if (!ServerInUse(r, server))
        return true;
    QString taken = Full;
    if (p.Send != p.Write) {
        // Behind the write pointer, or ahead of it once the write pointer has wrapped.
        const std::optional<double> gap = Ratio(qAbs(p.Write - p.Send), p.Count);
        if (!gap)
            return false;
        taken = PercentText(p.Send < p.Write ? 100.0 - *gap : *gap);
    }
    r.Send(QStringLiteral("_StrorageSendServer") + QString::number(server), taken);
    return true;
}

// The share of the files a server has taken.
std::optional<QString> FileSendText(const TPointers &p)
{
    if (p.Send == p.Write)
        return Full;
    const std::optional<double> share =
        p.Send < p.Write ? Ratio(p.Send, p.Write) : Ratio(p.Send - p.Write, p.Count);
    return share ? std::optional(PercentText(*share)) : std::nullopt;
}

// FS1 to FS4: send pointer; write pointer; store size. FS1 also reports the write share.
bool DecodeFSn(const TVersion1Record &r)
{
    TPortInfo *device = r.Device();
    if (!device)
        return false;
    const int server = r.Key().back().digitValue();
    const TPointers p = StorePointers(r, *device, server);
    if (server == 1) {
        QString written = Full;
        if (p.Send <= p.Write) {
            const std::optional<double> share = Ratio(p.Write - p.Send, p.Count);
            if (!share)
                return false;
            written = PercentText(*share);
        }
        r.Send(QStringLiteral("_FileWrite"), written);
    }
    if (!ServerInUse(r, server))
        return true;
    const std::optional<QString> sent = FileSendText(p);
    if (!sent)
        return false;
    r.Send(QStringLiteral("_FileSendServer") + QString::number(server), *sent);
    return true;
}

} // namespace

void AddVersion1StorageRules(TVersion1Rules &rules)
{
    rules.insert(Version1KeyCode(u"RW"), &DecodeRW);
    for (const char16_t *key : {u"RW1", u"RW2", u"RW3", u"RW4"})
        rules.insert(Version1KeyCode(key), &DecodeRWn);
    for (const char16_t *key : {u"FS1", u"FS2", u"FS3", u"FS4"})
        rules.insert(Version1KeyCode(key), &DecodeFSn);
}
