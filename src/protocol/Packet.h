#pragma once

#include "protocol/MyTypes.h"

#include <QList>
#include <QtGui/qrgb.h>

// A received chunk, a sent string or an assembled packet, described by its place in the
// receive buffer.
struct TPacket
{
    enum : quint8
    {
        Open = 0,
        Received = 1,
        Recognised = 2,
        Sent = 255
    };

    TDateTime Time = 0;
    qint64 Position = 0;
    qint64 Size = 0;
    quint8 State = Open;

    QRgb Color() const
    {
        switch (State) {
        case 0:
            return qRgb(255, 0, 0);
        case 1:
            return qRgb(128, 128, 128);
        case 2:
            return qRgb(0, 128, 0);
        case 3:
            return qRgb(252, 15, 192);
        case 255:
            return qRgb(176, 176, 0);
        default:
            return qRgb(255, 255, 255);
        }
    }
};

using TPacketArray = QList<TPacket>;
