#include "KeyboardMenus.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <utility>

namespace quantell {

namespace {

constexpr int kMenuAfterlifeMs = 3000;

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
                    QTimer::singleShot(100, menu, [menu] { activateFirstEntry(menu); });
            }
            break;
        case QEvent::FocusIn:
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason &&
                QAccessible::isActive() && watched->isWidgetType()) {
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

    static void activateFirstEntry(QMenu* menu) {
        for (QAction* entry : menu->actions()) {
            if (!entry->isSeparator() && entry->isEnabled() && entry->isVisible()) {
                menu->setActiveAction(entry);
                return;
            }
        }
    }

    bool m_byKeyboard = false;
};

} // namespace

void keepKeyboardMenus() {
    static const bool kept = (qApp->installEventFilter(new KeyboardMenuKeeper(qApp)), true);
    static_cast<void>(kept);
}

} // namespace quantell
