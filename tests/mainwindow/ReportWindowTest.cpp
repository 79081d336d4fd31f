#include "WindowFixture.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

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

TEST_F(ReportTest, EditorStartsOncePerClickWithoutArgumentsOrSaysItCannot) {
    QTemporaryDir bin;
    const QString log = bin.filePath("starts.log");
    QFile editor(bin.filePath("gnome-text-editor"));
    ASSERT_TRUE(editor.open(QIODevice::WriteOnly));
    editor.write(QStringLiteral("#!/bin/sh\necho \"args=$#\" >> '%1'\n").arg(log).toUtf8());
    editor.close();
    editor.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");

    qputenv("PATH", bin.path().toUtf8() + ":relative/dir");
    click("ComNote");
    click("ComNote");
    QFile starts(log);
    QElapsedTimer timer;
    timer.start();
    while ((!starts.exists() || starts.size() < 14) && timer.elapsed() < 5000)
        QTest::qWait(20);
    ASSERT_TRUE(starts.open(QIODevice::ReadOnly));
    EXPECT_EQ(starts.readAll(), "args=0\nargs=0\n");

    qputenv("PATH", "/nonexistent");
    click("ComNote");
    qputenv("PATH", path);
    EXPECT_EQ(messenger.messages.size(), 1);
}

} // namespace
} // namespace quantell::test
