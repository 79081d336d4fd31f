// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

class QPushButton;

namespace quantell {

// The about window: product, version, what the program does and the copyright; Enter and Esc
// close it through its one button.
class Info : public QDialog {
    Q_OBJECT
public:
    Info();

protected:
    // Enter and Esc press OK whatever modifiers are held, as in the main window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* m_ok = nullptr;
};

} // namespace quantell
