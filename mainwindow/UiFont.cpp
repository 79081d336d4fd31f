#include "UiFont.h"

#include <QStringList>

namespace quantell {

namespace {
QFont gothic(const QStringList& families, qreal points, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
} // namespace

QFont uiGothic(qreal points, bool bold) {
    return gothic({"MS UI Gothic", "Yu Gothic UI", "Meiryo UI", "IPAGothic", "IPAexGothic",
                   "Noto Sans CJK JP"},
                  points, bold);
}

QFont proportionalGothic(qreal points, bool bold) {
    return gothic({"ＭＳ Ｐゴシック", "MS PGothic", "Yu Gothic", "Meiryo", "IPAPGothic",
                   "IPAexGothic", "Noto Sans CJK JP"},
                  points, bold);
}

} // namespace quantell
