// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>

namespace quantell {

// The application icon shows at its natural size on the splash and the about window.
inline constexpr int kIconPixels = 32;

// The icon "app" (the program's: program file, splash logo, about window) or "main" (the
// main window's) with every size the resources hold, ":/icons/<name>-<size>.png", so a
// window and the task bar get a sharp image at any screen scale. At 32 x 32 it is the
// 16-colour image.
QIcon resourceIcon(const QString& name);

} // namespace quantell
