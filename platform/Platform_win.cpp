// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

#include <windows.h>

namespace quantell::platform {

namespace {
// After the Japanese faces of older and newer Windows, the system's own UI face, which every
// Windows has: without it Qt falls back to a serif face whose Latin letters need more room
// than the layout gives.
QStringList withSystemFace(QStringList families) {
    return families << QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}
} // namespace

QStringList uiFaces() {
    return withSystemFace({"MS UI Gothic", "Meiryo UI", "Yu Gothic UI"});
}

QStringList proportionalFaces() {
    return withSystemFace({"ＭＳ Ｐゴシック", "MS PGothic", "Meiryo", "Yu Gothic"});
}

const bool readersHearValueChanges = true;

QString qtCataloguesDir() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"));
}

QStringList licenceFiles() {
    return {QDir(QCoreApplication::applicationDirPath())
                .filePath(QStringLiteral("THIRD-PARTY-NOTICES.txt"))};
}

const char caption[] = "for Windows";

namespace {
const QString kNotepad = QStringLiteral("notepad.exe");
} // namespace

DefaultEditor startDefaultTextEditor() {
    return {}; // Notepad is the editor every Windows has
}

QString textEditorPath() {
    // From the system directory only, never through the current one.
    wchar_t dir[MAX_PATH];
    const UINT length = GetSystemDirectoryW(dir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return QDir(QString::fromWCharArray(dir, static_cast<int>(length))).filePath(kNotepad);
}

QString defaultTextEditorKind() {
    return {};
}

QStringList textEditorNames() {
    return {kNotepad};
}

} // namespace quantell::platform
