#include "Layout.h"

#include "KindLook.h"
#include "resources/Product.h"

namespace quantell {

namespace {

std::vector<ControlSpec> makeLayout() {
    using T = ControlType;
    // clang-format off
    std::vector<ControlSpec> layout{
        {.name = "ComChange", .type = T::Button, .twips = {120, 120, 1335, 375}, .tabIndex = 17, .text = "変換（Enter）"},
        {.name = "ComClear", .type = T::Button, .twips = {1680, 120, 1335, 375}, .tabIndex = 18, .text = "クリア（Esc）"},
        {.name = "TitleLabel", .type = T::Title, .twips = {3240, 120, 2175, 495}, .text = product::name},
        {.name = "ComInfo", .type = T::Button, .twips = {5640, 120, 1335, 375}, .tabIndex = 19, .text = "アプリ情報"},
        {.name = "ComQuit", .type = T::Button, .twips = {7080, 120, 1335, 375}, .tabIndex = 20, .text = "終了"},
        {.name = "ComText", .type = T::Button, .twips = {8640, 120, 975, 375}, .tabIndex = 81, .text = "テキスト化"},
        {.name = "ComTxClear", .type = T::Button, .twips = {9720, 120, 1335, 375}, .tabIndex = 85, .text = "テキストクリア"},
        {.name = "RTBox", .type = T::Report, .twips = {8640, 600, 2415, 2895}, .tabIndex = 84},
        {.name = "ComClip", .type = T::Button, .twips = {8760, 3600, 2175, 255}, .tabIndex = 83, .text = "クリップボードにコピー"},
        {.name = "ComNote", .type = T::Button, .twips = {8760, 3960, 2175, 255}, .tabIndex = 82, .text = "メモ帳を起動する"},
    };
    // clang-format on
    // Each kind's column: option button, two input rows, seven result rows.
    for (const KindLook& look : kindLooks()) {
        const int x = look.x;
        layout.push_back({.name = look.option,
                          .type = T::Option,
                          .twips = {x, 600, 855, look.optionHeight},
                          .tabIndex = static_cast<int>(look.kind),
                          .text = look.word});
        for (int i = 0; i < 2; ++i) {
            const int top = 960 + 360 * i;
            layout.push_back({.name = controlName(look, "Num", i),
                              .type = T::Amount,
                              .twips = {x, top, 855, 270},
                              .tabIndex = look.numTab[i]});
            layout.push_back({.name = controlName(look, "Unit", i),
                              .type = i == 0 ? T::UnitList : T::LockedUnitList,
                              .twips = {x + 960, top, i == 0 ? 855 : 615, 300},
                              .tabIndex = look.unitTab[i]});
        }
        for (int i = 0; i < kUnitCount; ++i) {
            const int top = 1800 + 360 * i;
            layout.push_back({.name = controlName(look, "Ans", i),
                              .type = T::Result,
                              .twips = {x, top, look.ansWidth, 255}});
            const int nameTop = i == 0 ? look.nameTopRow0 : top + look.nameTopOffset;
            layout.push_back({.name = controlName(look, "UnitName", i),
                              .type = T::UnitName,
                              .twips = {look.nameX, nameTop, 495, 195}});
        }
    }
    return layout;
}

} // namespace

const std::vector<ControlSpec>& mainFormLayout() {
    static const std::vector<ControlSpec> layout = makeLayout();
    return layout;
}

} // namespace quantell
