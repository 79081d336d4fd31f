#include "resources/Icons.h"

#include <QDir>

namespace quantell {

QIcon resourceIcon(const QString& name) {
    // The resource file alone says which sizes there are.
    QIcon icon;
    const QDir dir(QStringLiteral(":/icons"));
    for (const QString& file : dir.entryList({name + QStringLiteral("-*.png")}))
        icon.addFile(dir.filePath(file));
    return icon;
}

} // namespace quantell
