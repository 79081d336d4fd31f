#include "WindowLook.h"

#include <QGuiApplication>
#include <QScreen>

#include <QStringList>
#include <QWidget>

namespace quantell {

namespace {
QFont gothic(const QStringList& families, qreal points, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
} // namespace

// Each platform names only its own faces: a face that is missing costs a fallback search
// while the splash is being built.
QFont uiGothic(qreal points, bool bold) {
#ifdef Q_OS_WIN
    return gothic({"MS UI Gothic", "Yu Gothic UI", "Meiryo UI"}, points, bold);
#else
    // IPA Gothic's half-width Latin letters take the room the layout gives them on Windows.
    return gothic({"IPAGothic", "IPAPGothic", "Noto Sans CJK JP"}, points, bold);
#endif
}

QFont proportionalGothic(qreal points, bool bold) {
#ifdef Q_OS_WIN
    return gothic({"ＭＳ Ｐゴシック", "MS PGothic", "Yu Gothic", "Meiryo"}, points, bold);
#else
    return gothic({"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP"}, points, bold);
#endif
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void centreOnScreen(QWidget* window) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window->move(screen.center() - window->rect().center());
}

} // namespace quantell
