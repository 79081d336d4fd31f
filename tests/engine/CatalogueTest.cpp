#include "engine/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quantell {
namespace {

struct KindRow {
    Kind kind;
    std::array<std::string_view, kUnitCount> names;
    // The exact doubles the conversions use; their last bits show in the fourth decimal.
    std::array<double, kUnitCount> factors;
    std::vector<int> withCompanion;
};

const KindRow kKinds[] = {
    {Kind::Length,
     {"mm", "cm", "m", "km", "in", "ft", "yd"},
     {0.001, 0.01, 1, 1000, 0.0254, 0.30479999999999996, 0.9144},
     {1, 2, 3, 5, 6}},
    {Kind::Square,
     {"cm'2", "m'2", "a", "km'2", "in'2", "ft'2", "yd'2"},
     {0.0001, 1, 100, 1000000, 0.00064516, 0.09290303999999998, 0.83612736},
     {1, 2, 3, 5, 6}},
    {Kind::Cubic,
     {"cm'3", "m'3", "dl", "l", "in'3", "ft'3", "yd'3"},
     {1.0000000000000002e-06, 1, 0.00010000000000000002, 0.0010000000000000002, 1.6387064e-05,
      0.02831684659199999, 0.764554857984},
     {1, 3, 5, 6}},
    {Kind::Weight,
     {"mg", "g", "kg", "grain", "dram", "ounce", "pound"},
     {0.001, 1, 1000, 0.0648, 1.77184375, 28.3495, 453.592},
     {1, 2, 5, 6}},
};

TEST(Catalogue, NamesFactorsAndCompanionsInOrder) {
    for (const KindRow& row : kKinds) {
        const UnitTable& table = units(row.kind);
        for (int i = 0; i < kUnitCount; ++i) {
            SCOPED_TRACE(row.names[i]);
            const Unit& unit = table[static_cast<std::size_t>(i)];
            EXPECT_EQ(unit.name, row.names[i]);
            EXPECT_EQ(unit.factor, row.factors[i]);
            const bool twoTerms = std::ranges::count(row.withCompanion, i) == 1;
            EXPECT_EQ(secondUnitFor(row.kind, i), twoTerms ? i - 1 : i);
        }
    }
}

} // namespace
} // namespace quantell
