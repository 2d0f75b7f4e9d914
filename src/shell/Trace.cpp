#include "shell/Trace.h"

#include <QFile>
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

void write(const QJsonObject &event)
{
    if (!stream())
        return;
    QByteArray line = QJsonDocument(event).toJson(QJsonDocument::Compact);
    line.append('\n');
    stream()->write(line);
}

} // namespace Trace
