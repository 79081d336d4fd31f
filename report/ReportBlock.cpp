#include "ReportBlock.h"

namespace quantell {

QString reportAddition(bool boxIsEmpty, const ReportBlock& block) {
    QString text = boxIsEmpty ? QString() : kLineBreak;
    const QChar space(u' ');
    text += block.amounts[0] + space + block.units[0] + space + block.amounts[1] + space +
            block.units[1] + kLineBreak;
    for (std::size_t i = 0; i < block.results.size(); ++i)
        text += QStringLiteral("= ") + block.results[i] + space + block.unitNames[i] + kLineBreak;
    return text;
}

} // namespace quantell
