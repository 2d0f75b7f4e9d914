#pragma once

#include "protocol/MemoryStreamEx.h"
#include "protocol/Packet.h"

#include <QString>

// The texts of one data-log row: when it happened and what it carried.
namespace LogRows {

// Where the text goes: the list, the terminal (copied by double-click) or a saved file.
enum class Use
{
    List,
    Terminal,
    File
};

// "PC > DEVICE" for a sent string, else the arrival time as hh:mm:ss.zzz.
QString TimeText(const TPacket &packet);
// Hexadecimal: every byte as two digits and a space. Text: every byte as the character of the
// same code, with the first line break shown as "¶" (list with `showEnter`, terminal) or dropped
// (file).
QString DataText(const TMemoryStreamEx &buffer, const TPacket &packet, bool hex, Use use,
                 bool showEnter = false);

} // namespace LogRows
