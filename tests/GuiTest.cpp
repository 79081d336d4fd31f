#include "GuiTest.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace quantell::test {

void click(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* control = window->findChild<QWidget*>(name); control && control->isVisible())
            return QTest::mouseClick(control, Qt::LeftButton);
    ADD_FAILURE() << "no control " << name.toStdString();
}

Ink::Ink(const QImage& picture, const QImage& blank)
    : image(picture.convertToFormat(QImage::Format_RGB32)) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    if (counts.empty())
        return;
    const QRgb ground =
        std::ranges::max_element(counts, {}, [](auto c) { return c.second; })->first;
    const QImage without = blank.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != (blank.isNull() ? ground : without.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int v) {
            return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) +
               0.0722 * linear(qBlue(rgb));
    };
    for (const auto& [rgb, count] : counts) {
        const auto [dark, light] = std::minmax({luminance(rgb), luminance(ground)});
        contrast = std::max(contrast, (light + 0.05) / (dark + 0.05));
    }
}

int Ink::strokesAcross(int y) const {
    QList<int> row;
    for (int x = 0; x < image.width(); ++x)
        row << qGray(image.pixel(x, y));
    const auto [darkest, lightest] = std::ranges::minmax(row);
    int strokes = 0;
    for (int x = 1; x < row.size(); ++x)
        strokes += 2 * row[x] < darkest + lightest && 2 * row[x - 1] >= darkest + lightest;
    return strokes;
}

} // namespace quantell::test

// Window tests share one application, as the program has one, on the test platform the build
// chose unless told otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QUANTELL_TEST_PLATFORM);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
