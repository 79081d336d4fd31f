#include "report/ReportBlock.h"

#include <gtest/gtest.h>

namespace quantell {
namespace {

ReportBlock block(const QString& a0, const QString& u0, const QString& a1, const QString& u1,
                  const QString& result, const QString& name) {
    ReportBlock b{{a0, a1}, {u0, u1}, {}, {}};
    b.results.fill(result);
    b.unitNames.fill(name);
    return b;
}

TEST(ReportBlockTest, LinesAreVerbatimWithCrlf) {
    struct Row {
        bool boxEmpty;
        ReportBlock block;
        QString text;
    };
    const Row rows[] = {
        // a box with text gets a line break first
        {false, block("1", "kg", "250", "g", "0.0", "kg"),
         "\r\n1 kg 250 g\r\n" + QString("= 0.0 kg\r\n").repeated(7)},
        // nothing trimmed or filled in
        {true, block("", "ft", "", "in", "", "mm"),
         " ft  in\r\n" + QString("=  mm\r\n").repeated(7)},
        {true, block(" 5", "grain", "abc", "grain", "-1.5", "pound"),
         " 5 grain abc grain\r\n" + QString("= -1.5 pound\r\n").repeated(7)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(reportAddition(row.boxEmpty, row.block), row.text);
}

} // namespace
} // namespace quantell
