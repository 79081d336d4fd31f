#include "GuiTest.h"

#include <QApplication>
#include <QFile>
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

FakeDesktop::FakeDesktop() {
    for (const char* dir : {"bin", "rel", "empty", "data/applications", "config"})
        EXPECT_TRUE(QDir(home.path()).mkpath(dir));
    // Shell built-ins only: PATH holds nothing else.
    const QString editor = QStringLiteral("#!/bin/sh\nq=no; [ /proc/$$/fd/1 -ef /dev/null ] && [ "
                                          "/proc/$$/fd/2 -ef /dev/null ] && q=quiet\necho \"%1 "
                                          "args=$# $q\" >> '%2'\n")
                               .arg("%1", filePath("starts.log"));
    const std::pair<const char*, QString> files[] = {
        {"bin/fakeed", editor.arg("default")},
        {"bin/gedit", editor.arg("gedit")},
        {"rel/fakeed", editor.arg("relative")},
        {"fakeed", editor.arg("relative")},
        {"rel/gnome-text-editor", editor.arg("relative")},
        {"data/applications/fake.desktop",
         "[Desktop Entry]\nType=Application\nName=Fake\nExec=fakeed %U\n"},
        {"config/mimeapps.list", "[Default Applications]\ntext/plain=fake.desktop\n"},
    };
    for (const auto& [name, text] : files) {
        QFile file(filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0 &&
                    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    }
    for (const auto& [name, dir] : {std::pair{"XDG_DATA_HOME", "data"},
                                    {"XDG_CONFIG_HOME", "config"},
                                    {"XDG_DATA_DIRS", "none"},
                                    {"XDG_CONFIG_DIRS", "none"}})
        set(name, filePath(dir));
    QDir::setCurrent(home.path());
    set("PATH", "rel::" + filePath("bin"));
}

FakeDesktop::~FakeDesktop() {
    for (const auto& [name, value] : saved)
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    QDir::setCurrent(folder);
}

void FakeDesktop::set(const char* name, const QString& value) {
    saved.try_emplace(name, qgetenv(name));
    qputenv(name, value.toUtf8());
}

QString FakeDesktop::starts(const QString& expected) const {
    QFile file(filePath("starts.log"));
    static_cast<void>(QTest::qWaitFor([&] { return file.size() >= expected.size(); }, 5000));
    return file.open(QIODevice::ReadOnly) ? QString(file.readAll()) : QString();
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
