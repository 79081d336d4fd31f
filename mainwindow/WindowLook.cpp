#include "WindowLook.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QScreen>
#include <QStringList>
#include <QWidget>

#include <cmath>

namespace quantell {

namespace {
QFont gothic(const QStringList& families, qreal points, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Without smoothing, a face standing in for a missing one may lose pixels of its strokes
    // at the small bold sizes of the splash (seen with Windows' own UI face under Wine).
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
} // namespace

// Each platform names only its own faces: a face that is missing costs a fallback search
// while the splash is being built.
#ifdef Q_OS_WIN
namespace {
// The Japanese faces of older and newer Windows, then the system's own UI face, which every
// Windows has: without it Qt falls back to a serif face whose Latin letters need more room
// than the layout gives.
QFont windowsFace(QStringList families, qreal points, bool bold) {
    families << QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return gothic(families, points, bold);
}
} // namespace
#endif

QFont uiGothic(qreal points, bool bold) {
#ifdef Q_OS_WIN
    return windowsFace({"MS UI Gothic", "Meiryo UI", "Yu Gothic UI"}, points, bold);
#else
    // IPA Gothic's half-width Latin letters take the room the layout gives them on Windows.
    return gothic({"IPAGothic", "IPAPGothic", "Noto Sans CJK JP"}, points, bold);
#endif
}

QFont proportionalGothic(qreal points, bool bold) {
#ifdef Q_OS_WIN
    return windowsFace({"ＭＳ Ｐゴシック", "MS PGothic", "Meiryo", "Yu Gothic"}, points, bold);
#else
    return gothic({"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP"}, points, bold);
#endif
}

void growToText(QWidget* control) {
    QSize needed = control->sizeHint();
    if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap())
        needed = {label->width(), label->heightForWidth(label->width())};
    else if (!label)
        needed.setHeight(control->height());
    control->resize(control->size().expandedTo(needed));
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

double contrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](float v) {
            return v <= 0.03928f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

namespace {

void applyLightLook(QWidget* window) {
    const bool lightDesktop =
        contrastRatio(QApplication::palette().color(QPalette::WindowText), Qt::white) >= 4.5;
    // The light window the fixed colours are made for: the standard dialog grey, black text on
    // white fields. (A style's own standard palette may just be the desktop's.) Every role
    // counts as set, so none follows the desktop.
    QPalette light(QColor(240, 240, 240));
    light.setResolveMask(~QPalette::ResolveMask(0));
    window->setPalette(lightDesktop ? QPalette() : light);
}

// Follows the desktop's colours for the window it belongs to.
class LightLookKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange)
            applyLightLook(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void keepLightLook(QWidget* window) {
    applyLightLook(window);
    window->installEventFilter(new LightLookKeeper(window));
}

void centreOnScreen(QWidget* window) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window->move(screen.center() - window->rect().center());
}

} // namespace quantell
