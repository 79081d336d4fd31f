#pragma once

#include <QImage>
#include <QString>

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

} // namespace quantell::test
