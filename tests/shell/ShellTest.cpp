// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "shell/Shell.h"
#include "GuiTest.h"
#include "ThreeWindows.h"
#include "platform/Platform.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <functional>

using namespace quantell;
using namespace quantell::test;

namespace {

// Lets Timer1 tick now rather than after its two seconds, and waits for the splash to go.
void tick(Shell& shell) {
    auto* timer = shell.startDialog()->findChild<QTimer*>("Timer1");
    EXPECT_EQ(timer->interval(), 2000);
    timer->start(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shell.startDialog(); }));
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

// ComInfo opens one about window, or brings it to the front; OK closes it, and so do Enter and
// Esc with any modifiers held, as the main window takes them.
TEST(Info, OpensOnceAndOkEnterAndEscWithAnyModifiersCloseIt) {
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Return, {}},
        {Qt::Key_Escape, {}},
        {Qt::Key_Escape, Qt::ShiftModifier},
        {Qt::Key_Escape, Qt::ControlModifier | Qt::AltModifier},
        {Qt::Key_Return, Qt::ControlModifier},
        {Qt::Key_Enter, Qt::KeypadModifier},
    };
    Shell shell;
    tick(shell);
    click("ComInfo");
    Info* info = shell.info();
    ASSERT_TRUE(info && QTest::qWaitForWindowActive(info));
    shell.mainForm()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(shell.mainForm()));
    click("ComInfo"); // brings the same one to the front
    EXPECT_TRUE(shell.info() == info && QTest::qWaitForWindowActive(info));
    for (const auto& [key, modifiers] : keys) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shell.info(); }));
        click("ComInfo");
        ASSERT_TRUE(shell.info() && QTest::qWaitForWindowActive(shell.info()));
    }
    click("cmdOK");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shell.info(); }));
}

// Where it shows our copyright, the about window names Qt with its copyright and licence. The
// line is the next Tab stop after OK, and Enter on it opens the licences: ours, and those of the
// Qt the program runs on, in full where the platform keeps them, named where it does not.
TEST(Info, NamesQtAndOpensTheLicences) {
    Info info;
    info.show();
    info.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&info));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* qt = qobject_cast<QPushButton*>(QApplication::focusWidget());
    ASSERT_TRUE(qt);
    EXPECT_TRUE(qt->text().contains("Qt") && qt->text().contains("LGPL-3.0"));
    QTest::keyClick(qt, Qt::Key_Return);
    qt->click(); // a second time: the one licence window again
    ASSERT_EQ(info.findChildren<QDialog*>("Licences").size(), 1);
    auto* licences = info.findChild<QDialog*>("Licences");
    ASSERT_TRUE(licences->isVisible());
    const QString text = licences->findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_TRUE(text.contains("MIT License"));
    for (const QString& path : platform::licenceFiles()) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)
                        ? text.contains(QString::fromUtf8(file.readAll()).left(200))
                        : text.contains(path))
            << path.toStdString();
    }
}

// The splash names its platform, stays until its tick and opens the main window once before it
// goes; the program ends when the last of the main window and the about window closes.
TEST(Shell, OpensTheMainWindowOnceAndEndsWithTheLastWindow) {
    {
        Shell shell;
        EXPECT_EQ(shell.startDialog()->findChild<QLabel*>("lblPlatform")->text(),
                  QSysInfo::kernelType() == "winnt" ? "for Windows" : "for Linux");
        // Closing the splash early would leave the program without a window.
        EXPECT_FALSE(shell.startDialog()->close());
        // Connected after the shell, so this runs once the shell has answered the request.
        bool bothShowing = false;
        QObject::connect(shell.startDialog(), &StartDialog::mainFormRequested, [&] {
            bothShowing = shell.startDialog()->isVisible() && shell.mainForm() &&
                          shell.mainForm()->isVisible();
        });
        tick(shell);
        EXPECT_TRUE(bothShowing);
        QTest::qWait(20);
        EXPECT_EQ(
            std::ranges::count_if(QApplication::topLevelWidgets(),
                                  [](QWidget* w) { return w->inherits("quantell::MainForm"); }),
            1);
        EXPECT_TRUE(programEnds([&] { click("ComQuit"); }));
    }
    Shell shell;
    tick(shell);
    click("ComInfo");
    EXPECT_FALSE(programEnds([&] { click("ComQuit"); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shell.mainForm(); }));
    ASSERT_TRUE(shell.info() && shell.info()->isVisible());
    EXPECT_TRUE(programEnds([&] { click("cmdOK"); }));
}

// Every control of the three windows that takes the focus says what it is to a screen reader: a
// name neither empty nor what it holds.
TEST(Readers, EveryControlThatTakesTheFocusSaysWhatItIs) {
    int named = 0;
    eachWindow([&named](QWidget* window) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(window))
                continue;
            SCOPED_TRACE(control->objectName().toStdString());
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
            EXPECT_FALSE(reader->text(QAccessible::Name).isEmpty());
            EXPECT_NE(reader->text(QAccessible::Name), reader->text(QAccessible::Value));
            ++named;
        }
    });
    EXPECT_EQ(named, 28); // an option, 8 amounts, 8 lists, 8 commands, the report box, OK, Qt
}

// Shift+F10 opens a box's menu with its first entry active, and Esc closes the menu alone, the
// amount being typed kept. Qt's own texts are Japanese, as the
// windows are, from the catalogue where the program looks for it: the entries of the amount box's
// and the report box's menus, and what readers are told of a box's actions. A shortcut (Ctrl+Z)
// and an access key ((&U)) aside, none holds a Latin letter.
TEST(Readers, MenusByKeyboardAndQtsOwnTextsInJapanese) {
    ASSERT_TRUE(installQtJapanese());
    const QRegularExpression english("[A-Za-z]");
    const auto japanese = [&english](QString text) {
        return !text.section(u'\t', 0, 0).remove(QRegularExpression("\\(&.\\)")).contains(english);
    };
    MainForm form;
    form.show();
    click("ComText"); // a report to select and copy
    auto* amount = form.findChild<QLineEdit*>("Num(0)");
    QTest::keyClicks(amount, "12");
    const QString typed = amount->text();
    for (const char* name : {"Num(0)", "RTBox"}) {
        auto* box = form.findChild<QWidget*>(name);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_F10, Qt::ShiftModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu) << name;
        // opened by the keyboard, with its first entry active, which a reader speaks at once
        const QList<QAction*> entries = menu->actions();
        const auto first = std::ranges::find_if(
            entries, [](QAction* entry) { return entry->isEnabled() && !entry->isSeparator(); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return menu->activeAction() == *first; })) << name;
        for (const QAction* entry : menu->actions())
            EXPECT_TRUE(japanese(entry->text())) << entry->text().toStdString();
        QTest::keyClick(menu, Qt::Key_Escape);
        EXPECT_EQ(amount->text(), typed) << name;
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(box)->actionInterface();
        for (const QString& action : actions->actionNames())
            EXPECT_TRUE(japanese(actions->localizedActionDescription(action)))
                << actions->localizedActionDescription(action).toStdString();
    }
}
