#pragma once

#include <QString>
#include <QStringList>

// What differs between the operating systems the program runs on. One source file a system
// implements it; the build picks the one for its target.
namespace quantell::platform {

// The Japanese Gothic faces the windows are drawn in, most wanted first: the half-width one
// of the buttons and labels, and the proportional one of longer texts.
QStringList uiFaces();
QStringList proportionalFaces();

// "for Windows", "for Linux": the system this build of the program is for.
extern const char caption[];

// The plain-text editors looked for, in order.
const QStringList& textEditorNames();

// The absolute path of the first editor found, or empty.
QString textEditorPath();

} // namespace quantell::platform
