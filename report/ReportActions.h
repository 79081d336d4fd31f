#pragma once

#include <QStringList>

namespace quantell {

// Puts plain text on the system clipboard; false when the platform shows it did not take it.
bool copyToClipboard(const QString& text);

enum class EditorStart { Started, NotFound, Failed };

// Starts the system's plain-text editor as a separate process, with no arguments, no shell and
// its output discarded. Windows: notepad.exe from the system directory. Elsewhere: the first
// of textEditorNames() found in an absolute PATH directory. `pid` gets the editor's process.
EditorStart startTextEditor(qint64* pid = nullptr);

// The editors looked for, in order.
const QStringList& textEditorNames();

} // namespace quantell
