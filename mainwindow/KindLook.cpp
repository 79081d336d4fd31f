#include "KindLook.h"

namespace quantell {

const std::array<KindLook, 4>& kindLooks() {
    static const std::array<KindLook, 4> looks{{
        {Kind::Length,
         "",
         "OpLength",
         "Length",
         "長さ",
         QColor(0, 0, 0),
         "長さの変換結果をテキスト化します",
         120,
         1470,
         1215,
         225,
         1875,
         75,
         {4, 6},
         {5, 16},
         23,
         1,
         30,
         1},
        {Kind::Square,
         "S",
         "OpSquare",
         "Square",
         "面積",
         QColor(255, 102, 0),
         "面積の変換結果をテキスト化します",
         2280,
         3600,
         1215,
         225,
         1845,
         60,
         {7, 9},
         {8, 21},
         37,
         1,
         44,
         1},
        {Kind::Cubic,
         "C",
         "OpCubic",
         "Cubic",
         "体積",
         QColor(0, 0, 255),
         "体積の変換結果をテキスト化します",
         4440,
         5640,
         1095,
         255,
         1845,
         60,
         {10, 12},
         {11, 22},
         64,
         -1,
         57,
         -1},
        {Kind::Weight,
         "W",
         "OpWeight",
         "Weight",
         "重さ",
         QColor(0, 128, 0),
         "重さの変換結果をテキスト化します",
         6600,
         7800,
         1095,
         255,
         1845,
         60,
         {13, 15},
         {14, 65},
         66,
         1,
         73,
         1},
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
