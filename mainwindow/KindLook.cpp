#include "KindLook.h"

namespace quantell {

const std::array<KindLook, 4>& kindLooks() {
    static const std::array<KindLook, 4> looks{{
        {.kind = Kind::Length,
         .prefix = "",
         .option = "OpLength",
         .word = "Length",
         .japanese = "長さ",
         .titleColour = QColor(0, 0, 0),
         .reportTip = "長さの変換結果をテキスト化します",
         .x = 120,
         .nameX = 1470,
         .ansWidth = 1215,
         .optionHeight = 225,
         .nameTopRow0 = 1875,
         .nameTopOffset = 75,
         .numTab = {4, 6},
         .unitTab = {5, 16}},
        {.kind = Kind::Square,
         .prefix = "S",
         .option = "OpSquare",
         .word = "Square",
         .japanese = "面積",
         .titleColour = QColor(255, 102, 0),
         .reportTip = "面積の変換結果をテキスト化します",
         .x = 2280,
         .nameX = 3600,
         .ansWidth = 1215,
         .optionHeight = 225,
         .nameTopRow0 = 1845,
         .nameTopOffset = 60,
         .numTab = {7, 9},
         .unitTab = {8, 21}},
        {.kind = Kind::Cubic,
         .prefix = "C",
         .option = "OpCubic",
         .word = "Cubic",
         .japanese = "体積",
         .titleColour = QColor(0, 0, 255),
         .reportTip = "体積の変換結果をテキスト化します",
         .x = 4440,
         .nameX = 5640,
         .ansWidth = 1095,
         .optionHeight = 255,
         .nameTopRow0 = 1845,
         .nameTopOffset = 60,
         .numTab = {10, 12},
         .unitTab = {11, 22}},
        {.kind = Kind::Weight,
         .prefix = "W",
         .option = "OpWeight",
         .word = "Weight",
         .japanese = "重さ",
         .titleColour = QColor(0, 128, 0),
         .reportTip = "重さの変換結果をテキスト化します",
         .x = 6600,
         .nameX = 7800,
         .ansWidth = 1095,
         .optionHeight = 255,
         .nameTopRow0 = 1845,
         .nameTopOffset = 60,
         .numTab = {13, 15},
         .unitTab = {14, 65}},
    }};
    return looks;
}

const KindLook& lookOf(Kind kind) {
    return kindLooks()[static_cast<std::size_t>(kind)];
}

QString controlName(const KindLook& look, const char* array, int index) {
    return QStringLiteral("%1%2(%3)").arg(look.prefix, array).arg(index);
}

} // namespace quantell
