// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "resources/Product.h"
#include "shell/Shell.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quantell::installQtJapanese();
    namespace product = quantell::product;
    // The name is also the title of the message boxes.
    QApplication::setApplicationName(product::name);
    QApplication::setOrganizationName(product::maker);
    QApplication::setApplicationVersion(product::versionText);
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(product::appId);
    quantell::Shell shell;
    return app.exec();
}
