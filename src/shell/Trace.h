#pragma once

#include <QJsonValue>
#include <QString>

#include <initializer_list>
#include <utility>

// The --trace stream: one JSON object per line for every hint shown, value routed, string sent
// and chunk received, flushed at once so that scripts can follow the program live.
namespace Trace {

// Opens the stream on `path` ("-" for standard output); false when it cannot be opened.
bool open(const QString &path);
void close();
bool enabled();
// Writes the fields as one JSON object, in the order given ("t", the event type, first).
void write(std::initializer_list<std::pair<QString, QJsonValue>> event);

} // namespace Trace
