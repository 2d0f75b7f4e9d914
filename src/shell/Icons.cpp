#include "shell/Icons.h"

#include "i18n/Dictionary.h"

#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace Icons {

namespace {

const QHash<QString, QString> &resourceIndex()
{
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> result;
        const QDir dir(QStringLiteral(":/icons"));
        for (const QString &file : dir.entryList({QStringLiteral("*.svg")}, QDir::Files))
            result.insert(foldAsciiCase(QStringView(file).chopped(4)), dir.filePath(file));
        return result;
    }();
    return index;
}

QString resourcePath(const QString &name)
{
    const QHash<QString, QString> &index = resourceIndex();
    const auto it = index.constFind(foldAsciiCase(name));
    return it != index.cend() ? *it : index.value(QStringLiteral("i_default"));
}

} // namespace

bool Exists(const QString &name)
{
    return resourceIndex().contains(foldAsciiCase(name));
}

QPixmap Pixmap(const QString &name, int size, const QColor &tint)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QString path = resourcePath(name);
    const QString key = path + u'@' + QString::number(size) + u'/' + QString::number(ratio) + u'/' +
                        (tint.isValid() ? tint.name(QColor::HexArgb) : QString());
    static QHash<QString, QPixmap> cache;
    if (const auto it = cache.constFind(key); it != cache.cend())
        return *it;

    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(path).render(&painter);
        if (tint.isValid()) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(pixmap.rect(), tint);
        }
    }
    pixmap.setDevicePixelRatio(ratio);
    cache.insert(key, pixmap);
    return pixmap;
}

QIcon Icon(const QString &name, int size, const QColor &tint)
{
    return QIcon(Pixmap(name, size, tint));
}

} // namespace Icons
