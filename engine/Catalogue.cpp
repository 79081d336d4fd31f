// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

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

using Catalogue = std::array<UnitTable, kAllKinds.size()>;

Catalogue makeCatalogue() {
    const double tenth = 0.1;
    return {{
        {{{"mm", "ミリメートル", 0.001, false},
          {"cm", "センチメートル", 0.01, true},
          {"m", "メートル", 1, true},
          {"km", "キロメートル", 1000, true},
          {"in", "インチ", kInch, false},
          {"ft", "フィート", kFoot, true},
          {"yd", "ヤード", kYard, true}}},
        // "a" is the are: 100 square metres.
        {{{"cm'2", "平方センチメートル", std::pow(0.01, 2), false},
          {"m'2", "平方メートル", 1, true},
          {"a", "アール", 100, true},
          {"km'2", "平方キロメートル", std::pow(1000.0, 2), true},
          {"in'2", "平方インチ", std::pow(kInch, 2), false},
          {"ft'2", "平方フィート", std::pow(kFoot, 2), true},
          {"yd'2", "平方ヤード", std::pow(kYard, 2), true}}},
        {{{"cm'3", "立方センチメートル", std::pow(0.01, 3), false},
          {"m'3", "立方メートル", 1, true},
          {"dl", "デシリットル", std::pow(tenth, 3) / 10, false},
          {"l", "リットル", std::pow(tenth, 3), true},
          {"in'3", "立方インチ", std::pow(kInch, 3), false},
          {"ft'3", "立方フィート", std::pow(kFoot, 3), true},
          {"yd'3", "立方ヤード", std::pow(kYard, 3), true}}},
        {{{"mg", "ミリグラム", 0.001, false},
          {"g", "グラム", 1, true},
          {"kg", "キログラム", 1000, true},
          {"grain", "グレーン", 0.0648, false},
          {"dram", "ドラム", kPound / 16 / 16, false},
          {"ounce", "オンス", kPound / 16, true},
          {"pound", "ポンド", kPound, true}}},
    }};
}

} // namespace

const UnitTable& units(Kind kind) {
    static const Catalogue catalogue = makeCatalogue();
    return catalogue[static_cast<std::size_t>(kind)];
}

int secondUnitFor(Kind kind, int first) {
    return units(kind)[static_cast<std::size_t>(first)].hasCompanion ? first - 1 : first;
}

} // namespace quantell
