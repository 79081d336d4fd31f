#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

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
    explicit Ink(const QImage& picture, const QImage& blank = {});
    // How many dark strokes row `y` crosses: runs of pixels nearer its darkest than its lightest.
    int strokesAcross(int y) const;

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
    FakeDesktop();
    ~FakeDesktop();
    void set(const char* name, const QString& value);
    QString filePath(const QString& file) const { return home.filePath(file); }
    // What the log holds once it has grown to the length of `expected`.
    QString starts(const QString& expected) const;

    QTemporaryDir home;
    QString folder = QDir::currentPath();
    std::map<const char*, QByteArray> saved;
};

} // namespace quantell::test
