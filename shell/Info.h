// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>
#include <QPointer>

class QPushButton;

namespace quantell {

class Licences;

// The about window: product, version, what the program does and the copyright; Enter and Esc
// close it through OK. The line naming Qt opens the licence window, one at a time.
class Info : public QDialog {
    Q_OBJECT
public:
    Info();

protected:
    // Enter and Esc press OK whatever modifiers are held, as in the main window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* m_ok = nullptr;
    QPointer<Licences> m_licences;
};

} // namespace quantell
