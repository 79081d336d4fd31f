#include "Layout.h"

#include "resources/Product.h"

namespace quantell {

const FormLayout& formLayout() {
    // clang-format off
    static const FormLayout layout{
        .commands = {{
            {.name = "ComChange", .twips = {120, 120, 1335, 375}, .tabIndex = 17, .text = "変換（Enter）"},
            {.name = "ComClear", .twips = {1680, 120, 1335, 375}, .tabIndex = 18, .text = "クリア（Esc）"},
            {.name = "ComInfo", .twips = {5640, 120, 1335, 375}, .tabIndex = 19, .text = "アプリ情報"},
            {.name = "ComQuit", .twips = {7080, 120, 1335, 375}, .tabIndex = 20, .text = "終了"},
            {.name = "ComText", .twips = {8640, 120, 975, 375}, .tabIndex = 81, .text = "テキスト化"},
            {.name = "ComTxClear", .twips = {9720, 120, 1335, 375}, .tabIndex = 85, .text = "テキストクリア"},
            {.name = "ComClip", .twips = {8760, 3600, 2175, 255}, .tabIndex = 83, .text = "クリップボードにコピー"},
            {.name = "ComNote", .twips = {8760, 3960, 2175, 255}, .tabIndex = 82, .text = "メモ帳を起動する"},
        }},
        .title = {.name = "TitleLabel", .twips = {3240, 120, 2175, 495}, .text = product::name},
        .report = {.name = "RTBox", .twips = {8640, 600, 2415, 2895}, .tabIndex = 84},
    };
    // clang-format on
    return layout;
}

} // namespace quantell
