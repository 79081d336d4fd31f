// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "resources/Icons.h"

#include <QDir>

// The icons are compiled into this library; registering them here links them with every
// program that shows one.
static void registerIcons() {
    Q_INIT_RESOURCE(quantell);
}

namespace quantell {

QIcon resourceIcon(const QString& name) {
    static const bool registered = (registerIcons(), true);
    Q_UNUSED(registered);
    // The resource file alone says which sizes there are.
    QIcon icon;
    const QDir dir(QStringLiteral(":/icons"));
    for (const QString& file : dir.entryList({name + QStringLiteral("-*.png")}))
        icon.addFile(dir.filePath(file));
    return icon;
}

} // namespace quantell
