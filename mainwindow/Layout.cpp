#include "Layout.h"

#include "KindLook.h"

namespace quantell {

namespace {

std::vector<ControlSpec> makeLayout() {
    using T = ControlType;
    std::vector<ControlSpec> layout{
        {"ComChange", T::Button, {120, 120, 1335, 375}, 17, "変換（Enter）"},
        {"ComClear", T::Button, {1680, 120, 1335, 375}, 18, "クリア（Esc）"},
        {"TitleLabel", T::Title, {3240, 120, 2175, 495}, 80, "Quantell"},
        {"ComInfo", T::Button, {5640, 120, 1335, 375}, 19, "アプリ情報"},
        {"ComQuit", T::Button, {7080, 120, 1335, 375}, 20, "終了"},
        {"ComText", T::Button, {8640, 120, 975, 375}, 81, "テキスト化"},
        {"ComTxClear", T::Button, {9720, 120, 1335, 375}, 85, "テキストクリア"},
        {"RTBox", T::Report, {8640, 600, 2415, 2895}, 84, "RichTextBox1"},
        {"ComClip", T::Button, {8760, 3600, 2175, 255}, 83, "クリップボードにコピー"},
        {"ComNote", T::Button, {8760, 3960, 2175, 255}, 82, "メモ帳を起動する"},
    };
    for (const KindLook& look : kindLooks()) {
        const int x = look.x;
        layout.push_back({look.option,
                          T::Option,
                          {x, 600, 855, look.optionHeight},
                          static_cast<int>(look.kind),
                          look.word});
        for (int i = 0; i < 2; ++i) {
            const int top = 960 + 360 * i;
            layout.push_back({controlName(look, "Num", i),
                              T::Amount,
                              {x, top, 855, 270},
                              look.numTab[i],
                              "Text1"});
            layout.push_back({controlName(look, "Unit", i),
                              i == 0 ? T::UnitList : T::LockedUnitList,
                              {x + 960, top, i == 0 ? 855 : 615, 300},
                              look.unitTab[i],
                              i == 0 ? "" : "Unit"});
        }
        for (int i = 0; i < 7; ++i) {
            const int top = 1800 + 360 * i;
            layout.push_back({controlName(look, "Ans", i),
                              T::Result,
                              {x, top, look.ansWidth, 255},
                              look.ansTab + look.ansTabStep * i,
                              "Answer"});
            layout.push_back(
                {controlName(look, "UnitName", i),
                 T::UnitName,
                 {look.nameX, i == 0 ? look.nameTopRow0 : top + look.nameTopOffset, 495, 195},
                 look.nameTab + look.nameTabStep * i,
                 "Name"});
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
