#pragma once

#include "profiles/Terminal.h"

#include <QList>

// Records what a terminal sends, so tests can feed it requests and read its answers.
class TerminalProbe
{
public:
    explicit TerminalProbe(Terminal &terminal)
    {
        QObject::connect(&terminal, &Terminal::send, &terminal,
                         [this](const QByteArray &bytes, Delivery delivery) {
                             sent.append(bytes);
                             deliveries.append(delivery);
                         });
    }

    // Everything sent since the last take, and forget it.
    QList<QByteArray> take()
    {
        deliveries.clear();
        return std::exchange(sent, {});
    }

    QList<QByteArray> sent;
    QList<Delivery> deliveries;
};

// Feeds bytes in pieces of at most size bytes, as a line may deliver them.
inline void feedInPieces(Terminal &terminal, const QByteArray &bytes, int size)
{
    for (qsizetype at = 0; at < bytes.size(); at += size)
        terminal.receive(bytes.mid(at, size));
}
