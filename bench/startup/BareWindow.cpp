#include <QApplication>
#include <QWidget>

// The yardstick for Quantell's start-up: the smallest Qt Widgets program that opens a window.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    return app.exec();
}
