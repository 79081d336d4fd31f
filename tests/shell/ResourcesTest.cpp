#include "resources/Icons.h"

#include <QImage>
#include <gtest/gtest.h>

// Both icons are in the program and differ, and at 32 x 32 each shows its 16-colour image
// itself rather than one scaled from a larger size.
TEST(Icons, BothExistDifferAndShowTheirSixteenColourImageAt32) {
    QList<QImage> shown;
    for (const char* name : {"app", "main"}) {
        SCOPED_TRACE(name);
        const QImage sixteenColours(QStringLiteral(":/icons/%1-32.png").arg(name));
        EXPECT_EQ(sixteenColours.format(), QImage::Format_Indexed8);
        EXPECT_LE(sixteenColours.colorCount(), 16);
        const QIcon icon = quantell::resourceIcon(name);
        shown << icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(shown.last(), sixteenColours.convertToFormat(QImage::Format_ARGB32));
    }
    EXPECT_NE(shown[0], shown[1]);
}
