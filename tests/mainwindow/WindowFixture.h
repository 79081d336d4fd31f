#pragma once

#include "engine/Catalogue.h"
#include "mainwindow/MainForm.h"
#include "report/Messenger.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace quantell::test {

struct RecordingMessenger : Messenger {
    QStringList messages;
    void warn(QWidget*, const QString& text) override { messages << text; }
};

inline const char* const kPrefixes[] = {"", "S", "C", "W"};
inline const char* const kOptions[] = {"OpLength", "OpSquare", "OpCubic", "OpWeight"};

// A shown, active main window, driven with keys and clicks as a person does.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<MainForm>(&messenger);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename T> T* get(const QString& name) const {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    static QString name(Kind kind, const char* array, int index) {
        return QStringLiteral("%1%2(%3)").arg(kPrefixes[static_cast<int>(kind)], array).arg(index);
    }
    QLineEdit* num(Kind kind, int i) const { return get<QLineEdit>(name(kind, "Num", i)); }
    QComboBox* unit(Kind kind, int i) const { return get<QComboBox>(name(kind, "Unit", i)); }
    QLabel* ans(Kind kind, int i) const { return get<QLabel>(name(kind, "Ans", i)); }
    QRadioButton* option(Kind kind) const {
        return get<QRadioButton>(kOptions[static_cast<int>(kind)]);
    }
    QPushButton* button(const char* buttonName) const { return get<QPushButton>(buttonName); }

    QStringList results(Kind kind) const {
        QStringList texts;
        for (int i = 0; i < kUnitCount; ++i)
            texts << ans(kind, i)->text();
        return texts;
    }

    void selectKind(Kind kind) { QTest::mouseClick(option(kind), Qt::LeftButton); }

    // Picks entry `index` of the kind's first unit list from its popup with the keyboard; as
    // with the mouse, picking the entry already shown is a choice too.
    void chooseUnit(Kind kind, int index) {
        QComboBox* list = unit(kind, 0);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        QAbstractItemView* popup = list->view();
        ASSERT_TRUE(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        ASSERT_FALSE(popup->isVisible());
    }

    // Enters the box as Tab does, which selects its text, then types over it.
    // Text beyond ASCII arrives one character a key event, as an input method sends it.
    void type(QLineEdit* box, const QString& text) {
        box->setFocus(Qt::TabFocusReason);
        for (const uint c : text.toUcs4()) {
            QKeyEvent key(QEvent::KeyPress, c < 128 ? QTest::asciiToKey(char(c)) : Qt::Key_unknown,
                          Qt::NoModifier,
                          QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1));
            QApplication::sendEvent(box, &key);
        }
    }

    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    RecordingMessenger messenger;
    std::unique_ptr<MainForm> form;
};

} // namespace quantell::test
