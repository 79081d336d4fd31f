// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

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

// Where Qt's own catalogues of its texts are: the system Qt's folder, or the program's own
// translations folder where the program brings its Qt.
QString qtCataloguesDir();

// The files that hold the licences of the Qt the program runs on, LGPL-3.0 and GPL-3.0, and
// of all else it brings: the system's copies where the system's Qt is used, the third-party
// notices beside the program where it brings its own.
QStringList licenceFiles();

// "for Windows", "for Linux": the system this build of the program is for.
extern const char caption[];

// Whether the system's screen-reader bridge passes on a changed value of a control that takes no
// input, such as a result box (UI Automation announces it; AT-SPI only takes a changed text).
extern const bool readersHearValueChanges;

// The desktop's own default application for plain text, where the desktop names one.
struct DefaultEditor {
    QString name; // empty where there is none
    bool started = false;
};

// Starts the default with no file (its Exec line's own arguments, the field codes expanded to
// nothing): detached, without a shell, its standard streams on the null device, its program
// found through the absolute PATH entries only.
DefaultEditor startDefaultTextEditor();

// What the desktop's default is, as a warning names it where there is none; empty on a system
// that has no default to look for.
QString defaultTextEditorKind();

// The plain-text editors started where there is no default, most wanted first, and the
// absolute path of the first one found, or empty.
QStringList textEditorNames();
QString textEditorPath();

} // namespace quantell::platform
