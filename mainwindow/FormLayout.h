// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include "engine/Catalogue.h"
#include "look/Layout.h"

#include <QColor>
#include <QSize>

#include <array>

namespace quantell {

inline constexpr QSize kMainFormTwips{11205, 4350};

// The command buttons by what they do, in the order of their rows: ComChange converts the current
// kind, ComClear clears it, ComInfo shows the about window, ComQuit closes the window, ComText
// appends the kind to the report, ComTxClear clears the report, ComClip copies it and ComNote
// opens a text editor.
enum class Command {
    Convert,
    ClearKind,
    ShowAbout,
    Quit,
    AppendReport,
    ClearReport,
    CopyReport,
    OpenEditor
};
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::OpenEditor) + 1;

// The window's own controls; each kind's column is laid out by columnLayout().
struct FormLayout {
    std::array<ControlSpec, kCommandCount> commands; // in Command order
    ControlSpec title;
    ControlSpec report;
};

const FormLayout& formLayout();

// A kind's row of the kind table: what its column is called, how it reads and where it stands
// on the main window.
struct KindLayout {
    Kind kind;
    const char* prefix;   // of the kind's control arrays: Num, SNum, CNum, WNum
    const char* option;   // option button name
    const char* word;     // option caption and window title word
    const char* japanese; // the kind's name in accessible names and ComText's tip
    QColor titleColour;   // TitleLabel while the kind is current
    int x;                // column left edge, twips
    int symbolX;          // unit symbols' left edge, twips
    int resultWidth;      // result label width, twips
    int optionHeight;     // twips
    int symbolTopRow0;    // unit symbol's top in row 0; later rows sit symbolTopOffset below
    int symbolTopOffset;  // their result label's top
    std::array<int, 2> amountTabs, unitListTabs;
};

const KindLayout& kindLayout(Kind kind);

// A control's name, "Num" + "(1)" for array members.
QString controlName(const KindLayout& layout, const char* array, int index);

// A kind's column as laid out: its option button, two amount boxes with their unit lists, and
// seven result boxes with their unit names, row i for unit i.
struct ColumnLayout {
    ControlSpec option;
    std::array<ControlSpec, 2> amounts, unitLists;
    std::array<ControlSpec, kUnitCount> results, unitSymbols;
};

ColumnLayout columnLayout(const KindLayout& layout);

} // namespace quantell
