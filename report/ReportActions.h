#pragma once

#include <QString>

namespace quantell {

// Puts plain text on the system clipboard; false when the platform shows it did not take it.
bool copyToClipboard(const QString& text);

// Starts the system's plain-text editor as a separate process, with no arguments and no shell.
// Windows: notepad.exe from the system directory. Elsewhere: the first of a few common desktop
// editors found in an absolute PATH directory. False when none could be started.
bool startTextEditor();

} // namespace quantell
