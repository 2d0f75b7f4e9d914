#pragma once

#include <QtGlobal>

// The BLE sensor hub's frames, as both ends of the line know them.
namespace HubFrames {

// Request and reply types; a reply carries the type of the request it answers.
enum Type : quint8
{
    MasterInfo = 0xB0,
    SlotSettings = 0xB1,
    SlotWrite = 0xB2,
    SensorState = 0xB4,
    SensorWrite = 0xB5,
    Command = 0xB7,
    Search = 0xB8,
};

// Length of a whole reply frame of `type`: marker, type, body and check byte. A search reply's
// length follows from its sensor count, the byte after the type.
qint64 ReplyLength(quint8 type, quint8 count);

} // namespace HubFrames
