#include "WindowFixture.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#ifdef Q_OS_WIN
#include <tlhelp32.h>
#include <windows.h>
#endif

namespace quantell::test {
namespace {

const QString kFiveFeetThreeInches = "5 ft 3 in\r\n= 1600.2 mm\r\n= 160.02 cm\r\n= 1.6002 m\r\n"
                                     "= 0.0016 km\r\n= 63.0 in\r\n= 5.25 ft\r\n= 1.75 yd\r\n";

class ReportTest : public WindowTest {
protected:
    QPlainTextEdit* box() const { return get<QPlainTextEdit>("RTBox"); }
    void convertFiveFeetThreeInches() {
        chooseUnit(Kind::Length, 5);
        type(num(Kind::Length, 0), "5");
        type(num(Kind::Length, 1), "3");
        press(Qt::Key_Return);
    }
};

TEST_F(ReportTest, TypedTextStaysInFrontOfTheNextBlock) {
    convertFiveFeetThreeInches();
    box()->setFocus();
    QTest::keyClicks(box(), "note");
    click("ComText"); // no final line break: the block starts on the next line
    EXPECT_EQ(form->reportText(), "note\r\n" + kFiveFeetThreeInches);
    box()->clear();
    QTest::keyClicks(box(), "note");
    QTest::keyClick(box(), Qt::Key_Return); // the box takes Enter itself
    EXPECT_EQ(ans(Kind::Length, 0)->text(), "1600.2");
    click("ComText");
    EXPECT_EQ(form->reportText(), "note\r\n\r\n" + kFiveFeetThreeInches);
}

TEST_F(ReportTest, BlocksAppendAndTheClipboardGetsExactlyTheBox) {
    convertFiveFeetThreeInches();
    click("ComText");
    EXPECT_EQ(form->reportText().size(), 95);
    click("ComText"); // one empty line between blocks
    EXPECT_EQ(form->reportText(), kFiveFeetThreeInches + "\r\n" + kFiveFeetThreeInches);
    EXPECT_TRUE(box()->textCursor().atEnd());
    click("ComClip");
    EXPECT_EQ(QApplication::clipboard()->text(), form->reportText());
    click("ComTxClear");
    EXPECT_EQ(form->reportText(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "");
    click("ComText"); // after a clear the next block starts at the very beginning
    EXPECT_EQ(form->reportText(), kFiveFeetThreeInches);
    EXPECT_TRUE(messenger.messages.isEmpty());
}

#ifdef Q_OS_WIN
// The process the click started, found by its parent, with its program file; ended here.
std::pair<DWORD, QString> childProcess() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{sizeof entry};
    std::pair<DWORD, QString> child{};
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !child.first;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID != GetCurrentProcessId())
            continue;
        const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE,
                                           FALSE, entry.th32ProcessID);
        wchar_t path[MAX_PATH];
        DWORD size = MAX_PATH;
        if (QueryFullProcessImageNameW(process, 0, path, &size))
            child = {entry.th32ProcessID, QString::fromWCharArray(path, int(size))};
        TerminateProcess(process, 0);
        CloseHandle(process);
    }
    CloseHandle(snapshot);
    return child;
}

TEST_F(ReportTest, EditorIsNotepadFromTheSystemDirectory) {
    click("ComNote");
    std::pair<DWORD, QString> child;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (child = childProcess()).first != 0; }, 10000));
    wchar_t system[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(child.second.toLower(),
              QDir(QString::fromWCharArray(system, int(length))).filePath("notepad.exe").toLower());
    EXPECT_TRUE(messenger.messages.isEmpty());
}
#else
TEST_F(ReportTest, EditorStartsOncePerClickWithoutArgumentsOrOutputOrSaysWhatItLookedFor) {
    QTemporaryDir bin;
    const QString log = bin.filePath("starts.log");
    QFile editor(bin.filePath("gedit"));
    ASSERT_TRUE(editor.open(QIODevice::WriteOnly));
    // Shell built-ins only: the test's PATH holds nothing else.
    editor.write(
        QStringLiteral("#!/bin/sh\nq=no; [ /proc/$$/fd/1 -ef /dev/null ] && [ /proc/$$/fd/2 "
                       "-ef /dev/null ] && q=quiet\necho \"args=$# $q\" >> '%1'\n")
            .arg(log)
            .toUtf8());
    editor.close();
    editor.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");

    qputenv("PATH", bin.path().toUtf8() + ":relative/dir");
    click("ComNote");
    click("ComNote");
    const QString started = "args=0 quiet\n";
    QFile starts(log);
    EXPECT_TRUE(QTest::qWaitFor([&] { return starts.size() >= 2 * started.size(); }, 5000));
    ASSERT_TRUE(starts.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString(starts.readAll()), started.repeated(2));

    qputenv("PATH", "/nonexistent");
    click("ComNote");
    qputenv("PATH", path);
    ASSERT_EQ(messenger.messages.size(), 1);
    EXPECT_TRUE(messenger.messages[0].contains("gedit、kate"));
}
#endif

} // namespace
} // namespace quantell::test
