// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

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
        return {EditorStart::Started};
    const QString program = platform::textEditorPath();
    if (program.isEmpty()) {
        // A default that exists is named already; one that does not was looked for too.
        QStringList lookedFor = platform::textEditorNames();
        if (byDefault.name.isEmpty() && !platform::defaultTextEditorKind().isEmpty())
            lookedFor.prepend(platform::defaultTextEditorKind());
        return {EditorStart::NotFound, byDefault.name, lookedFor};
    }
    // What the editor prints is no business of the terminal Quantell was started from.
    QProcess editor;
    editor.setProgram(program);
    editor.setStandardInputFile(QProcess::nullDevice());
    editor.setStandardOutputFile(QProcess::nullDevice());
    editor.setStandardErrorFile(QProcess::nullDevice());
    return {editor.startDetached(pid) ? EditorStart::Started : EditorStart::Failed, byDefault.name};
}

QString editorWarning(const EditorStart& start) {
    if (start.outcome == EditorStart::Started)
        return {};
    const QString unstarted =
        start.unstartedDefault.isEmpty()
            ? QString()
            : QStringLiteral("既定のテキストエディタ「%1」を起動できませんでした。")
                  .arg(start.unstartedDefault);
    if (start.outcome == EditorStart::Failed)
        return unstarted + QStringLiteral("テキストエディタを起動できませんでした。");
    return unstarted +
           (unstarted.isEmpty() ? QStringLiteral("テキストエディタが見つかりませんでした")
                                : QStringLiteral("ほかのテキストエディタも見つかりませんでした")) +
           QStringLiteral("（探したもの：%1）。").arg(start.lookedFor.join(u'、'));
}

} // namespace quantell
