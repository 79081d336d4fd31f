// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include "FormLayout.h"

#include <QWidget>

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quantell {

class KindColumn;
class Messenger;
class NoteLabel;

// The working window: the command row, the report box and four kind columns, one of them
// current. Its state lives in its controls.
class MainForm : public QWidget {
    Q_OBJECT
public:
    // Warnings go to `messenger`, by default a message box.
    explicit MainForm(Messenger* messenger = nullptr, QWidget* parent = nullptr);

    // The report box's text with CRLF line breaks.
    QString reportText() const;

signals:
    // ComInfo: whoever owns the windows shows the one about window.
    void aboutRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createCommands(TabStops& tabStops);
    QPushButton* command(Command command) const;
    void createTitleAndReport(TabStops& tabStops);
    void makeCurrent(KindColumn& current);
    void onKindChosen(KindColumn& column);
    void convertCurrentKind();
    void clearCurrentKind();
    void appendReportBlock();
    void clearReport();
    void copyReportToClipboard();
    void startEditor();
    bool optionArrowKey(QObject* option, int key);
    void copyResult(const KindColumn& column, int index);
    bool copyText(const QString& text);
    // Tells the user, and readers, what a command did, beside its button.
    void noteDone(const QString& what, Command done);

    Messenger& m_messenger;
    std::array<KindColumn*, kAllKinds.size()> m_columns{}; // in kind order, owned by the window
    KindColumn* m_current = nullptr;
    std::array<QPushButton*, kCommandCount> m_commands{}; // in Command order
    NoteLabel* m_note = nullptr;
    QLabel* m_title = nullptr;
    QPlainTextEdit* m_report = nullptr;
};

} // namespace quantell
