// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include "mainwindow/MainForm.h"
#include "shell/Info.h"
#include "shell/StartDialog.h"

#include <QTimer>

#include <functional>
#include <memory>

namespace quantell::test {

// Makes the program's three windows, the splash kept from handing over, runs `made`, then shows
// each and calls `see` on it.
inline void eachWindow(
    const std::function<void(QWidget*)>& see, const std::function<void()>& made = [] {}) {
    const std::unique_ptr<QWidget> windows[] = {
        std::make_unique<StartDialog>(), std::make_unique<MainForm>(), std::make_unique<Info>()};
    windows[0]->findChild<QTimer*>("Timer1")->stop();
    made();
    for (const auto& window : windows) {
        window->show();
        see(window.get());
    }
}

} // namespace quantell::test
