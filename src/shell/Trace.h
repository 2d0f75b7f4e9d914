#pragma once

#include <QJsonObject>
#include <QString>

// The --trace stream: one JSON object per line for every hint shown, value routed, string sent
// and chunk received, flushed at once so that scripts can follow the program live.
namespace Trace {

// Opens the stream on `path` ("-" for standard output); false when it cannot be opened.
bool open(const QString &path);
void close();
bool enabled();
void write(const QJsonObject &event);

} // namespace Trace
