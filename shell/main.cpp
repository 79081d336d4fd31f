#include "mainwindow/MainForm.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quantell::MainForm form;
    form.show();
    return app.exec();
}
