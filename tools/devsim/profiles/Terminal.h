#pragma once

#include <QByteArray>
#include <QObject>

// How the line should deliver one piece of output.
enum class Delivery
{
    // Part of the ordinary stream: may be split and may get noise in front of it.
    Stream,
    // Must reach the reader as one chunk of its own (the configurator recognises firmware
    // requests by the size of the chunk that carries them).
    WholeChunk,
};

// One simulated terminal model. It never touches the line itself: it is fed the bytes the
// line received and announces what it would write, so it can be driven directly by tests.
class Terminal : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Called once when the line is ready.
    virtual void start() {}
    // Bytes from the line, in whatever chunks they arrived.
    virtual void receive(const QByteArray &bytes) = 0;
    // One second of the terminal's life has passed.
    virtual void tick() {}

Q_SIGNALS:
    // One record, frame or text line to write.
    void send(const QByteArray &bytes, Delivery delivery = Delivery::Stream);
};
