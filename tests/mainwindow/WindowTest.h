// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include "GuiTest.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/Messenger.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace quantell::test {

struct RecordingMessenger : Messenger {
    QStringList messages;
    void warn(QWidget*, const QString& text) override { messages << text; }
};

// A shown, active main window, driven with keys and clicks as a person does.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<MainForm>(&messenger);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

public:
    template <typename T = QWidget> T* get(const QString& name) const {
        return form->findChild<T*>(name);
    }
    template <typename T> T* get(Kind kind, const char* array, int index) const {
        return get<T>(controlName(kindLayout(kind), array, index));
    }
    QLineEdit* amountBox(Kind kind, int i) const { return get<QLineEdit>(kind, "Num", i); }
    QComboBox* unitList(Kind kind, int i) const { return get<QComboBox>(kind, "Unit", i); }
    QLabel* resultBox(Kind kind, int i) const { return get<QLabel>(kind, "Ans", i); }
    QRadioButton* option(Kind kind) const { return get<QRadioButton>(kindLayout(kind).option); }
    // The kind's two inputs and seven results.
    QStringList windowShows(Kind kind) const {
        QStringList texts{amountBox(kind, 0)->text(), amountBox(kind, 1)->text()};
        for (int i = 0; i < kUnitCount; ++i)
            texts << resultBox(kind, i)->text();
        return texts;
    }

    void selectKind(Kind kind) { QTest::mouseClick(option(kind), Qt::LeftButton); }
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    // Picks entry `index` from the first unit list's popup; as with the mouse, picking the
    // entry already shown is a choice too.
    void chooseUnit(Kind kind, int index) {
        QComboBox* list = unitList(kind, 0);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        QAbstractItemView* popup = list->view();
        ASSERT_TRUE(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    }

    // What a right click on `control` does.
    static void rightClick(QWidget* control) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, {}, control->mapToGlobal(QPoint()));
        QApplication::sendEvent(control, &event);
    }

    // Enters the box as Tab does, which selects its text, then types over it.
    void type(QLineEdit* box, const QString& text) {
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, text);
    }

    RecordingMessenger messenger;
    std::unique_ptr<MainForm> form;
};

} // namespace quantell::test
