#include "protocol/version1/Version1.h"

#include "protocol/PacketAssembly.h"
#include "protocol/version1/Version1Record.h"

TVersion1::TVersion1(TReceiveState &receive, TDecoderHost &host)
    : m_receive(receive)
    , m_host(host)
{
}

QString TVersion1::Version1Field(QStringView value, int index)
{
    const TVersion1Fields fields(value);
    const QStringView field = fields.At(index);
    return field.isNull() ? QString() : field.toString();
}

QString &TVersion1::ServerName(int server)
{
    switch (server) {
    case 1:
        return ServerName1;
    case 2:
        return ServerName2;
    case 3:
        return ServerName3;
    case 4:
        return ServerName4;
    default:
        return ServerName0;
    }
}

void TVersion1::AssembleVersion1(qint64 rawIndex)
{
    if (rawIndex < 0 || rawIndex >= m_receive.RawChunks.size())
        return;
    const TPacket chunk = m_receive.RawChunks[rawIndex];
    TPacketArray &packets = m_receive.Version1Packets;
    if (!BeginChunk(packets, chunk))
        return;
    for (;;) {
        const TPacket last = packets.constLast();
        const qint64 marker = Find('>', last.Position, last.Size);
        if (marker < 0)
            return;
        if (marker == last.Position) {
            const qint64 lineEnd = FindLineEnd(last.Position, last.Size);
            if (lineEnd < 0 || !CompleteLine(lineEnd, chunk))
                return;
        } else {
            SplitLastEntry(packets, chunk, marker); // the text before it is an entry of its own
        }
    }
}

bool TVersion1::CompleteLine(qint64 lineEnd, const TPacket &chunk)
{
    TPacketArray &packets = m_receive.Version1Packets;
    const qsizetype a = packets.size() - 1;
    TPacket &line = packets[a];
    const bool previousOpen = a > 0 && packets[a - 1].State == TPacket::Open;
    // A line that never ended followed by a new one: its bytes go to the open entry before it.
    const qint64 inner = Find('>', line.Position + 1, lineEnd - line.Position - 1);
    if (inner >= 0 && previousOpen) {
        const qint64 moved = inner - line.Position;
        packets[a - 1].Size += moved;
        line.Position += moved;
    }
    line.Size = lineEnd + 2 - line.Position;
    line.State = TPacket::Received;
    if (Find('=', line.Position, line.Size) >= 0) {
        DecodeVersion1(a); // strings it sends are logged after the line
    } else if (previousOpen) {
        packets[a - 1].Size += line.Size; // no record: it joins the open text before it
        packets.removeLast();
    } else {
        line.State = TPacket::Open;
    }
    if (lineEnd + 2 == chunk.Position + chunk.Size)
        return false;
    AppendChunkRest(packets, chunk, lineEnd + 2);
    return true;
}

qint64 TVersion1::Find(char sign, qint64 from, qint64 size) const
{
    const qsizetype found = m_receive.Buffer.View(from, size).indexOf(sign);
    return found < 0 ? -1 : from + found;
}

qint64 TVersion1::FindLineEnd(qint64 from, qint64 size) const
{
    const QByteArrayView bytes = m_receive.Buffer.View(from, size);
    for (qsizetype cr = bytes.indexOf('\r'); cr >= 0; cr = bytes.indexOf('\r', cr + 1)) {
        if (cr + 1 < bytes.size() && bytes[cr + 1] == '\n')
            return from + cr;
    }
    return -1;
}

void TVersion1::DecodeVersion1(qint64 index)
{
    TPacketArray &packets = m_receive.Version1Packets;
    if (index < 0 || index >= packets.size() || packets[index].State != TPacket::Received)
        return;
    const TPacket entry = packets[index];
    // The line after its start marker, line end included; each byte is one character.
    const QString text =
        QString::fromLatin1(m_receive.Buffer.View(entry.Position + 1, entry.Size - 1));
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return;
    const QStringView key = QStringView(text).left(equals);
    const TVersion1Rule rule = FindVersion1Rule(key);
    if (!rule)
        return;
    const TVersion1Record record(*this, m_host, key, QStringView(text).mid(equals + 1));
    // Rules may send strings, which the send path logs in this list: look the entry up again.
    packets[index].State = rule(record) ? TPacket::Recognised : TPacket::Received;
}
