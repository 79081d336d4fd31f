// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ostream>

// Failures print texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quantell::test {

// Clicks the control of that name on whichever shown window has it, as a person does.
void click(const QString& name);

// What is drawn on an image: its ground, the commonest colour, and its ink, every pixel that
// differs from `blank` (the same picture without what was drawn) or, without one, from the
// ground.
struct Ink {
    explicit Ink(const QImage& picture, const QImage& blank = {})
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
    // How many dark strokes row `y` crosses: runs of pixels nearer its darkest than its lightest.
    int strokesAcross(int y) const {
        QList<int> row;
        for (int x = 0; x < image.width(); ++x)
            row << qGray(image.pixel(x, y));
        const auto [darkest, lightest] = std::ranges::minmax(row);
        int strokes = 0;
        for (int x = 1; x < row.size(); ++x)
            strokes += 2 * row[x] < darkest + lightest && 2 * row[x - 1] >= darkest + lightest;
        return strokes;
    }

    QImage image;
    QRect bounds;        // of the ink
    double contrast = 1; // WCAG 2: of the pixel that stands out most from the ground, 1 to 21
};

// A desktop of the test's own while it lives, the environment put back afterwards: its default
// application for text/plain runs "fakeed", which bin/ holds with gedit; PATH has a relative and
// an empty entry before bin/, and the current folder holds what they would find there. Each of
// these programs records in the log that it ran, as whom, with how many arguments and whether
// its output goes to the null device. (GIO reads the desktop's folders once a process.)
struct FakeDesktop {
    FakeDesktop() {
        // Shell built-ins only: PATH holds nothing else.
        const QString editor =
            QStringLiteral("#!/bin/sh\nq=no; [ /proc/$$/fd/1 -ef /dev/null ] && [ "
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
            EXPECT_TRUE(QDir(home.path()).mkpath(QFileInfo(file).path()) &&
                        file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0 &&
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
    ~FakeDesktop() {
        for (const auto& [name, value] : saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        QDir::setCurrent(folder);
    }
    void set(const char* name, const QString& value) {
        saved.try_emplace(name, qgetenv(name));
        qputenv(name, value.toUtf8());
    }
    QString filePath(const QString& file) const { return home.filePath(file); }
    // What the log holds once it has grown to the length of `expected`.
    QString starts(const QString& expected) const {
        QFile file(filePath("starts.log"));
        static_cast<void>(QTest::qWaitFor([&] { return file.size() >= expected.size(); }, 5000));
        return file.open(QIODevice::ReadOnly) ? QString(file.readAll()) : QString();
    }

    QTemporaryDir home;
    QString folder = QDir::currentPath();
    std::map<const char*, QByteArray> saved;
};

} // namespace quantell::test
