#pragma once

#include "profiles/Faults.h"

#include <QByteArray>

#include <optional>

// The terminal's half of a firmware upload. It asks for the image piece by piece with 5-byte
// requests (offset, 32-bit little-endian, and a reserved byte); each answer is
//   length n (16-bit LE) | 0 | 0 | n image bytes | CRC-16/CCITT-FALSE of all before (LE).
// A piece shorter than the largest one ends the image, and the terminal then asks for the end
// offset, which the configurator answers with an empty piece.
class FirmwareReceiver
{
public:
    static constexpr int MaxPiece = 1024;

    explicit FirmwareReceiver(Faults &faults)
        : m_faults(faults)
    {
    }

    static QByteArray request(quint32 offset);

    QByteArray firstRequest();
    // The next request once bytes complete an answer: the following offset, or the same one
    // again when the answer was damaged. Nothing while an answer is still incomplete, nor once
    // the image is complete.
    std::optional<QByteArray> receive(const QByteArray &bytes);
    // The current request again, forgetting a partial answer; after too many, gives up.
    std::optional<QByteArray> repeat();

    bool isComplete() const { return m_complete; }
    bool hasGivenUp() const { return m_repeats > MaxRepeats; }
    const QByteArray &image() const { return m_image; }

private:
    static constexpr int MaxRepeats = 5;

    Faults &m_faults;
    QByteArray m_pending;
    QByteArray m_image;
    quint32 m_offset = 0;
    int m_repeats = 0;
    bool m_complete = false;
};
