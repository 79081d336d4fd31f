// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "Window.h"

#include "KeyboardMenus.h"
#include "Layout.h"
#include "platform/Platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QToolTip>
#include <QWidget>

#include <cmath>

namespace quantell {

namespace {
constexpr qreal kWindowPoints = 9;
// The least contrast a text reads at (WCAG 2, level AA, for text of any size).
constexpr double kReadableContrast = 4.5;

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

QFont uiGothic(qreal points, bool bold) {
    return gothic(platform::uiFaces(), points, bold);
}

QFont proportionalGothic(qreal points, bool bold) {
    return gothic(platform::proportionalFaces(), points, bold);
}

namespace {
// A control that has grown down over what lay below it, or out of its frame, moves all that lay
// below it down by as much as it grew, and its frame and window grow with them: the layout keeps
// its gaps.
void makeRoomBelow(QWidget* control, const QRect& before) {
    const int grown = control->height() - before.height();
    QWidget* parent = control->parentWidget();
    bool covers = control->geometry().bottom() > parent->contentsRect().bottom();
    QList<QWidget*> below;
    for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling != control && sibling->y() > before.bottom()) {
            below << sibling;
            covers = covers || sibling->geometry().intersects(control->geometry());
        }
    }
    if (grown <= 0 || !covers)
        return;
    for (QWidget* sibling : below)
        sibling->move(sibling->x(), sibling->y() + grown);
    for (; !parent->isWindow(); parent = parent->parentWidget())
        parent->resize(parent->width(), parent->height() + grown);
    parent->setFixedHeight(parent->height() + grown);
}
} // namespace

void growToText(QWidget* control) {
    QSize needed = control->sizeHint();
    if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap()) {
        needed = {label->width(), label->heightForWidth(label->width())};
    } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
        // The style's size hint also counts room for a focus frame around the caption, more
        // than the layout gives: an option takes it only where the caption beside its
        // indicator does not fit.
        QStyleOptionButton style;
        style.initFrom(option);
        const QRect caption =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        const bool fits =
            option->fontMetrics().horizontalAdvance(option->text()) <= caption.width();
        needed = {fits ? 0 : needed.width(), option->height()};
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        // Any entry may be shown: where the widest does not fit beside the arrow, the list takes
        // the width it asks for.
        const bool fits = widestEntry(list) <= entryRoom(list).width();
        needed = {fits ? 0 : needed.width(), list->height()};
    }
    const QRect before = control->geometry();
    control->resize(control->size().expandedTo(needed));
    makeRoomBelow(control, before);
}

QRect entryRoom(const QComboBox* list) {
    QStyleOptionComboBox style;
    style.initFrom(list);
    style.editable = list->isEditable();
    // The style draws the entry a pixel clear of each side of the field.
    return list->style()
        ->subControlRect(QStyle::CC_ComboBox, &style, QStyle::SC_ComboBoxEditField, list)
        .adjusted(1, 0, -1, 0);
}

int widestEntry(const QComboBox* list) {
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    return widest;
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

// The fixed colours of the windows (white and grey result boxes, black and red captions, the
// kind colours) are made for a light window. On a desktop whose text would not read on them,
// a dark or high-contrast one, the window keeps its light palette as a whole, now and whenever
// the desktop's colours change.
void setLightPalette(QWidget* window) {
    const bool lightDesktop = contrastRatio(QApplication::palette().color(QPalette::WindowText),
                                            Qt::white) >= kReadableContrast;
    // The light window the fixed colours are made for: the standard dialog grey, black text on
    // white fields. (A style's own standard palette may just be the desktop's.) Every role
    // counts as set, so none follows the desktop.
    QPalette light(QColor(240, 240, 240));
    light.setResolveMask(~QPalette::ResolveMask{});
    window->setPalette(lightDesktop ? QPalette() : light);
}

// Tool tips, where a long result shows its full value, are drawn in the windows' face, smoothed:
// a face drawn without smoothing loses the left half of every 0 under Wine at 144 dots per
// inch. A new desktop font drops the tips' own, so each window sets it again then.
void drawTipsInTheWindowsFace() {
    QToolTip::setFont(uiGothic(kWindowPoints));
}

// Where a window of `size` opens on a screen whose free area is `available`.
QPoint placeOnScreen(QSize window, const QRect& available) {
    const QPoint centred = available.center() - QRect(QPoint(), window).center();
    return {std::max(centred.x(), available.left()), std::max(centred.y(), available.top())};
}

// Follows the desktop's colours for the window it belongs to, and places the window on the
// screen as it first shows, once whatever grows to fit its text has grown.
class WindowKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::ApplicationPaletteChange) {
            setLightPalette(window);
        } else if (event->type() == QEvent::ApplicationFontChange) {
            drawTipsInTheWindowsFace();
        } else if (event->type() == QEvent::Show && !m_placed) {
            m_placed = true;
            window->move(placeOnScreen(window->size(),
                                       QGuiApplication::primaryScreen()->availableGeometry()));
        }
        return false;
    }

private:
    bool m_placed = false;
};

// A tool tip, where a long result shows its full value, takes the text colour its style gives
// it (under some Windows themes a light grey on white); where that does not read on its
// background, it takes black or white, whichever reads better.
class ToolTipKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Shown, a tip has its style's colours; application filters see its polish before the
        // style does.
        if (event->type() == QEvent::Show && watched->inherits("QTipLabel")) {
            auto* tip = static_cast<QWidget*>(watched);
            const QColor base = tip->palette().color(QPalette::ToolTipBase);
            if (contrastRatio(tip->palette().color(QPalette::ToolTipText), base) <
                kReadableContrast)
                setColour(tip, QPalette::ToolTipText,
                          contrastRatio(Qt::black, base) >= contrastRatio(Qt::white, base)
                              ? Qt::black
                              : Qt::white);
        }
        return false;
    }
};

} // namespace

bool clickForEnterOrEsc(const QKeyEvent* event, QAbstractButton* enter, QAbstractButton* escape) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enter->click();
        return true;
    case Qt::Key_Escape:
        escape->click();
        return true;
    default:
        return false;
    }
}

void setUpWindow(QWidget* window, const char* name, Qt::WindowFlags flags, QSize twips) {
    window->setObjectName(name);
    window->setWindowFlags(flags | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(pixels(twips.width()), pixels(twips.height()));
    // The face of every text whose font the layout does not name: the Japanese desktop's
    // default user-interface face at its size, whatever face and size this desktop has chosen.
    window->setFont(uiGothic(kWindowPoints));
    setLightPalette(window);
    window->installEventFilter(new WindowKeeper(window));
    static const bool tipsKept = (qApp->installEventFilter(new ToolTipKeeper(qApp)), true);
    static_cast<void>(tipsKept);
    keepKeyboardMenus();
    drawTipsInTheWindowsFace();
}

} // namespace quantell
