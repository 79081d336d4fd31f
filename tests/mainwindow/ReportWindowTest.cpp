#include "WindowFixture.h"

#include <QClipboard>
#include <QDir>
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
    void click(const char* buttonName) { QTest::mouseClick(button(buttonName), Qt::LeftButton); }
    void convertFiveFeetThreeInches() {
        chooseUnit(Kind::Length, 5);
        type(num(Kind::Length, 0), "5");
        type(num(Kind::Length, 1), "3");
        press(Qt::Key_Return);
    }
};

TEST_F(ReportTest, BlocksAppendWithOneEmptyLineBetweenAndCursorAtTheEnd) {
    convertFiveFeetThreeInches();
    click("ComText");
    EXPECT_EQ(form->reportText(), kFiveFeetThreeInches);
    EXPECT_EQ(form->reportText().size(), 95);
    EXPECT_TRUE(box()->textCursor().atEnd());
    click("ComText");
    EXPECT_EQ(form->reportText(), kFiveFeetThreeInches + "\r\n" + kFiveFeetThreeInches);
    EXPECT_EQ(form->reportText().size(), 192);
    EXPECT_TRUE(box()->textCursor().atEnd());
}

TEST_F(ReportTest, BlockCopiesControlsAsTheyShow) {
    chooseUnit(Kind::Length, 5);
    press(Qt::Key_Escape);
    click("ComText"); // right after a clear: empty amounts and results
    EXPECT_TRUE(form->reportText().startsWith(" ft  in\r\n=  mm\r\n=  cm\r\n"));
    click("ComTxClear");
    chooseUnit(Kind::Length, 0); // mm: one term
    type(num(Kind::Length, 0), "250");
    press(Qt::Key_Return);
    type(num(Kind::Length, 0), " 5"); // edited after the conversion
    click("ComText");
    EXPECT_TRUE(form->reportText().startsWith(" 5 mm 0 mm\r\n= 250.0 mm\r\n"));
    click("ComTxClear");
    selectKind(Kind::Square);
    chooseUnit(Kind::Square, 2);
    click("ComText");
    EXPECT_EQ(form->reportText(), "0 a 0 m'2\r\n= 0.0 cm'2\r\n= 0.0 m'2\r\n= 0.0 a\r\n"
                                  "= 0.0 km'2\r\n= 0.0 in'2\r\n= 0.0 ft'2\r\n= 0.0 yd'2\r\n");
}

TEST_F(ReportTest, TypedTextStaysInFrontOfTheNextBlock) {
    convertFiveFeetThreeInches();
    box()->setFocus();
    QTest::keyClicks(box(), "note");
    click("ComText"); // no final line break: the block starts on the next line
    EXPECT_EQ(form->reportText(), "note\r\n" + kFiveFeetThreeInches);
    box()->clear();
    QTest::keyClicks(box(), "note");
    QTest::keyClick(box(), Qt::Key_Return); // the box takes Enter itself
    EXPECT_EQ(results(Kind::Length)[0], "1600.2");
    click("ComText");
    EXPECT_EQ(form->reportText(), "note\r\n\r\n" + kFiveFeetThreeInches);
}

TEST_F(ReportTest, ClipboardGetsExactlyTheBoxAndClearEmptiesBoth) {
    QClipboard* clipboard = QApplication::clipboard();
    convertFiveFeetThreeInches();
    click("ComText");
    click("ComText");
    click("ComClip");
    EXPECT_EQ(clipboard->text(), kFiveFeetThreeInches + "\r\n" + kFiveFeetThreeInches);
    click("ComTxClear");
    EXPECT_EQ(form->reportText(), "");
    EXPECT_EQ(clipboard->text(), "");
    click("ComText"); // after a clear the next block starts at the very beginning
    EXPECT_EQ(form->reportText(), kFiveFeetThreeInches);
    EXPECT_TRUE(messenger.messages.isEmpty());
}

TEST_F(ReportTest, EditorStartsOncePerClickWithoutArgumentsOrSaysItCannot) {
    QTemporaryDir bin;
    const QString log = bin.filePath("starts.log");
    const QString editor = bin.filePath("gnome-text-editor");
    QFile script(editor);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"args=$#\" >> '%1'\n").arg(log).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");

    qputenv("PATH", bin.path().toUtf8() + ":relative/dir");
    click("ComNote");
    click("ComNote");
    QString starts;
    QElapsedTimer timer;
    timer.start();
    while (starts.count('\n') < 2 && timer.elapsed() < 5000) {
        QTest::qWait(20);
        QFile file(log);
        if (file.open(QIODevice::ReadOnly))
            starts = QString::fromUtf8(file.readAll());
    }
    EXPECT_EQ(starts, "args=0\nargs=0\n");
    EXPECT_TRUE(messenger.messages.isEmpty());

    qputenv("PATH", "/nonexistent");
    click("ComNote");
    qputenv("PATH", path);
    EXPECT_EQ(messenger.messages.size(), 1);
    EXPECT_TRUE(form->isVisible());
}

} // namespace
} // namespace quantell::test
