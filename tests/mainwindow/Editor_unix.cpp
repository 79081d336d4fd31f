// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "WindowTest.h"
#include "report/ReportActions.h"

namespace quantell::test {
namespace {

// An editor that cannot start is told, in the words the report gives it.
TEST_F(WindowTest, TellsOfAnEditorThatCannotStart) {
    FakeDesktop desktop;
    desktop.set("PATH", "/nonexistent");
    click("ComNote");
    EXPECT_EQ(messenger.messages, QStringList(editorWarning(startTextEditor())));
}

} // namespace
} // namespace quantell::test
