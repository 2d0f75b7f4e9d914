#pragma once

#include "protocol/Packet.h"

// Steps the assemblers of the three generations share. Each works on the generation's packet
// list and the raw chunk being taken in; only the last entry of a list can still grow.

// Starts taking in `chunk`: the open last entry grows to the chunk's end, or a new entry covers
// the chunk. A sent string becomes an entry of its own, and then false: there is nothing to read.
bool BeginChunk(TPacketArray &packets, const TPacket &chunk);
// Appends an open entry for the chunk's bytes from `position` to its end.
void AppendChunkRest(TPacketArray &packets, const TPacket &chunk, qint64 position);
// The last entry ends before `position`, keeping its state, and the chunk's bytes from there on
// become a new open entry.
void SplitLastEntry(TPacketArray &packets, const TPacket &chunk, qint64 position);
