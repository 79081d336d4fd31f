// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QWidget;

namespace quantell {

// Where the main window tells the user that something could not be done (the other windows
// never warn); tests hold a recorder here.
class Messenger {
public:
    virtual ~Messenger() = default;
    virtual void warn(QWidget* parent, const QString& text) = 0;
};

// Shows a warning message box.
Messenger& defaultMessenger();

} // namespace quantell
