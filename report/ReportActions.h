#pragma once

#include <QString>

namespace quantell {

// Puts plain text on the system clipboard; false when the platform shows it did not take it.
bool copyToClipboard(const QString& text);

enum class EditorStart { Started, NotFound, Failed };

// Starts the desktop's default plain-text editor, or else the one at platform::textEditorPath(),
// as a separate process with no arguments, no shell and its output discarded. `pid` gets the
// process of an editor started from the path.
EditorStart startTextEditor(qint64* pid = nullptr);

} // namespace quantell
