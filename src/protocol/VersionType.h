#pragma once

#include <QString>

// Protocol generation of the current device.
enum TVersionType
{
    vtDetect,
    vtVersion0,
    vtVersion1,
    vtVersion2,
    vtVersion3
};

inline QString VersionName(TVersionType version)
{
    static const char *const names[] = {"vtDetect", "vtVersion0", "vtVersion1", "vtVersion2",
                                        "vtVersion3"};
    return QString::fromLatin1(names[version]);
}
