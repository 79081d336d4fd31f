#include "Platform.h"

#include <QDir>
#include <QFileInfo>

namespace quantell::platform {

// Only local faces are named: a face that is missing costs a fallback search while the splash
// is being built.
QStringList uiFaces() {
    // IPA Gothic's half-width Latin letters take the room the layout gives them.
    return {"IPAGothic", "IPAPGothic", "Noto Sans CJK JP"};
}

QStringList proportionalFaces() {
    return {"IPAPGothic", "IPAexGothic", "Noto Sans CJK JP"};
}

#ifdef Q_OS_MACOS
const char caption[] = "for macOS";
#else
const char caption[] = "for Linux";
#endif

const QStringList& textEditorNames() {
    static const QStringList names{
        "gnome-text-editor", "gedit",  "kate", "kwrite", "mousepad", "pluma", "xed",
        "featherpad",        "leafpad"};
    return names;
}

QString textEditorPath() {
    const QStringList path = qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts);
    for (const QString& editor : textEditorNames()) {
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

} // namespace quantell::platform
