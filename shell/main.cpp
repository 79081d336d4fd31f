#include "shell/Shell.h"
#include "shell/ShellLook.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(quantell::productName);
    QApplication::setOrganizationName(quantell::makerName);
    QApplication::setApplicationVersion(QStringLiteral(QUANTELL_VERSION_TEXT));
    QApplication::setWindowIcon(quantell::applicationIcon());
    quantell::Shell shell;
    return app.exec();
}
