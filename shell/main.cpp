#include "shell/Shell.h"
#include "shell/ShellLook.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(quantell::productName);
    QApplication::setOrganizationName(quantell::makerName);
    QApplication::setApplicationVersion(QStringLiteral(QUANTELL_VERSION_TEXT));
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(QUANTELL_APP_ID));
    quantell::Shell shell;
    return app.exec();
}
