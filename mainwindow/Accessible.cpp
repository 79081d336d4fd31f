// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "Accessible.h"

#include "AccessibleText.h"
#include "LockedComboBox.h"
#include "MainForm.h"
#include "NoteLabel.h"
#include "ResultLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>

namespace quantell {

namespace {

// A control whose name says what it is and whose value is what it shows: the entry or result
// is its value (UI Automation) and its text (AT-SPI), read-only, without a caret or selection.
// Its description, the tool tip, is left out where it only repeats the name or the value.
class ValueAccessible : public TextAccessible {
public:
    using TextAccessible::TextAccessible;
    virtual QString value() const = 0;

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return value();
        const QString text = TextAccessible::text(t);
        const bool repeats = text == value() || text == TextAccessible::text(QAccessible::Name);
        return t == QAccessible::Description && repeats ? QString() : text;
    }
    using TextAccessible::text;

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}

protected:
    QString wholeText() const override { return value(); }
};

// A unit list. Qt's own interface for a list names it by its entry under AT-SPI; this one keeps
// the rest of it: the popup list as its child, and, where the user may choose, opening it.
class UnitListAccessible : public ValueAccessible {
public:
    explicit UnitListAccessible(QComboBox* list) : ValueAccessible(list, QAccessible::ComboBox) {}

    // The unit in words, as its entries in the open list are read.
    QString value() const override {
        return list()->currentData(Qt::AccessibleTextRole).toString();
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child->object() == list()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State state = ValueAccessible::state();
        state.expandable = chooses();
        state.expanded = chooses() && list()->view()->isVisible();
        return state;
    }
    QStringList actionNames() const override {
        return chooses() ? QStringList{showMenuAction(), pressAction()} : QStringList();
    }
    QString localizedActionDescription(const QString& action) const override {
        return actionNames().contains(action) ? QStringLiteral("単位の一覧を開きます") : QString();
    }
    void doAction(const QString& action) override {
        if (!actionNames().contains(action))
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    // The second list is the program's to set.
    bool chooses() const { return !qobject_cast<LockedComboBox*>(widget()); }
};

// A result box: its one action, 「コピー」, does what its context menu does. UI Automation
// invokes a control through its press action, so that does the same.
class ResultAccessible : public ValueAccessible {
public:
    explicit ResultAccessible(ResultLabel* box) : ValueAccessible(box, QAccessible::StaticText) {}

    QString value() const override { return static_cast<const QLabel*>(widget())->text(); }
    QStringList actionNames() const override { return {copy()->text()}; }
    QString localizedActionDescription(const QString& action) const override {
        return action == copy()->text() ? QStringLiteral("値をクリップボードにコピーします")
                                        : QString();
    }
    void doAction(const QString& action) override {
        if (action == copy()->text() || action == pressAction())
            copy()->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAction* copy() const { return widget()->actions().constFirst(); }
};

// What the program just did: readers speak a notification as it shows.
class NoteAccessible : public QAccessibleWidget {
public:
    explicit NoteAccessible(NoteLabel* note) : QAccessibleWidget(note, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const NoteLabel*>(widget())->spoken()
                                      : QAccessibleWidget::text(t);
    }
};

// A label that readers pass by, as it repeats what is said elsewhere.
class PassedByAccessible : public QAccessibleWidget {
public:
    explicit PassedByAccessible(QWidget* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* readerInterface(const QString&, QObject* object) {
    if (auto* box = qobject_cast<ResultLabel*>(object))
        return new ResultAccessible(box);
    if (auto* note = qobject_cast<NoteLabel*>(object))
        return new NoteAccessible(note);
    if (auto* symbol = qobject_cast<UnitSymbolLabel*>(object))
        return new PassedByAccessible(symbol);
    // A window of its own, as readers announce it when it becomes active, not a pane.
    if (auto* form = qobject_cast<MainForm*>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    if (auto* list = qobject_cast<QComboBox*>(object))
        return new UnitListAccessible(list);
    return editableTextInterface(object);
}

} // namespace

void installReaderInterfaces() {
    static const bool installed = (QAccessible::installFactory(readerInterface), true);
    static_cast<void>(installed);
}

} // namespace quantell
