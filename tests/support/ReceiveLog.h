#pragma once

#include "protocol/ReceiveState.h"

#include <QStringList>

// Appends a chunk to the receive buffer and the raw chunk log as the receive dispatch (State 1)
// or the send queue (State 255) does; returns the index of its raw record.
inline qint64 AppendChunk(TReceiveState &receive, const QByteArray &bytes,
                          quint8 state = TPacket::Received)
{
    receive.RawChunks.append({DateTimeNow(), receive.Buffer.Size(), bytes.size(), state});
    receive.Buffer.Write(bytes);
    return receive.RawChunks.size() - 1;
}

// The entries of a packet list as "state:bytes", the bytes as text or as upper-case hex.
inline QStringList Entries(const TReceiveState &receive, const TPacketArray &packets,
                           bool hex = false)
{
    QStringList entries;
    for (const TPacket &p : packets) {
        const QByteArray bytes = receive.Buffer.View(p.Position, p.Size).toByteArray();
        entries.append(
            QString::number(p.State) + u':' +
            (hex ? QString::fromLatin1(bytes.toHex().toUpper()) : QString::fromLatin1(bytes)));
    }
    return entries;
}
