#pragma once

#include "protocol/MemoryStreamEx.h"
#include "protocol/Packet.h"

// Everything received and sent during the run, and the packet lists that describe it.
struct TReceiveState
{
    TMemoryStreamEx Buffer;
    TPacketArray RawChunks; // one record per received chunk and per sent string
    TPacketArray Version1Packets;
    TPacketArray Version2Packets;
    TPacketArray Version3Packets;
    TPacketArray *ShownLog = &RawChunks;
    qint32 DetectionStart = 0;
    qint64 BytesReceived = 0;
    qint64 BytesSent = 0;

    // Position of the raw chunk at the detection start, or the buffer end when there is none.
    qint64 DetectionStartPosition() const
    {
        return DetectionStart >= 0 && DetectionStart < RawChunks.size()
                   ? RawChunks[DetectionStart].Position
                   : Buffer.Size();
    }
};
