// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "GuiTest.h"
#include "platform/Platform.h"
#include "report/ReportActions.h"

namespace quantell::test {
namespace {

// Where the desktop's default cannot start, the first editor of the list starts, without a file
// and with its output discarded; where none can, the warning names the default that did not
// start and what else was looked for, the default too where there is none.
TEST(Report, StartsAnEditorOrSaysWhatWasLookedFor) {
    FakeDesktop desktop;
    QFile(desktop.filePath("bin/fakeed")).setPermissions(QFile::ReadOwner); // only rel/ has it
    EXPECT_EQ(startTextEditor().outcome, EditorStart::Started);
    EXPECT_EQ(desktop.starts("gedit args=0 quiet\n"), "gedit args=0 quiet\n");
    const QString editors = platform::textEditorNames().join(u'、') + "）";
    desktop.set("PATH", "rel::" + desktop.filePath("empty"));
    const QString unstarted = editorWarning(startTextEditor());
    EXPECT_TRUE(unstarted.contains("「Fake」") && unstarted.contains("：" + editors))
        << unstarted.toStdString();
    desktop.set("PATH", "/nonexistent");
    const QString none = editorWarning(startTextEditor());
    EXPECT_TRUE(!none.contains("「") &&
                none.contains("：" + platform::defaultTextEditorKind() + "、" + editors))
        << none.toStdString();
    EXPECT_EQ(editorWarning({EditorStart::Started}), "");
}

} // namespace
} // namespace quantell::test
