// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

// GIO's headers first: Qt's keyword macros would break them.
#include <gio/gdesktopappinfo.h>

#include "Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QLibraryInfo>

#include <fcntl.h>
#include <unistd.h>

#include <optional>

namespace quantell::platform {

// Only local faces are named: a face that is missing costs a fallback search while the splash
// is being built.
QStringList uiFaces() {
    // Half-width Latin letters take the room the layout gives them. VL Gothic's keep the three
    // stems of an "m" apart at 9 pt, where IPA Gothic's run into one grey block.
    return {"VL Gothic", "IPAGothic", "IPAPGothic", "Noto Sans CJK JP"};
}

QStringList proportionalFaces() {
    return {"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP"};
}

const bool readersHearValueChanges = false;

QString qtCataloguesDir() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QStringList licenceFiles() {
    return {"/usr/share/common-licenses/LGPL-3", "/usr/share/common-licenses/GPL-3"};
}

const char caption[] = "for Linux";

namespace {

const QStringList kEditorNames{
    "gnome-text-editor", "gedit",  "kate", "kwrite", "mousepad", "pluma", "xed",
    "featherpad",        "leafpad"};

// GIO knows the desktop's default applications (its mimeapps.list files) and how to start one
// (its desktop entry's Exec line). It is loaded on first use, so start-up does not pay for it;
// without it there is no default and the list above is all there is.
struct Gio {
    decltype(&g_app_info_get_default_for_type) defaultFor = nullptr;
    decltype(&g_desktop_app_info_get_type) desktopEntryType = nullptr;
    decltype(&g_type_check_instance_is_a) isA = nullptr;
    decltype(&g_desktop_app_info_launch_uris_as_manager_with_fds) launch = nullptr;
    decltype(&g_app_info_get_name) name = nullptr;
    decltype(&g_app_info_get_executable) executable = nullptr;
    decltype(&g_app_launch_context_new) newContext = nullptr;
    decltype(&g_app_launch_context_setenv) setenv = nullptr;
    decltype(&g_object_unref) unref = nullptr;
};

const Gio* gio() {
    static const std::optional<Gio> loaded = []() -> std::optional<Gio> {
        QLibrary library(QStringLiteral("gio-2.0"), 0);
        Gio g;
        const auto resolve = [&library](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            return function != nullptr;
        };
        if (resolve(g.defaultFor, "g_app_info_get_default_for_type") &&
            resolve(g.desktopEntryType, "g_desktop_app_info_get_type") &&
            resolve(g.isA, "g_type_check_instance_is_a") &&
            resolve(g.launch, "g_desktop_app_info_launch_uris_as_manager_with_fds") &&
            resolve(g.name, "g_app_info_get_name") &&
            resolve(g.executable, "g_app_info_get_executable") &&
            resolve(g.newContext, "g_app_launch_context_new") &&
            resolve(g.setenv, "g_app_launch_context_setenv") && resolve(g.unref, "g_object_unref"))
            return g;
        return std::nullopt;
    }();
    return loaded ? &*loaded : nullptr;
}

// The PATH entries a program is looked up in: absolute ones only, since a relative or empty
// entry would find it through the current directory.
QStringList absolutePath() {
    QStringList dirs = qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts);
    dirs.removeIf([](const QString& dir) { return !QDir::isAbsolutePath(dir); });
    return dirs;
}

// The executable file `program` names: itself where absolute, else the first found through the
// absolute PATH entries; empty where there is none.
QString findProgram(const QString& program) {
    const QStringList dirs =
        QDir::isAbsolutePath(program) ? QStringList{QString()} : absolutePath();
    for (const QString& dir : dirs) {
        const QFileInfo file(dir.isEmpty() ? program : QDir(dir).filePath(program));
        if (file.isFile() && file.isExecutable())
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace

DefaultEditor startDefaultTextEditor() {
    const Gio* g = gio();
    GAppInfo* app = g ? g->defaultFor("text/plain", FALSE) : nullptr;
    if (!app)
        return {};
    DefaultEditor editor{.name = QString::fromUtf8(g->name(app))};
    const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null >= 0 && g->isA(reinterpret_cast<GTypeInstance*>(app), g->desktopEntryType()) &&
        !findProgram(QString::fromLocal8Bit(g->executable(app))).isEmpty()) {
        // The editor looks its program up as findProgram did, through the absolute entries.
        GAppLaunchContext* context = g->newContext();
        g->setenv(context, "PATH", absolutePath().join(u':').toLocal8Bit().constData());
        // No file: the field codes of the Exec line expand to nothing.
        editor.started = g->launch(reinterpret_cast<GDesktopAppInfo*>(app), nullptr, context,
                                   G_SPAWN_SEARCH_PATH_FROM_ENVP, nullptr, nullptr, nullptr,
                                   nullptr, null, null, null, nullptr);
        g->unref(context);
    }
    if (null >= 0)
        close(null);
    g->unref(app);
    return editor;
}

QString textEditorPath() {
    for (const QString& editor : kEditorNames)
        if (const QString program = findProgram(editor); !program.isEmpty())
            return program;
    return {};
}

QString defaultTextEditorKind() {
    return QStringLiteral("text/plain の既定のアプリケーション");
}

QStringList textEditorNames() {
    return kEditorNames;
}

} // namespace quantell::platform
