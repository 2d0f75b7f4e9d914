#pragma once

#include "protocol/ReceiveState.h"
#include "settings/Variant.h"

class TDecoderHost;

// Generation 2: binary frames 55 AA, type (u32), payload length L (u16), payload, 2-byte
// trailer. Builds Version2Packets from the raw chunks and shows the five known record types.
// Nothing is ever sent in this generation.
class TVersion2
{
public:
    TVersion2(TReceiveState &receive, TDecoderHost &host);

    // Takes in the raw chunk `rawIndex`: extends or completes entries of Version2Packets and
    // decodes each frame it completes.
    void AssembleVersion2(qint64 rawIndex);
    // Decodes entry `index` of Version2Packets when it is a complete, undecoded frame (State 1):
    // State 2 for a known record type whose payload holds all its fields; State 1 otherwise,
    // showing nothing.
    void DecodeVersion2(qint64 index);

private:
    void DecodeNavigation(qint64 frame) const;
    void DecodeTime(qint64 frame) const;
    void DecodeModem(qint64 frame) const;
    void DecodePower(qint64 frame) const;
    void DecodeInputsOutputs(qint64 frame) const;
    void Send(const QString &ident, const Variant &value) const;

    TReceiveState &m_receive;
    TDecoderHost &m_host;
};
