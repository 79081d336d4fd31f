// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

namespace quantell {

// Context menus by keyboard, as Windows has them, for every control that has one: Shift+F10 opens
// the focused control's menu as the Menu key does; a menu opened by the keyboard shows with its
// first entry active, so that a screen reader speaks it at once; and when a menu closes, readers
// hear that the focus is back in the control. Installed once for the whole program.
void keepKeyboardMenus();

} // namespace quantell
