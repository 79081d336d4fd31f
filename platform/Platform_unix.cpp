// GIO's headers first: Qt's keyword macros would break them.
#include <gio/gdesktopappinfo.h>

#include "Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

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

#ifdef Q_OS_MACOS
const char caption[] = "for macOS";
#else
const char caption[] = "for Linux";
#endif

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
            resolve(g.unref, "g_object_unref"))
            return g;
        return std::nullopt;
    }();
    return loaded ? &*loaded : nullptr;
}

} // namespace

bool startDefaultTextEditor() {
    const Gio* g = gio();
    GAppInfo* app = g ? g->defaultFor("text/plain", FALSE) : nullptr;
    if (!app)
        return false;
    bool started = false;
    const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null >= 0 && g->isA(reinterpret_cast<GTypeInstance*>(app), g->desktopEntryType())) {
        // No file: the field codes of the Exec line expand to nothing.
        started = g->launch(reinterpret_cast<GDesktopAppInfo*>(app), nullptr, nullptr,
                            G_SPAWN_SEARCH_PATH, nullptr, nullptr, nullptr, nullptr, null, null,
                            null, nullptr);
    }
    if (null >= 0)
        close(null);
    g->unref(app);
    return started;
}

QString textEditorPath() {
    const QStringList path = qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts);
    for (const QString& editor : kEditorNames) {
        for (const QString& dir : path) {
            // A relative PATH entry would resolve through the current directory.
            if (!QDir::isAbsolutePath(dir))
                continue;
            const QFileInfo file(QDir(dir).filePath(editor));
            if (file.isFile() && file.isExecutable())
                return file.absoluteFilePath();
        }
    }
    return {};
}

QStringList textEditorsLookedFor() {
    return QStringList{QStringLiteral("text/plain の既定のアプリケーション")} + kEditorNames;
}

} // namespace quantell::platform
