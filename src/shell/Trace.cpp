#include "shell/Trace.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <memory>

namespace Trace {

namespace {
std::unique_ptr<QFile> &stream()
{
    static std::unique_ptr<QFile> file;
    return file;
}
} // namespace

bool open(const QString &path)
{
    auto file = std::make_unique<QFile>();
    const bool ok =
        path == u"-"
            ? file->open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered)
            : (file->setFileName(path),
               file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered));
    if (ok)
        stream() = std::move(file);
    return ok;
}

void close()
{
    stream().reset();
}

bool enabled()
{
    return stream() != nullptr;
}

void write(std::initializer_list<std::pair<QString, QJsonValue>> event)
{
    if (!stream())
        return;
    // QJsonObject would sort the keys; build the line by hand to keep the event type first,
    // letting QJsonDocument escape each value.
    QByteArray line = "{";
    for (const auto &[key, value] : event) {
        if (line.size() > 1)
            line += ',';
        const QByteArray pair =
            QJsonDocument(QJsonArray{key, value}).toJson(QJsonDocument::Compact);
        const qsizetype comma = pair.indexOf("\",") + 1; // the key itself holds no quote
        line += pair.mid(1, comma - 1) + ':' + pair.mid(comma + 1, pair.size() - comma - 2);
    }
    line += "}\n";
    stream()->write(line);
}

} // namespace Trace
