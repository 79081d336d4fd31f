#include "FormLayout.h"

#include "look/Window.h"
#include "resources/Product.h"

namespace quantell {

const FormLayout& formLayout() {
    // clang-format off
    static const FormLayout layout{
        .commands = {{
            {.name = "ComChange", .twips = {120, 120, 1335, 375}, .text = "変換（Enter）", .tabIndex = 17},
            {.name = "ComClear", .twips = {1680, 120, 1335, 375}, .text = "クリア（Esc）", .tabIndex = 18},
            {.name = "ComInfo", .twips = {5640, 120, 1335, 375}, .text = "アプリ情報", .tabIndex = 19},
            {.name = "ComQuit", .twips = {7080, 120, 1335, 375}, .text = "終了", .tabIndex = 20},
            {.name = "ComText", .twips = {8640, 120, 975, 375}, .text = "テキスト化", .tabIndex = 81},
            {.name = "ComTxClear", .twips = {9720, 120, 1335, 375}, .text = "テキストクリア", .tabIndex = 85},
            {.name = "ComClip", .twips = {8760, 3600, 2175, 255}, .text = "クリップボードにコピー", .tabIndex = 83},
            {.name = "ComNote", .twips = {8760, 3960, 2175, 255}, .text = "メモ帳を起動する", .tabIndex = 82},
        }},
        .title = {.name = "TitleLabel", .twips = {3240, 120, 2175, 495}, .text = product::name, .face = {uiGothic, 18, true}, .alignment = Qt::AlignCenter},
        .report = {.name = "RTBox", .twips = {8640, 600, 2415, 2895}, .face = {proportionalGothic, 9}, .tabIndex = 84},
    };
    // clang-format on
    return layout;
}

namespace {

// clang-format off
const std::array<KindLayout, kAllKinds.size()> kKindLayouts{{
    {.kind = Kind::Length, .prefix = "", .option = "OpLength", .word = "Length", .japanese = "長さ",
     .titleColour = QColor(0, 0, 0), .x = 120, .nameX = 1470, .ansWidth = 1215, .optionHeight = 225,
     .nameTopRow0 = 1875, .nameTopOffset = 75, .numTab = {4, 6}, .unitTab = {5, 16}},
    {.kind = Kind::Square, .prefix = "S", .option = "OpSquare", .word = "Square", .japanese = "面積",
     .titleColour = QColor(255, 102, 0), .x = 2280, .nameX = 3600, .ansWidth = 1215, .optionHeight = 225,
     .nameTopRow0 = 1845, .nameTopOffset = 60, .numTab = {7, 9}, .unitTab = {8, 21}},
    {.kind = Kind::Cubic, .prefix = "C", .option = "OpCubic", .word = "Cubic", .japanese = "体積",
     .titleColour = QColor(0, 0, 255), .x = 4440, .nameX = 5640, .ansWidth = 1095, .optionHeight = 255,
     .nameTopRow0 = 1845, .nameTopOffset = 60, .numTab = {10, 12}, .unitTab = {11, 22}},
    {.kind = Kind::Weight, .prefix = "W", .option = "OpWeight", .word = "Weight", .japanese = "重さ",
     .titleColour = QColor(0, 128, 0), .x = 6600, .nameX = 7800, .ansWidth = 1095, .optionHeight = 255,
     .nameTopRow0 = 1845, .nameTopOffset = 60, .numTab = {13, 15}, .unitTab = {14, 65}},
}};
// clang-format on

// What every column has, from its left edge: the option, the two input rows (amount box, unit
// list) and the seven result rows, each row kRowPitch below the one before.
constexpr int kRowPitch = 360;
constexpr int kOptionTop = 600, kOptionWidth = 855;
constexpr QRect kNum{0, 960, 855, 270};
constexpr std::array<QRect, 2> kUnit{{{960, 960, 855, 300}, {960, 1320, 615, 300}}};
constexpr int kAnsTop = 1800, kAnsHeight = 255;
constexpr QSize kUnitName{495, 195};

} // namespace

const KindLayout& kindLayout(Kind kind) {
    return kKindLayouts[static_cast<std::size_t>(kind)];
}

QString controlName(const KindLayout& layout, const char* array, int index) {
    return QStringLiteral("%1%2(%3)").arg(layout.prefix, array).arg(index);
}

ColumnLayout columnLayout(const KindLayout& layout) {
    const int x = layout.x;
    ColumnLayout column;
    column.option = {.name = layout.option,
                     .twips = {x, kOptionTop, kOptionWidth, layout.optionHeight},
                     .text = layout.word,
                     .tabIndex = static_cast<int>(layout.kind)};
    for (int i = 0; i < 2; ++i) {
        column.num[i] = {.name = controlName(layout, "Num", i),
                         .twips = kNum.translated(x, i * kRowPitch),
                         .tabIndex = layout.numTab[i]};
        column.unit[i] = {.name = controlName(layout, "Unit", i),
                          .twips = kUnit[i].translated(x, 0),
                          .tabIndex = layout.unitTab[i]};
    }
    for (int i = 0; i < kUnitCount; ++i) {
        const int top = kAnsTop + kRowPitch * i;
        column.ans[i] = {.name = controlName(layout, "Ans", i),
                         .twips = {x, top, layout.ansWidth, kAnsHeight}};
        const int nameTop = i == 0 ? layout.nameTopRow0 : top + layout.nameTopOffset;
        column.unitName[i] = {.name = controlName(layout, "UnitName", i),
                              .twips = {QPoint(layout.nameX, nameTop), kUnitName}};
    }
    return column;
}

} // namespace quantell
