#include "Catalogue.h"

#include <cmath>

namespace quantell {

namespace {

// The foot is 12 × 0.0254 in doubles, one unit in the last place below 0.3048; the squared
// and cubed feet inherit that offset because they are its powers.
constexpr double kInch = 0.0254;
constexpr double kFoot = 0.30479999999999996;
constexpr double kYard = 0.9144;
constexpr double kPound = 453.592;

std::array<UnitTable, 4> makeCatalogue() {
    const double tenth = 0.1;
    return {{
        {{{"mm", 0.001, false},
          {"cm", 0.01, true},
          {"m", 1, true},
          {"km", 1000, true},
          {"in", kInch, false},
          {"ft", kFoot, true},
          {"yd", kYard, true}}},
        // "a" is the are: 100 square metres.
        {{{"cm'2", std::pow(0.01, 2), false},
          {"m'2", 1, true},
          {"a", 100, true},
          {"km'2", std::pow(1000.0, 2), true},
          {"in'2", std::pow(kInch, 2), false},
          {"ft'2", std::pow(kFoot, 2), true},
          {"yd'2", std::pow(kYard, 2), true}}},
        {{{"cm'3", std::pow(0.01, 3), false},
          {"m'3", 1, true},
          {"dl", std::pow(tenth, 3) / 10, false},
          {"l", std::pow(tenth, 3), true},
          {"in'3", std::pow(kInch, 3), false},
          {"ft'3", std::pow(kFoot, 3), true},
          {"yd'3", std::pow(kYard, 3), true}}},
        {{{"mg", 0.001, false},
          {"g", 1, true},
          {"kg", 1000, true},
          {"grain", 0.0648, false},
          {"dram", kPound / 16 / 16, false},
          {"ounce", kPound / 16, true},
          {"pound", kPound, true}}},
    }};
}

} // namespace

const UnitTable& units(Kind kind) {
    static const std::array<UnitTable, 4> catalogue = makeCatalogue();
    return catalogue[static_cast<std::size_t>(kind)];
}

int secondUnitFor(Kind kind, int first) {
    return units(kind)[static_cast<std::size_t>(first)].hasCompanion ? first - 1 : first;
}

} // namespace quantell
