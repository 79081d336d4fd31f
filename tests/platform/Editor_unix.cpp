// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "GuiTest.h"
#include "platform/Platform.h"

namespace quantell::test {
namespace {

// The desktop's default text editor starts without a file and with its output discarded; it and
// the editors of the list are found through the absolute PATH entries only. (What comes of the
// rest, the report's tests tell.)
TEST(Platform, StartsTheDefaultEditorThroughTheAbsolutePathEntriesOnly) {
    FakeDesktop desktop;
    const platform::DefaultEditor byDefault = platform::startDefaultTextEditor();
    EXPECT_TRUE(byDefault.name == "Fake" && byDefault.started);
    EXPECT_EQ(desktop.starts("default args=0 quiet\n"), "default args=0 quiet\n");
    QFile(desktop.filePath("bin/fakeed")).setPermissions(QFile::ReadOwner); // only rel/ has it
    EXPECT_FALSE(platform::startDefaultTextEditor().started);
    EXPECT_EQ(platform::textEditorPath(), desktop.filePath("bin/gedit"));
}

} // namespace
} // namespace quantell::test
