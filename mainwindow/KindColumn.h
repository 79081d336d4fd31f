// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include "FormLayout.h"
#include "engine/AmountText.h"
#include "engine/Catalogue.h"
#include "report/ReportBlock.h"

#include <QObject>
#include <QString>

#include <array>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace quantell {

class Messenger;
class NoteLabel;
class ResultLabel;

// One kind's column of the main window: its option button, two amount boxes with their unit
// lists, and seven result boxes with their unit names. It makes and keeps its controls, and
// does what the kind does: become current or not, take a chosen unit, convert, clear and give
// its report block.
class KindColumn : public QObject {
public:
    // Makes the controls on `window`, named and placed as the column's rows say; those that
    // take the focus join `tabStops`. Warnings go to `messenger`; what readers are told as it
    // happens, to `note`.
    KindColumn(Kind kind, QWidget* window, Messenger& messenger, NoteLabel& note,
               TabStops& tabStops);

    const KindLayout& layout() const { return m_layout; }
    QRadioButton* option() const { return m_option; }
    const std::array<ResultLabel*, kUnitCount>& results() const { return m_results; }

    // Lists the units, once every control of the window is there, and converts the zeros.
    void fill();
    // Only the current kind takes input; its results are white and its caption red.
    void setCurrent(bool current);
    // Converts the two amounts into the seven results; false, with a warning, when they overflow.
    bool convert();
    // The seven results as readers hear them, each value with its unit in words.
    QString spokenResults() const;
    // Result `index`'s unit: its symbol, and in words.
    QString unitSymbol(int index) const;
    QString unitWords(int index) const;
    void clear();
    void focusFirstInput();
    // What the controls show, for the report.
    ReportBlock reportBlock() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindControls();
    void onUnitChosen();
    void showResult(int index, const QString& value);
    void showAmountMenu(QLineEdit* box, const QPoint& at);

    const KindLayout& m_layout;
    QWidget* m_window;
    Messenger& m_messenger;
    NoteLabel& m_note;
    bool m_unitKeyed = false; // a key in the closed unit list is being handled
    std::string m_decimalPoint;
    std::string m_groupSeparator;
    QRadioButton* m_option = nullptr;
    std::array<QLineEdit*, 2> m_amounts{};
    std::array<QComboBox*, 2> m_unitLists{};
    std::array<ResultLabel*, kUnitCount> m_results{};
    std::array<QLabel*, kUnitCount> m_unitSymbols{};
};

} // namespace quantell
