#pragma once

#include <QString>

// Texts that several protocol generations show the same way. Numbers, dates and times follow
// the user's regional settings (QLocale()).

// Seconds as "hh:mm:ss", preceded by "dd " when there are whole days: 90061 → 01 01:01:01.
QString UptimeText(quint32 seconds);
// Seconds since 1970-01-01 00:00:00 as the device counts them (no time-zone shift): the date and
// the time in the user's short formats, joined by one space.
QString DeviceTimeText(quint32 unixSeconds);
// A real number with a fixed count of decimals and the regional decimal separator, without
// group separators.
QString FixedText(double value, int decimals);
