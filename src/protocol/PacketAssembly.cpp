#include "protocol/PacketAssembly.h"

bool BeginChunk(TPacketArray &packets, const TPacket &chunk)
{
    if (!packets.isEmpty() && packets.constLast().State == TPacket::Open) {
        packets.last().Size = chunk.Position + chunk.Size - packets.constLast().Position;
        return true;
    }
    const bool sent = chunk.State == TPacket::Sent;
    packets.append({chunk.Time, chunk.Position, chunk.Size, sent ? TPacket::Sent : TPacket::Open});
    return !sent;
}

void AppendChunkRest(TPacketArray &packets, const TPacket &chunk, qint64 position)
{
    packets.append({chunk.Time, position, chunk.Position + chunk.Size - position, TPacket::Open});
}

void SplitLastEntry(TPacketArray &packets, const TPacket &chunk, qint64 position)
{
    packets.last().Size = position - packets.constLast().Position;
    AppendChunkRest(packets, chunk, position);
}
