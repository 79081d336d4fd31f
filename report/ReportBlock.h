// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include "engine/Catalogue.h"

#include <QString>

#include <array>

namespace quantell {

// What the current kind's controls show at the moment of the report command, verbatim.
struct ReportBlock {
    std::array<QString, 2> amounts;              // the two amount boxes
    std::array<QString, 2> units;                // the selected entries of the two unit lists
    std::array<QString, kUnitCount> results;     // result captions
    std::array<QString, kUnitCount> unitSymbols; // the unit symbols beside them
};

// The text the report box gains: a line break after what it already holds, then the header
// line and the seven result lines, each ended by a line break. Its line breaks are LF, as the
// box keeps them; the report leaves the program with CRLF (kLineBreak).
QString reportAddition(bool boxIsEmpty, const ReportBlock& block);

inline const QString kLineBreak = QStringLiteral("\r\n");

} // namespace quantell
