#pragma once

#include "protocol/ReceiveState.h"
#include "settings/Variant.h"

class TDecoderHost;

// Generation 3: the BLE sensor hub (type "250"). Every request 31 10 type ... crc gets one reply
// 3E 10 type body, whose length follows from its type. Builds Version3Packets from the raw
// chunks, decodes the replies and lets the current device write its next queued request once
// a reply has been taken in.
class TVersion3
{
public:
    TVersion3(TReceiveState &receive, TDecoderHost &host);

    // Takes in the raw chunk `rawIndex`: extends or completes entries of Version3Packets and
    // decodes each reply it completes. After a reply that ends at the end of the received data
    // the current device may write its next request.
    void AssembleVersion3(qint64 rawIndex);
    // Decodes entry `index` of Version3Packets when it is a complete, undecoded reply (State 1):
    // State 2 for the types the decoder takes, State 1 for the others (0xB3, 0xB6, unknown
    // types, a sensor state that answers no logged request, a frame shorter than its type).
    void DecodeVersion3(qint64 index);

private:
    void DecodeMaster(qint64 frame) const;
    void DecodeSlots(qint64 frame) const;
    void ShowResult(quint8 code) const;
    // Shows a sensor state when the entry before it is the request it answers; false otherwise.
    bool DecodeSensorState(qint64 index) const;
    void DecodeSearch(qint64 frame) const;
    void Send(const QString &ident, const Variant &value) const;

    TReceiveState &m_receive;
    TDecoderHost &m_host;
};
