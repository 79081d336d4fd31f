#pragma once

#include "engine/Catalogue.h"

#include <QColor>
#include <QString>

#include <array>

namespace quantell {

// How a kind's column looks on the main window and what its option button sets.
struct KindLook {
    Kind kind;
    const char* prefix;    // of the kind's control arrays: Num, SNum, CNum, WNum
    const char* option;    // option button name
    const char* word;      // option caption and window title word
    const char* japanese;  // the kind's name in accessible names
    QColor titleColour;    // TitleLabel while the kind is current
    const char* reportTip; // ComText tool tip while the kind is current
    int x;                 // column left edge, twips
    int nameX;             // unit-name labels' left edge, twips
    int ansWidth;          // result label width, twips
    int optionHeight;      // twips
    int nameTopRow0;       // unit-name label top in row 0; later rows sit nameTopOffset below
    int nameTopOffset;     // their result label's top
    std::array<int, 2> numTab, unitTab;
};

const std::array<KindLook, 4>& kindLooks();
const KindLook& lookOf(Kind kind);

// A control's name, "Num" + "(1)" for array members.
QString controlName(const KindLook& look, const char* array, int index);

} // namespace quantell
