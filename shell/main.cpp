#include "resources/Icons.h"
#include "shell/Shell.h"
#include "shell/ShellLook.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(quantell::productName);
    QApplication::setOrganizationName(quantell::makerName);
    QApplication::setApplicationVersion(QStringLiteral(QUANTELL_VERSION_TEXT));
    QApplication::setWindowIcon(quantell::resourceIcon("app"));
    quantell::Shell shell;
    return app.exec();
}
