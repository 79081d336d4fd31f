// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "KindColumn.h"

#include "LockedComboBox.h"
#include "Messenger.h"
#include "NoteLabel.h"
#include "ResultLabel.h"
#include "engine/Conversion.h"
#include "look/Window.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>

namespace quantell {

namespace {

const QColor kActiveShade(255, 255, 255);
const QColor kInactiveShade(204, 204, 204);

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

KindColumn::KindColumn(Kind kind, QWidget* window, Messenger& messenger, NoteLabel& note,
                       TabStops& tabStops)
    : QObject(window), m_layout(kindLayout(kind)), m_window(window), m_messenger(messenger),
      m_note(note) {
    const ColumnLayout column = columnLayout(m_layout);
    m_option = placed(new QRadioButton(window), column.option);
    growToText(m_option);
    tabStops.emplace_back(column.option.tabIndex, m_option);
    for (int i = 0; i < 2; ++i) {
        m_amounts[i] = placed(new QLineEdit(window), column.amounts[i]);
        m_unitLists[i] = placed(i == 0 ? new QComboBox(window) : new LockedComboBox(window),
                                column.unitLists[i]);
        tabStops.emplace_back(column.amounts[i].tabIndex, m_amounts[i]);
        tabStops.emplace_back(column.unitLists[i].tabIndex, m_unitLists[i]);
    }
    for (int i = 0; i < kUnitCount; ++i) {
        m_results[i] = placed(new ResultLabel(window), column.results[i]);
        m_results[i]->setAutoFillBackground(true);
        setColour(m_results[i], QPalette::Window, kActiveShade);
        m_unitSymbols[i] = placed(new UnitSymbolLabel(window), column.unitSymbols[i]);
    }
    bindControls();
    const QLocale locale;
    m_decimalPoint = locale.decimalPoint().toStdString();
    m_groupSeparator = locale.groupSeparator().toStdString();
}

// Wires the controls to the kind's handlers and names them for screen readers.
void KindColumn::bindControls() {
    for (int i = 0; i < 2; ++i) {
        m_amounts[i]->installEventFilter(this);
        connect(m_unitLists[i], &QComboBox::activated, this, &KindColumn::onUnitChosen);
    }
    m_unitLists[0]->installEventFilter(this);
    // The option group is one Tab stop, at the selected button.
    connect(m_option, &QRadioButton::toggled, m_option, [option = m_option](bool on) {
        option->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
    });
    m_option->setFocusPolicy(Qt::ClickFocus);

    const QString kindName = QString::fromUtf8(m_layout.japanese);
    m_amounts[0]->setAccessibleName(kindName + QStringLiteral("の数値"));
    m_amounts[1]->setAccessibleName(kindName + QStringLiteral("の補助単位の数値"));
    m_unitLists[0]->setAccessibleName(kindName + QStringLiteral("の単位"));
    m_unitLists[1]->setAccessibleName(kindName + QStringLiteral("の補助単位"));
}

QString KindColumn::unitSymbol(int index) const {
    return fromUtf8(units(m_layout.kind)[static_cast<std::size_t>(index)].name);
}

QString KindColumn::unitWords(int index) const {
    return fromUtf8(units(m_layout.kind)[static_cast<std::size_t>(index)].reading);
}

void KindColumn::fill() {
    for (int i = 0; i < kUnitCount; ++i) {
        const QString symbol = unitSymbol(i);
        for (QComboBox* list : m_unitLists) {
            list->addItem(symbol);
            list->setItemData(i, unitWords(i), Qt::AccessibleTextRole);
        }
        m_unitSymbols[i]->setText(symbol);
        growToText(m_unitSymbols[i]);
    }
    for (QComboBox* list : m_unitLists)
        growToText(list);
    for (QLineEdit* box : m_amounts)
        box->setText(QStringLiteral("0"));
    m_unitLists[0]->setCurrentIndex(1);
    onUnitChosen();
}

void KindColumn::setCurrent(bool current) {
    for (int i = 0; i < 2; ++i) {
        m_amounts[i]->setEnabled(current);
        m_unitLists[i]->setEnabled(current);
    }
    for (QLabel* label : m_results)
        setColour(label, QPalette::Window, current ? kActiveShade : kInactiveShade);
    setColour(m_option, QPalette::WindowText, current ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

void KindColumn::onUnitChosen() {
    const Kind kind = m_layout.kind;
    const int first = m_unitLists[0]->currentIndex();
    const bool twoTerms = units(kind)[static_cast<std::size_t>(first)].hasCompanion;
    m_unitLists[1]->setCurrentIndex(secondUnitFor(kind, first));
    m_amounts[1]->setEnabled(twoTerms);
    m_unitLists[1]->setEnabled(twoTerms);
    convert();
    // A unit chosen in the open list is heard as it is chosen; one stepped to in the closed list
    // is not, as the list offers readers no selection to follow.
    if (m_unitKeyed)
        m_note.announce(unitWords(first));
}

bool KindColumn::convert() {
    const QByteArray first = m_amounts[0]->text().toUtf8();
    const QByteArray second = m_amounts[1]->text().toUtf8();
    const ConversionResult result = quantell::convert(
        m_layout.kind,
        {first.toStdString(), second.toStdString(), m_unitLists[0]->currentIndex(),
         m_unitLists[1]->currentIndex(), m_amounts[1]->isEnabled()},
        {m_decimalPoint, m_groupSeparator});
    const std::array<const std::string*, 2> texts{&result.firstText, &result.secondText};
    for (int i = 0; i < 2; ++i) {
        const QString text = QString::fromStdString(*texts[i]);
        if (m_amounts[i]->text() != text)
            m_amounts[i]->setText(text);
    }
    for (int i = 0; i < kUnitCount; ++i)
        showResult(i, QString::fromStdString(result.results[i]));
    if (result.outcome != Outcome::Overflow)
        return true;
    m_messenger.warn(m_window, QStringLiteral("値が大きすぎるため変換できません。"));
    return false;
}

// Readers hear a result box as its kind, its value and its unit in words.
void KindColumn::showResult(int index, const QString& value) {
    m_results[index]->showResult(value);
    const QString kindName = QString::fromUtf8(m_layout.japanese);
    m_results[index]->setAccessibleName(
        value.isEmpty() ? QStringLiteral("%1の結果（%2）").arg(kindName, unitWords(index))
                        : QStringLiteral("%1の結果 %2 %3").arg(kindName, value, unitWords(index)));
}

QString KindColumn::spokenResults() const {
    QStringList results;
    for (int i = 0; i < kUnitCount; ++i)
        results << m_results[i]->text() + u' ' + unitWords(i);
    return results.join(u'、');
}

void KindColumn::clear() {
    for (QLineEdit* box : m_amounts)
        box->clear();
    for (int i = 0; i < kUnitCount; ++i)
        showResult(i, QString());
}

void KindColumn::focusFirstInput() {
    m_amounts[0]->setFocus(Qt::OtherFocusReason);
    m_amounts[0]->selectAll();
}

ReportBlock KindColumn::reportBlock() const {
    ReportBlock block;
    for (int i = 0; i < 2; ++i) {
        block.amounts[i] = m_amounts[i]->text();
        block.units[i] = m_unitLists[i]->currentText();
    }
    for (int i = 0; i < kUnitCount; ++i) {
        block.results[i] = m_results[i]->text();
        block.unitSymbols[i] = m_unitSymbols[i]->text();
    }
    return block;
}

// An amount box's context menu (Menu key, Shift+F10 or right click): the box's own, then the
// kind's seven results to copy, each under its unit. Result boxes take no focus, so this is the
// keyboard's way to one value; it copies as a result box's own menu does.
void KindColumn::showAmountMenu(QLineEdit* box, const QPoint& at) {
    QMenu* menu = box->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    QMenu* results = menu->addMenu(QStringLiteral("結果をコピー(&K)"));
    for (int i = 0; i < kUnitCount; ++i) {
        const QString value = m_results[i]->text();
        QAction* copy = results->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QStringList{value, m_unitSymbols[i]->text()}.join(u' ').trimmed()));
        copy->setEnabled(!value.isEmpty());
        connect(copy, &QAction::triggered, m_results[i]->actions().constFirst(), &QAction::trigger);
    }
    menu->popup(at);
}

bool KindColumn::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_unitLists[0]) {
        // The arrow keys of the closed list step through its units; Alt+Down opens it.
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            m_unitKeyed = !(key->modifiers() & Qt::AltModifier) &&
                          QList<int>{Qt::Key_Up,  Qt::Key_Down,   Qt::Key_Home,
                                     Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown}
                              .contains(key->key());
        } else if (event->type() == QEvent::KeyRelease) {
            m_unitKeyed = false;
        }
        return QObject::eventFilter(watched, event);
    }
    auto* box = static_cast<QLineEdit*>(watched);
    switch (event->type()) {
    case QEvent::ContextMenu:
        showAmountMenu(box, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::FocusIn:
        // An amount box selects its text when it is entered: by Tab, by the program (a conversion,
        // a kind chosen) or by a click, whose mouse press would place the cursor after a direct
        // selection. The focus coming back, from a closed menu or to the window made active
        // again, is no entering: text, cursor and selection stay, and the next key goes on.
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::MouseFocusReason:
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
            break;
        case Qt::PopupFocusReason:
        case Qt::ActiveWindowFocusReason:
        case Qt::MenuBarFocusReason:
            break;
        default:
            box->selectAll();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quantell
