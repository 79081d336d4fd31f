// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "KeyboardMenus.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace quantell {

namespace {

constexpr int kMenuAfterlifeMs = 3000;
// An X11 menu takes the keyboard as it shows, and the window it came from is then told active
// again; a reader that hears that after the menu's first entry announces the window over it.
// The entry is made active once that has passed.
constexpr int kGrabSettlesMs = 100;

class KeyboardMenuKeeper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            return static_cast<QKeyEvent*>(event)->keyCombination() ==
                       QKeyCombination(Qt::ShiftModifier, Qt::Key_F10) &&
                   watched->isWidgetType() && openMenuOf(static_cast<QWidget*>(watched));
        case QEvent::ContextMenu:
            m_byKeyboard =
                static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
            break;
        case QEvent::Show:
            if (auto* menu = qobject_cast<QMenu*>(watched)) {
                outliveClosing(menu);
                // The menu a keyboard context menu request opens is the next one to show.
                if (std::exchange(m_byKeyboard, false))
                    QTimer::singleShot(kGrabSettlesMs, menu, [menu] { activateFirstEntry(menu); });
            }
            break;
        case QEvent::FocusIn:
            // Back from a menu to a control of a window (a menu's own focus is its entry's).
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason &&
                QAccessible::isActive() && watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->window()->windowType() != Qt::Popup) {
                QAccessibleEvent focus(watched, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Sends the control a key went to a keyboard context menu request at its text cursor, or at
    // its middle; false where it has no menu.
    static bool openMenuOf(QWidget* control) {
        const Qt::ContextMenuPolicy policy = control->contextMenuPolicy();
        if (policy == Qt::NoContextMenu || policy == Qt::PreventContextMenu)
            return false;
        const QRect cursor = control->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QPoint at = cursor.isValid() ? cursor.center() : control->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at, control->mapToGlobal(at));
        QApplication::sendEvent(control, &request);
        return true;
    }

    // A reader follows the focus back from a menu entry to the control when the menu closes; it
    // loses the way where the entry has already gone. A menu that goes when it closes goes a
    // moment later instead.
    static void outliveClosing(QMenu* menu) {
        if (!menu->testAttribute(Qt::WA_DeleteOnClose))
            return;
        menu->setAttribute(Qt::WA_DeleteOnClose, false);
        connect(menu, &QMenu::aboutToHide, menu,
                [menu] { QTimer::singleShot(kMenuAfterlifeMs, menu, &QObject::deleteLater); });
    }

    // The first entry that can be chosen, or else the first of all where the style lets a
    // disabled entry be active (Windows'), so that a menu of nothing to choose is heard too.
    static void activateFirstEntry(QMenu* menu) {
        QList<QAction*> entries = menu->actions();
        entries.removeIf(
            [](QAction* entry) { return entry->isSeparator() || !entry->isVisible(); });
        const auto choosable = std::find_if(entries.begin(), entries.end(),
                                            [](QAction* entry) { return entry->isEnabled(); });
        if (choosable != entries.end())
            menu->setActiveAction(*choosable);
        else if (!entries.isEmpty())
            menu->setActiveAction(entries.first());
    }

    bool m_byKeyboard = false;
};

} // namespace

void keepKeyboardMenus() {
    static const bool kept = (qApp->installEventFilter(new KeyboardMenuKeeper(qApp)), true);
    static_cast<void>(kept);
}

} // namespace quantell
