// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

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
     .titleColour = QColor(0, 0, 0), .x = 120, .symbolX = 1470, .resultWidth = 1215, .optionHeight = 225,
     .symbolTopRow0 = 1875, .symbolTopOffset = 75, .amountTabs = {4, 6}, .unitListTabs = {5, 16}},
    {.kind = Kind::Square, .prefix = "S", .option = "OpSquare", .word = "Square", .japanese = "面積",
     .titleColour = QColor(255, 102, 0), .x = 2280, .symbolX = 3600, .resultWidth = 1215, .optionHeight = 225,
     .symbolTopRow0 = 1845, .symbolTopOffset = 60, .amountTabs = {7, 9}, .unitListTabs = {8, 21}},
    {.kind = Kind::Cubic, .prefix = "C", .option = "OpCubic", .word = "Cubic", .japanese = "体積",
     .titleColour = QColor(0, 0, 255), .x = 4440, .symbolX = 5640, .resultWidth = 1095, .optionHeight = 255,
     .symbolTopRow0 = 1845, .symbolTopOffset = 60, .amountTabs = {10, 12}, .unitListTabs = {11, 22}},
    {.kind = Kind::Weight, .prefix = "W", .option = "OpWeight", .word = "Weight", .japanese = "重さ",
     .titleColour = QColor(0, 128, 0), .x = 6600, .symbolX = 7800, .resultWidth = 1095, .optionHeight = 255,
     .symbolTopRow0 = 1845, .symbolTopOffset = 60, .amountTabs = {13, 15}, .unitListTabs = {14, 65}},
}};
// clang-format on

// What every column has, from its left edge: the option, the two input rows (amount box, unit
// list) and the seven result rows, each row kRowPitch below the one before.
constexpr int kRowPitch = 360;
constexpr int kOptionTop = 600, kOptionWidth = 855;
constexpr QRect kAmount{0, 960, 855, 270};
constexpr std::array<QRect, 2> kUnitList{{{960, 960, 855, 300}, {960, 1320, 615, 300}}};
constexpr int kResultTop = 1800, kResultHeight = 255;
constexpr QSize kUnitSymbol{495, 195};

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
        column.amounts[i] = {.name = controlName(layout, "Num", i),
                             .twips = kAmount.translated(x, i * kRowPitch),
                             .tabIndex = layout.amountTabs[i]};
        column.unitLists[i] = {.name = controlName(layout, "Unit", i),
                               .twips = kUnitList[i].translated(x, 0),
                               .tabIndex = layout.unitListTabs[i]};
    }
    for (int i = 0; i < kUnitCount; ++i) {
        const int top = kResultTop + kRowPitch * i;
        column.results[i] = {.name = controlName(layout, "Ans", i),
                             .twips = {x, top, layout.resultWidth, kResultHeight}};
        const int symbolTop = i == 0 ? layout.symbolTopRow0 : top + layout.symbolTopOffset;
        column.unitSymbols[i] = {.name = controlName(layout, "UnitName", i),
                                 .twips = {QPoint(layout.symbolX, symbolTop), kUnitSymbol}};
    }
    return column;
}

} // namespace quantell
