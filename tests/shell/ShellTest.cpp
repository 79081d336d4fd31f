#include "shell/Shell.h"
#include "mainwindow/MainForm.h"
#include "shell/Info.h"
#include "shell/StartDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace quantell;

namespace {

void click(QWidget* window, const char* button) {
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
}

// Lets Timer1 tick now rather than after two seconds, and waits for the splash to go.
void tick(Shell& shell) {
    shell.startDialog()->findChild<QTimer*>("Timer1")->start(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shell.startDialog(); }));
}

int windowsOf(const char* className) {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->inherits(className);
    return count;
}

// Runs the event loop as the program does, performs `action` in it and tells whether the
// program ends. The tests' application survives: exec() returns either way.
bool programEnds(const std::function<void()>& action) {
    QTimer::singleShot(0, qApp, action);
    QObject giveUp; // cancels the time-out when it goes
    QTimer::singleShot(300, &giveUp, [] { QCoreApplication::exit(1); });
    return QApplication::exec() == 0;
}

} // namespace

TEST(StartDialog, IsAFramelessSplashWithoutTaskBarButton) {
    Shell shell;
    StartDialog* splash = shell.startDialog();
    EXPECT_EQ(splash->windowType(), Qt::SplashScreen);
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->findChild<QLabel*>("lblCompanyProduct")->text(), "Brevalt");
    EXPECT_EQ(splash->findChild<QLabel*>("lblProductName")->text(), "Quantell");
    const QString kernel = QSysInfo::kernelType();
    EXPECT_EQ(splash->findChild<QLabel*>("lblPlatform")->text(), kernel == "winnt" ? "for Windows"
                                                                 : kernel == "darwin"
                                                                     ? "for macOS"
                                                                     : "for Linux");
    EXPECT_EQ(splash->findChild<QLabel*>("lblVersion")->text(), "Version 1.0.0");
    // Closing the splash early would leave the program without a window.
    EXPECT_FALSE(splash->close());
}

TEST(StartDialog, TickOpensTheMainWindowOnceBeforeTheSplashGoes) {
    Shell shell;
    // Connected after the shell, so this runs once the shell has answered the request.
    bool bothShowing = false;
    QObject::connect(shell.startDialog(), &StartDialog::mainFormRequested, [&] {
        bothShowing =
            shell.startDialog()->isVisible() && shell.mainForm() && shell.mainForm()->isVisible();
    });
    tick(shell);
    EXPECT_TRUE(bothShowing);
    QTest::qWait(20);
    EXPECT_EQ(windowsOf("quantell::MainForm"), 1);
}

TEST(Info, ComInfoTwiceKeepsOneInfoInFront) {
    Shell shell;
    tick(shell);
    click(shell.mainForm(), "ComInfo");
    Info* info = shell.info();
    ASSERT_TRUE(info && QTest::qWaitForWindowActive(info));

    shell.mainForm()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(shell.mainForm()));
    click(shell.mainForm(), "ComInfo");
    EXPECT_EQ(shell.info(), info);
    EXPECT_EQ(windowsOf("quantell::Info"), 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(info));
}

TEST(Info, OkEnterAndEscEachCloseIt) {
    const std::pair<const char*, std::function<void(Info*)>> ways[] = {
        {"cmdOK", [](Info* info) { click(info, "cmdOK"); }},
        {"Enter", [](Info* info) { QTest::keyClick(info, Qt::Key_Return); }},
        {"Esc", [](Info* info) { QTest::keyClick(info, Qt::Key_Escape); }},
    };
    Shell shell;
    tick(shell);
    for (const auto& [how, close] : ways) {
        SCOPED_TRACE(how);
        click(shell.mainForm(), "ComInfo");
        ASSERT_TRUE(shell.info() && QTest::qWaitForWindowActive(shell.info()));
        close(shell.info());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shell.info(); }));
    }
}

TEST(Shell, ProgramEndsWhenTheMainWindowQuits) {
    Shell shell;
    tick(shell);
    EXPECT_TRUE(programEnds([&] { click(shell.mainForm(), "ComQuit"); }));
}

TEST(Shell, OpenInfoKeepsTheProgramRunningUntilItCloses) {
    Shell shell;
    tick(shell);
    click(shell.mainForm(), "ComInfo");
    EXPECT_FALSE(programEnds([&] { click(shell.mainForm(), "ComQuit"); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shell.mainForm(); }));
    ASSERT_TRUE(shell.info() && shell.info()->isVisible());
    EXPECT_TRUE(programEnds([&] { click(shell.info(), "cmdOK"); }));
}
