// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPointer>
#include <QSize>

class QAbstractButton;
class QComboBox;
class QKeyEvent;
class QWidget;

namespace quantell {

// The Japanese Gothic faces the windows are drawn in, as the system offers them.
QFont uiGothic(qreal points, bool bold = false);
QFont proportionalGothic(qreal points, bool bold = false);

// Where the face a desktop has needs more room than the layout gives (one standing in for a
// missing Windows face), a control grows to the right, and a label also down, rather than clip
// its text. A caption that fits keeps the layout's size. A control grown down over what lies
// below it moves that down, and its frame and window grow with it.
void growToText(QWidget* control);

// Where a list draws its entry, and how wide its widest entry is drawn.
QRect entryRoom(const QComboBox* list);
int widestEntry(const QComboBox* list);

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// The WCAG 2 contrast ratio of two colours, from 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// The windows' keys, whatever modifiers are held: Enter clicks `enter`, Esc `escape`. False for
// any other key.
bool clickForEnterOrEsc(const QKeyEvent* event, QAbstractButton* enter, QAbstractButton* escape);

// What every window of the program is, set before its controls are made: its name; `flags`
// (its type and title-bar buttons) in a frame with no sizing border and no maximize box round a
// fixed size given in twips (on Windows a fixed size alone still gets both); the windows' face
// and their light palette; tool tips that read on their background; context menus by keyboard. It
// opens in the middle of the screen at the size it has grown to, or, larger than the screen's free
// area, with its top left corner in that area, so that its title bar and first controls can be
// reached.
void setUpWindow(QWidget* window, const char* name, Qt::WindowFlags flags, QSize twips);

// A window the program has at most one of: made by `make` and shown where `window` holds none
// (or it has gone), then brought to the front.
template <class Window, class Make> void showOnce(QPointer<Window>& window, Make make) {
    if (!window) {
        window = make();
        window->show();
    }
    window->raise();
    window->activateWindow();
}

} // namespace quantell
