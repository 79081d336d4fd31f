// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "report/ReportActions.h"

#include <QDir>
#include <gtest/gtest.h>

#include <windows.h>

namespace quantell::test {
namespace {

TEST(Editor, IsNotepadFromTheSystemDirectory) {
    qint64 pid = 0;
    ASSERT_EQ(startTextEditor(&pid).outcome, EditorStart::Started);
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE,
                                       static_cast<DWORD>(pid));
    wchar_t path[MAX_PATH], system[MAX_PATH];
    DWORD size = MAX_PATH;
    EXPECT_TRUE(QueryFullProcessImageNameW(process, 0, path, &size));
    EXPECT_TRUE(TerminateProcess(process, 0));
    CloseHandle(process);
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(
        QDir::fromNativeSeparators(QString::fromWCharArray(path, static_cast<int>(size))).toLower(),
        QDir(QString::fromWCharArray(system, static_cast<int>(length)))
            .filePath("notepad.exe")
            .toLower());
}

} // namespace
} // namespace quantell::test
