// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "GuiTest.h"

#include <QApplication>
#include <QWidget>

namespace quantell::test {

void click(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* control = window->findChild<QWidget*>(name); control && control->isVisible())
            return QTest::mouseClick(control, Qt::LeftButton);
    ADD_FAILURE() << "no control " << name.toStdString();
}

} // namespace quantell::test

// Window tests share one application, as the program has one, on the test platform the build
// chose unless told otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QUANTELL_TEST_PLATFORM);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
