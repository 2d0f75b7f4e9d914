#include "protocol/HubFrames.h"

namespace HubFrames {

qint64 ReplyLength(quint8 type, quint8 count)
{
    switch (type) {
    case MasterInfo:
    case SensorState:
        return 36;
    case SlotSettings:
        return 52;
    case SlotWrite:
    case SensorWrite:
    case 0xB6:
        return 5;
    case 0xB3:
        return 59;
    case Command:
        return 6;
    case Search:
        return 8 * qint64(count) + 5;
    default:
        return 4;
    }
}

} // namespace HubFrames
