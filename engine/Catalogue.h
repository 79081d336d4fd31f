// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string_view>

namespace quantell {

// The quantity kinds, always handled in this order; their number is kAllKinds.size().
enum class Kind { Length, Square, Cubic, Weight };
inline constexpr std::array kAllKinds{Kind::Length, Kind::Square, Kind::Cubic, Kind::Weight};
inline constexpr int kUnitCount = 7;

struct Unit {
    std::string_view name;    // ASCII display name, "ft'2" style for squared and cubed units
    std::string_view reading; // the name in Japanese words (UTF-8), as screen readers say it
    double factor;            // size of one unit in the kind's base unit (m, m², m³, g)
    bool hasCompanion;        // as first unit, it takes the unit one index below as second term
};

using UnitTable = std::array<Unit, kUnitCount>;

// The seven units of a kind in catalogue order; index i is unit i everywhere in the program.
const UnitTable& units(Kind kind);

// The unit of the second term once `first` is chosen: its companion, or the first unit itself
// for a one-term unit. `first` must be a unit index 0 to 6.
int secondUnitFor(Kind kind, int first);

constexpr bool isUnitIndex(int index) {
    return index >= 0 && index < kUnitCount;
}

} // namespace quantell
