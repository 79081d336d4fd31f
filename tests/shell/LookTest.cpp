#include "mainwindow/MainForm.h"
#include "mainwindow/WindowLook.h"
#include "shell/Info.h"
#include "shell/StartDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <memory>

using namespace quantell;

namespace {

// The contrast a text is painted with: its background is the commonest colour of the area,
// the text the pixel that stands out most from it.
double paintedContrast(const QImage& area) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            ++counts[area.pixel(x, y)];
    const QRgb background =
        std::ranges::max_element(counts, {}, &decltype(counts)::value_type::second)->first;
    double best = 1;
    for (const auto& [rgb, count] : counts)
        best = std::max(best, contrastRatio(rgb, background));
    return best;
}

QRect captionRect(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const bool push = qobject_cast<QPushButton*>(button);
    return button->style()->subElementRect(
        push ? QStyle::SE_PushButtonContents : QStyle::SE_RadioButtonContents, &option, button);
}

// A control's text, where it is drawn, and whether it has the room it needs in the face the
// control actually got.
struct Text {
    QString text;
    QRect area;
    bool fits = true;
};

Text textOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return {label->text(), label->contentsRect(),
                label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width()};
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return {button->text(), captionRect(button),
                w->fontMetrics().horizontalAdvance(button->text()) <= captionRect(button).width()};
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return {edit->text(), w->rect().adjusted(2, 2, -2, -2)};
    if (auto* list = qobject_cast<QComboBox*>(w))
        return {list->currentText(), w->rect().adjusted(2, 2, -2, -2)};
    return {};
}

// A dark desktop as the common dark themes give it, and the usual high-contrast one.
QPalette themePalette(QColor text, QColor window, QColor base, QColor disabledText) {
    QPalette p(text, window, window.lighter(130), window.darker(130), window.lighter(110), text,
               Qt::white, base, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    return p;
}

// Every text of the three windows reads at 3 : 1 at least on a light, a dark and a
// high-contrast desktop, also when the desktop changes while the windows are open; a disabled
// one keeps the contrast it has on the light desktop. Every caption has the room it needs.
// QUANTELL_GRAB_DIR=dir saves what was measured.
TEST(Look, TextsAreReadableOnEveryPaletteAndCaptionsFit) {
    const QPalette desktop = QApplication::palette();
    const std::pair<const char*, QPalette> palettes[] = {
        {"light", QApplication::style()->standardPalette()},
        {"dark", themePalette({239, 240, 241}, {49, 54, 59}, {35, 38, 41}, {110, 113, 116})},
        {"high-contrast", themePalette(Qt::white, Qt::black, Qt::black, {63, 242, 63})},
    };
    std::map<QString, double> lightDisabled;
    for (const auto& [name, palette] : palettes) {
        std::unique_ptr<QWidget> windows[] = {std::make_unique<StartDialog>(),
                                              std::make_unique<MainForm>(),
                                              std::make_unique<Info>()};
        QApplication::setPalette(palette);
        for (const auto& window : windows) {
            window->show();
            const QString where = QStringLiteral("%1-%2").arg(name, window->objectName());
            const QImage image = window->grab().toImage();
            if (const QString dir = qEnvironmentVariable("QUANTELL_GRAB_DIR"); !dir.isEmpty())
                image.save(dir + "/" + where + ".png");
            std::pair<double, QString> lowest{21, ""};
            for (QWidget* w : window->findChildren<QWidget*>()) {
                const Text shown = textOf(w);
                if (shown.text.isEmpty() || !w->isVisible())
                    continue;
                SCOPED_TRACE((where + " " + w->objectName() + " " + shown.text).toStdString());
                EXPECT_TRUE(shown.fits) << QFontInfo(w->font()).family().toStdString();
                const double ratio = paintedContrast(image.copy(
                    QRect(w->mapTo(window.get(), shown.area.topLeft()), shown.area.size())));
                double& light = lightDisabled[w->objectName()];
                if (w->isEnabled()) {
                    EXPECT_GE(ratio, 3.0);
                    lowest = std::min(lowest, {ratio, w->objectName()});
                } else if (palette == palettes[0].second) {
                    light = ratio;
                } else {
                    EXPECT_GE(ratio, light - 0.05);
                }
            }
            std::cout << where.toStdString() << ": lowest " << lowest.first << " ("
                      << lowest.second.toStdString() << ")\n";
        }
    }
    QApplication::setPalette(desktop);
}

} // namespace
