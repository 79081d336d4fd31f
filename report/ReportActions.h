// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

namespace quantell {

// Puts plain text on the system clipboard; false when the platform shows it did not take it.
bool copyToClipboard(const QString& text);

// What came of starting a text editor.
struct EditorStart {
    enum Outcome { Started, NotFound, Failed } outcome;
    QString unstartedDefault = {}; // the desktop's default, where it exists but did not start
    QStringList lookedFor = {};    // where none was found: what else was looked for, in order
};

// Starts the desktop's default plain-text editor (with its own arguments, and no file), or
// else the one at platform::textEditorPath() with no arguments: a separate process, no shell,
// its output discarded. `pid` gets the process of an editor started from the path.
EditorStart startTextEditor(qint64* pid = nullptr);

// What the user is told of an editor that did not start; empty for one that did.
QString editorWarning(const EditorStart& start);

} // namespace quantell
