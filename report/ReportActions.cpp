#include "ReportActions.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace quantell {

bool copyToClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    // A clipboard held by another program keeps its old text. Some platforms hand text back
    // with LF line breaks, so compare without the CRs.
    auto plain = [](QString t) { return t.remove(u'\r'); };
    return plain(clipboard->text()) == plain(text);
}

const QStringList& textEditorNames() {
#ifdef Q_OS_WIN
    static const QStringList names{"notepad.exe"};
#else
    static const QStringList names{
        "gnome-text-editor", "gedit",  "kate", "kwrite", "mousepad", "pluma", "xed",
        "featherpad",        "leafpad"};
#endif
    return names;
}

namespace {

QString editorPath() {
#ifdef Q_OS_WIN
    wchar_t dir[MAX_PATH];
    const UINT length = GetSystemDirectoryW(dir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return QDir(QString::fromWCharArray(dir, static_cast<int>(length)))
        .filePath(textEditorNames().constFirst());
#else
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
#endif
}

} // namespace

EditorStart startTextEditor(qint64* pid) {
    const QString program = editorPath();
    if (program.isEmpty())
        return EditorStart::NotFound;
    // What the editor prints is no business of the terminal Quantell was started from.
    QProcess editor;
    editor.setProgram(program);
    editor.setStandardInputFile(QProcess::nullDevice());
    editor.setStandardOutputFile(QProcess::nullDevice());
    editor.setStandardErrorFile(QProcess::nullDevice());
    return editor.startDetached(pid) ? EditorStart::Started : EditorStart::Failed;
}

} // namespace quantell
