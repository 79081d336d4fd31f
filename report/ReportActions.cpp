#include "ReportActions.h"

#include "platform/Platform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>

namespace quantell {

bool copyToClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    // A clipboard held by another program keeps its old text. Some platforms hand text back
    // with LF line breaks, so compare without the CRs.
    auto plain = [](QString t) { return t.remove(u'\r'); };
    return plain(clipboard->text()) == plain(text);
}

EditorStart startTextEditor(qint64* pid) {
    const platform::DefaultEditor byDefault = platform::startDefaultTextEditor();
    if (byDefault.started)
        return {EditorStart::Started, {}};
    const QString program = platform::textEditorPath();
    if (program.isEmpty())
        return {EditorStart::NotFound, byDefault.name};
    // What the editor prints is no business of the terminal Quantell was started from.
    QProcess editor;
    editor.setProgram(program);
    editor.setStandardInputFile(QProcess::nullDevice());
    editor.setStandardOutputFile(QProcess::nullDevice());
    editor.setStandardErrorFile(QProcess::nullDevice());
    return {editor.startDetached(pid) ? EditorStart::Started : EditorStart::Failed, byDefault.name};
}

} // namespace quantell
