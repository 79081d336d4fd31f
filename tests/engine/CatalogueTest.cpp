#include "engine/Catalogue.h"

#include <gtest/gtest.h>

namespace quantell {
namespace {

struct FactorRow {
    Kind kind;
    std::size_t unit;
    double factor;
};

// The factors that are not the plain decimal, whose last bits show in the fourth decimal of
// the results, and the are, the one unit whose name does not tell its size.
const FactorRow kFactors[] = {
    {Kind::Length, 5, 0.30479999999999996},   // ft
    {Kind::Square, 2, 100},                   // a
    {Kind::Square, 5, 0.09290303999999998},   // ft'2
    {Kind::Cubic, 0, 1.0000000000000002e-06}, // cm'3
    {Kind::Cubic, 2, 0.00010000000000000002}, // dl
    {Kind::Cubic, 3, 0.0010000000000000002},  // l
    {Kind::Cubic, 5, 0.02831684659199999},    // ft'3
    {Kind::Weight, 4, 1.77184375},            // dram
    {Kind::Weight, 5, 28.3495},               // ounce
};

TEST(Catalogue, FactorsAreTheExactDoubles) {
    for (const FactorRow& row : kFactors)
        EXPECT_EQ(units(row.kind)[row.unit].factor, row.factor) << units(row.kind)[row.unit].name;
}

// Per kind, unit by unit: 'c' where the unit takes the unit below it as second term.
constexpr std::string_view kCompanions[] = {"-ccc-cc", "-ccc-cc", "-c-c-cc", "-cc--cc"};

TEST(Catalogue, CompanionIsTheUnitBelow) {
    for (const Kind kind : kAllKinds)
        for (int i = 0; i < kUnitCount; ++i)
            EXPECT_EQ(secondUnitFor(kind, i), kCompanions[int(kind)][i] == 'c' ? i - 1 : i) << i;
}

} // namespace
} // namespace quantell
