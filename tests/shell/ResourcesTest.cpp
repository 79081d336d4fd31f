#include "resources/Icons.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QList<int> kSizes = {16, 32, 48, 64, 128, 256};

// Both icons reach a program that links the static library, in every size, and at their
// natural size the window shows the 16-colour image itself, not a scaled larger one.
TEST(Icons, EverySizeIsInTheProgram) {
    for (const QString& name : {QStringLiteral("app"), QStringLiteral("main")}) {
        SCOPED_TRACE(name.toStdString());
        const QIcon icon = quantell::resourceIcon(name);
        QList<int> widths;
        for (const QSize& size : icon.availableSizes()) {
            EXPECT_EQ(size.width(), size.height());
            widths << size.width();
        }
        std::sort(widths.begin(), widths.end());
        EXPECT_EQ(widths, kSizes);

        const QImage sixteenColours(QStringLiteral(":/icons/%1-32.png").arg(name));
        ASSERT_EQ(sixteenColours.size(), QSize(32, 32));
        EXPECT_EQ(sixteenColours.format(), QImage::Format_Indexed8);
        EXPECT_LE(sixteenColours.colorCount(), 16);
        EXPECT_EQ(qAlpha(sixteenColours.pixel(0, 0)), 0) << "the corners are clear";
        EXPECT_EQ(icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32),
                  sixteenColours.convertToFormat(QImage::Format_ARGB32));
    }
    EXPECT_NE(quantell::resourceIcon("app").pixmap(32).toImage(),
              quantell::resourceIcon("main").pixmap(32).toImage());
}

// Windows takes the program file's icon from app.ico; regenerating it must keep a 4-bit
// 32 x 32 entry beside the true-colour sizes.
TEST(Icons, ProgramFileIconHasSixteenColourEntry) {
    QFile file(QStringLiteral(QUANTELL_ICON_DIR "/app.ico"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    ASSERT_GE(data.size(), 6);
    ASSERT_EQ(qFromLittleEndian<quint16>(bytes + 2), 1) << "not an icon file";
    const int count = qFromLittleEndian<quint16>(bytes + 4);
    ASSERT_GE(data.size(), 6 + 16 * count);

    // Directory entries: width, height (0 means 256), colours, reserved, planes, bits.
    QList<int> widths;
    bool sixteenColour32 = false;
    for (int i = 0; i < count; ++i) {
        const uchar* entry = bytes + 6 + 16 * i;
        const int width = entry[0] ? entry[0] : 256;
        widths << width;
        if (width == 32 && entry[1] == 32 && qFromLittleEndian<quint16>(entry + 6) == 4)
            sixteenColour32 = true;
    }
    std::sort(widths.begin(), widths.end());
    EXPECT_EQ(widths, kSizes);
    EXPECT_TRUE(sixteenColour32);
}

} // namespace
