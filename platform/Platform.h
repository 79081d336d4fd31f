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

// Starts the desktop's own default application for plain text, where the desktop names one,
// with no file: detached, without a shell, its standard streams on the null device. False when
// there is none or it did not start.
bool startDefaultTextEditor();

// The absolute path of the plain-text editor to start when there is no default, or empty.
QString textEditorPath();

// What the two look for, in order, as a warning names them.
QStringList textEditorsLookedFor();

} // namespace quantell::platform
