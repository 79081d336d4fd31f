#include "WindowLook.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QWidget>

#include <cmath>

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
    window->setPalette(lightDesktop ? QPalette() : window->style()->standardPalette());
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
