#pragma once

#include "protocol/ReceiveState.h"

#include <QString>

class TDecoderHost;

// Generation 1: text lines ">key=value\r\n". Builds Version1Packets from the raw chunks, one
// entry per record line or per stretch of other text, and decodes every complete record line
// into values on the window. Keeps the decoder state that lives for the whole run.
class TVersion1
{
public:
    TVersion1(TReceiveState &receive, TDecoderHost &host);

    // Takes in the raw chunk `rawIndex`: extends or completes entries of Version1Packets and
    // decodes each record line it completes.
    void AssembleVersion1(qint64 rawIndex);
    // Decodes entry `index` of Version1Packets when it is a complete, undecoded line (State 1):
    // State 2 when a rule took it; State 1 when no rule handles the key, the rule rejected the
    // line or failed.
    void DecodeVersion1(qint64 index);
    // Field `index` (from 0) of a record value; a null string when `index` is negative or the
    // value has fewer fields, an empty one for an empty field.
    static QString Version1Field(QStringView value, int index);

    // Host and port of server 1 to 4 as the MD records report them, "-" for an unused server 2
    // to 4; server 0 is the web server.
    QString &ServerName(int server);

    QString ServerName0 = QStringLiteral("WEB");
    QString ServerName1;
    QString ServerName2;
    QString ServerName3;
    QString ServerName4;
    // TW records since the last type query, and the uptime above which the next one goes out.
    qint32 TypeQueryCounter = 20;
    quint32 TypeQueryThreshold = 10;

private:
    // Completes the line at the start of the last entry, which ends at `lineEnd`, and decodes it;
    // false when that used up `chunk`.
    bool CompleteLine(qint64 lineEnd, const TPacket &chunk);
    qint64 Find(char sign, qint64 from, qint64 size) const;
    qint64 FindLineEnd(qint64 from, qint64 size) const;

    TReceiveState &m_receive;
    TDecoderHost &m_host;
};
