// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "ReportBlock.h"

namespace quantell {

QString reportAddition(bool boxIsEmpty, const ReportBlock& block) {
    const QChar space(u' '), lineBreak(u'\n');
    QString text = boxIsEmpty ? QString() : lineBreak;
    text += block.amounts[0] + space + block.units[0] + space + block.amounts[1] + space +
            block.units[1] + lineBreak;
    for (std::size_t i = 0; i < block.results.size(); ++i)
        text += QStringLiteral("= ") + block.results[i] + space + block.unitSymbols[i] + lineBreak;
    return text;
}

} // namespace quantell
