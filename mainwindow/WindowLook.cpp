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

QFont uiGothic(qreal points, bool bold) {
    // IPA Gothic's half-width Latin letters take the room the layout gives them on Windows.
    return gothic({"MS UI Gothic", "Yu Gothic UI", "Meiryo UI", "IPAGothic", "IPAPGothic",
                   "Noto Sans CJK JP"},
                  points, bold);
}

QFont proportionalGothic(qreal points, bool bold) {
    return gothic({"ＭＳ Ｐゴシック", "MS PGothic", "Yu Gothic", "Meiryo", "IPAPGothic",
                   "IPAexGothic", "Noto Sans CJK JP"},
                  points, bold);
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
