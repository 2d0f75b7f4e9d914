#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's icon resources, looked up by name ignoring letter case. A name that has no
// icon falls back to "I_DEFAULT". Monochrome glyphs (the caption and log buttons) are drawn in
// the colour asked for.
namespace Icons {

bool Exists(const QString &name);
QPixmap Pixmap(const QString &name, int size, const QColor &tint = QColor());
QIcon Icon(const QString &name, int size, const QColor &tint = QColor());

} // namespace Icons
