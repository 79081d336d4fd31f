#pragma once

#include <QString>

namespace quantell {

// Puts plain text on the system clipboard; false when the platform shows it did not take it.
bool copyToClipboard(const QString& text);

struct EditorStart {
    enum Outcome { Started, NotFound, Failed } outcome;
    QString unstartedDefault; // the desktop's default, where it exists but did not start
};

// Starts the desktop's default plain-text editor (with its own arguments, and no file), or
// else the one at platform::textEditorPath() with no arguments: a separate process, no shell,
// its output discarded. `pid` gets the process of an editor started from the path.
EditorStart startTextEditor(qint64* pid = nullptr);

} // namespace quantell
