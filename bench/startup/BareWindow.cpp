// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QLabel>

// The yardstick for Quantell's start-up: the smallest Qt Widgets program that opens a window
// with a text in it, so that both pay for starting the font system.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Quantell"));
    window.show();
    return app.exec();
}
