#include "shell/Shell.h"
#include "mainwindow/MainForm.h"
#include "shell/Info.h"
#include "shell/StartDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace quantell;

namespace {

void click(QWidget* window, const char* button) {
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
}

// Closed windows go with deleteLater, which waits for an event loop the tests do not run.
void deleteUnloaded() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Lets Timer1 tick now rather than after two seconds, and waits for the splash to go.
void tick(Shell& shell) {
    shell.startDialog()->findChild<QTimer*>("Timer1")->start(0);
    for (int i = 0; i < 100 && shell.startDialog(); ++i) {
        QTest::qWait(5);
        deleteUnloaded();
    }
    ASSERT_EQ(shell.startDialog(), nullptr);
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
    QTimer giveUp;
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(300);
    return QApplication::exec() == 0;
}

// No label's text is cut off by its own box or by its parent.
void expectLabelsFit(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()));
        const QSize needed = label->wordWrap()
                                 ? QSize(label->width(), label->heightForWidth(label->width()))
                                 : label->sizeHint();
        EXPECT_TRUE(QRect(QPoint(), label->size()).contains(QRect(QPoint(), needed)));
    }
}

} // namespace

TEST(StartDialog, IsACentredSplashWithoutTitleBarOrTaskBarButton) {
    Shell shell;
    StartDialog* splash = shell.startDialog();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->windowType(), Qt::SplashScreen);
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->geometry().center(),
              QGuiApplication::primaryScreen()->availableGeometry().center());
    const char* texts[][2] = {{"lblCompanyProduct", "Brevalt"},
                              {"lblProductName", "Quantell"},
                              {"lblPlatform", "for Windows"},
                              {"lblVersion", "Version 1.0.0"}};
    for (const auto& [name, text] : texts)
        EXPECT_EQ(splash->findChild<QLabel*>(name)->text(), text) << name;
    EXPECT_EQ(splash->findChild<QLabel*>("imgLogo")->size(), QSize(32, 32));
    expectLabelsFit(splash);

    // Closing the splash early would leave the program without a window.
    EXPECT_FALSE(splash->close());
}

TEST(StartDialog, TickOpensTheMainWindowOnceBeforeTheSplashGoes) {
    Shell shell;
    StartDialog* splash = shell.startDialog();
    auto* timer = splash->findChild<QTimer*>("Timer1");
    EXPECT_TRUE(timer->isActive() && timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 2000);
    EXPECT_EQ(shell.mainForm(), nullptr);

    struct HideWatch : QObject {
        Shell* shell;
        bool mainFormWasUp = false;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Hide)
                mainFormWasUp = shell->mainForm() && shell->mainForm()->isVisible();
            return false;
        }
    } watch;
    watch.shell = &shell;
    splash->installEventFilter(&watch);

    tick(shell);
    EXPECT_TRUE(watch.mainFormWasUp);
    QTest::qWait(20);
    EXPECT_EQ(windowsOf("quantell::MainForm"), 1);
    EXPECT_EQ(windowsOf("quantell::StartDialog"), 0);
}

TEST(Info, OpensOnceInFrontAsAToolWindowWithOnlyACloseBox) {
    Shell shell;
    tick(shell);
    MainForm* main = shell.mainForm();
    click(main, "ComInfo");
    Info* info = shell.info();
    ASSERT_TRUE(info && QTest::qWaitForWindowActive(info));
    EXPECT_EQ(info->windowType(), Qt::Tool);
    EXPECT_EQ(info->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
              Qt::WindowCloseButtonHint);
    EXPECT_FALSE(info->isModal());
    EXPECT_EQ(info->focusWidget()->objectName(), "cmdOK");
    expectLabelsFit(info);

    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    click(main, "ComInfo");
    EXPECT_EQ(shell.info(), info);
    EXPECT_EQ(windowsOf("quantell::Info"), 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(info));
}

TEST(Info, OkEnterEscAndCloseBoxEachUnloadIt) {
    const std::pair<const char*, std::function<void(Info*)>> ways[] = {
        {"cmdOK", [](Info* info) { click(info, "cmdOK"); }},
        {"Return", [](Info* info) { QTest::keyClick(info, Qt::Key_Return); }},
        {"Enter", [](Info* info) { QTest::keyClick(info, Qt::Key_Enter, Qt::KeypadModifier); }},
        {"Esc", [](Info* info) { QTest::keyClick(info, Qt::Key_Escape); }},
        {"close box", [](Info* info) { info->close(); }},
    };
    Shell shell;
    tick(shell);
    for (const auto& [how, close] : ways) {
        SCOPED_TRACE(how);
        click(shell.mainForm(), "ComInfo");
        ASSERT_TRUE(shell.info() && QTest::qWaitForWindowActive(shell.info()));
        close(shell.info());
        deleteUnloaded();
        EXPECT_EQ(shell.info(), nullptr);
        EXPECT_TRUE(shell.mainForm()->isVisible());
    }
}

TEST(Shell, ProgramEndsWhenTheMainWindowQuits) {
    Shell shell;
    tick(shell);
    EXPECT_TRUE(programEnds([&] { click(shell.mainForm(), "ComQuit"); }));
    deleteUnloaded();
    EXPECT_EQ(shell.mainForm(), nullptr);
}

TEST(Shell, OpenInfoKeepsTheProgramRunningUntilItCloses) {
    Shell shell;
    tick(shell);
    click(shell.mainForm(), "ComInfo");
    EXPECT_FALSE(programEnds([&] { click(shell.mainForm(), "ComQuit"); }));
    deleteUnloaded();
    EXPECT_EQ(shell.mainForm(), nullptr);
    ASSERT_TRUE(shell.info() && shell.info()->isVisible());
    EXPECT_TRUE(programEnds([&] { click(shell.info(), "cmdOK"); }));
}
