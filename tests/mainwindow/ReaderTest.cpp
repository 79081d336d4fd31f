// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "WindowTest.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <ctime>

namespace quantell::test {
namespace {

using Boundary = QAccessible::TextBoundaryType;

QAccessibleInterface* reader(QObject* control) {
    return QAccessible::queryAccessibleInterface(control);
}

struct Span {
    int start, end;
    QString text;
    bool operator==(const Span&) const = default;
};

void PrintTo(const Span& span, std::ostream* out) {
    *out << span.start << '-' << span.end << " \"" << span.text.toStdString() << '"';
}

// What a reader should get at every offset, from the items the text is made of, written out:
// the item holding the offset (at the end, the empty item there, unless the whole text or a last
// line or paragraph without a break ends there), and the items beside it, or an empty one at that
// end of the text.
void expectItems(QAccessibleTextInterface* queried, const QString& text, Boundary type,
                 const QStringList& items) {
    const int length = static_cast<int>(text.size());
    std::vector<Span> spans;
    for (int start = 0; const QString& item : items) {
        spans.push_back({start, start + static_cast<int>(item.size()), item});
        start = spans.back().end;
    }
    ASSERT_EQ(items.join(QString()), text);
    const bool byLines =
        type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary;
    if (text.isEmpty() || (type != QAccessible::NoBoundary && (!byLines || text.endsWith(u'\n'))))
        spans.push_back({length, length, {}});
    const auto query = [&](auto function, int offset) {
        Span got{0, 0, {}};
        got.text = (queried->*function)(offset, type, &got.start, &got.end);
        return got;
    };
    const auto spanAt = [&](std::size_t index, int edge) {
        return index < spans.size() ? spans[index] : Span{edge, edge, {}};
    };
    for (int offset = 0; offset <= length; ++offset) {
        SCOPED_TRACE(testing::Message() << "offset " << offset << " of \"" << text.toStdString()
                                        << "\", boundary " << type);
        std::size_t at = 0;
        while (at + 1 < spans.size() && spans[at].end <= offset)
            ++at;
        EXPECT_EQ(query(&QAccessibleTextInterface::textAtOffset, offset), spans[at]);
        EXPECT_EQ(query(&QAccessibleTextInterface::textBeforeOffset, offset), spanAt(at - 1, 0));
        EXPECT_EQ(query(&QAccessibleTextInterface::textAfterOffset, offset),
                  spanAt(at + 1, length));
    }
    EXPECT_EQ(query(&QAccessibleTextInterface::textAtOffset, -1), spans.back());
    EXPECT_EQ(query(&QAccessibleTextInterface::textAtOffset, length + 1), (Span{-1, -1, {}}));
}

// The text cut into the items `item` matches, one after the other.
QStringList itemsOf(const QString& text, const QString& item) {
    QStringList items;
    for (const QRegularExpressionMatch& match : QRegularExpression(item).globalMatch(text))
        items << match.captured();
    items.removeAll(QString());
    return items;
}

// Every text query a reader may make of the amount boxes and the report box, at every offset and
// boundary, is answered at once and rightly (Qt's own answers loop for good on some).
TEST_F(WindowTest, ReadersGetEveryPieceOfTextAtEveryOffsetAtOnce) {
    // Words are numbers and unit symbols, and a line break ends the run of other characters it
    // is in.
    const QString words = "[0-9.０-９]+|[a-z]+|[^0-9.０-９a-z\n]*\n|[^0-9.０-９a-z\n]+";
    const auto expectAll = [&](QWidget* box, const QString& text) {
        QAccessibleTextInterface* queried = reader(box)->textInterface();
        expectItems(queried, text, QAccessible::CharBoundary, itemsOf(text, "(?s)."));
        expectItems(queried, text, QAccessible::WordBoundary, itemsOf(text, words));
        for (const Boundary boundary : {QAccessible::SentenceBoundary, QAccessible::LineBoundary,
                                        QAccessible::ParagraphBoundary})
            expectItems(queried, text, boundary, itemsOf(text, "[^\n]*\n?"));
        expectItems(queried, text, QAccessible::NoBoundary, itemsOf(text, "(?s).+"));
    };
    QLineEdit* box = amountBox(Kind::Length, 0);
    for (const QString text : {"", "1.5", "１２ ab"}) {
        box->setText(text);
        expectAll(box, text);
    }
    // A long report, in lines that fit the box.
    type(box, "1.5");
    chooseUnit(Kind::Length, 5);
    for (int i = 0; i < 20; ++i)
        click("ComText");
    const std::clock_t start = std::clock(); // the time it works, whatever else the machine does
    expectAll(get("RTBox"), get<QPlainTextEdit>("RTBox")->toPlainText());
    EXPECT_LT(std::clock() - start, 5 * CLOCKS_PER_SEC);
}

// A reader hears what each unit list is, by kind and term, and its unit in words; a result box by
// kind, value and unit in words, with its full value as its text and value, once (not again as a
// description where its tip repeats it), and of each change as its bridge passes it on; a
// result's 「コピー」 action copies as its menu does. The unit symbols beside the results, which
// the result boxes say in words, are passed by. The window is a frame, as readers announce one.
TEST_F(WindowTest, ReadersHearWhatListsAndResultsAreAndWhatTheyHold) {
    EXPECT_EQ(reader(form.get())->role(), QAccessible::Window);
    static QList<std::pair<QObject*, QAccessible::Event>> heard;
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        heard.append({event->object(), event->type()});
    });
    QPlatformAccessibility* bridge = QGuiApplicationPrivate::platformIntegration()->accessibility();
    bridge->setActive(true);
    const auto quiet = qScopeGuard([bridge] {
        QAccessible::installUpdateHandler(nullptr);
        bridge->setActive(false);
    });
    selectKind(Kind::Weight);
    chooseUnit(Kind::Weight, 6);
    // some results are drawn rounded, in full in their tip
    type(amountBox(Kind::Weight, 0), "123456789");
    press(Qt::Key_Return);
    const std::tuple<Kind, int, QString, QString> lists[] = {
        {Kind::Weight, 0, "重さの単位", "ポンド"},
        {Kind::Weight, 1, "重さの補助単位", "オンス"},
        {Kind::Length, 0, "長さの単位", "センチメートル"}};
    for (const auto& [kind, i, name, unit] : lists) {
        QAccessibleInterface* list = reader(unitList(kind, i));
        EXPECT_EQ(list->text(QAccessible::Name), name);
        EXPECT_EQ(list->text(QAccessible::Value), unit);
        EXPECT_EQ(list->textInterface()->text(0, -1), unit);
    }
    const QStringList weights{"ミリグラム", "グラム", "キログラム", "グレーン",
                              "ドラム",     "オンス", "ポンド"};
    for (int i = 0; i < kUnitCount; ++i) {
        QLabel* box = resultBox(Kind::Weight, i);
        SCOPED_TRACE(box->text().toStdString());
        QAccessibleInterface* result = reader(box);
        EXPECT_EQ(result->text(QAccessible::Name), "重さの結果 " + box->text() + " " + weights[i]);
        EXPECT_EQ(result->text(QAccessible::Value), box->text());
        EXPECT_EQ(result->textInterface()->text(0, -1), box->text());
        EXPECT_EQ(result->text(QAccessible::Description), "");
        EXPECT_TRUE(heard.contains({box, QAccessible::TextUpdated}));
        EXPECT_TRUE(heard.contains({box, QAccessible::NameChanged}));
        // UI Automation passes a changed value on; AT-SPI takes a changed text only
        EXPECT_EQ(heard.contains({box, QAccessible::ValueChanged}),
                  QSysInfo::kernelType() == "winnt");
        EXPECT_TRUE(reader(get<QLabel>(Kind::Weight, "UnitName", i))->state().invisible);
        QApplication::clipboard()->clear();
        ASSERT_EQ(result->actionInterface()->actionNames(), QStringList("コピー"));
        result->actionInterface()->doAction("コピー");
        EXPECT_EQ(QApplication::clipboard()->text(), box->text());
    }
    click("ComClear");
    EXPECT_EQ(reader(resultBox(Kind::Weight, 6))->text(QAccessible::Name), "重さの結果（ポンド）");
}

// What the program did is told as it happens by a notification, which readers speak as it shows:
// a conversion's seven results, a unit stepped to in the closed list, a copied value and the
// report commands. What is drawn is beside where it happened and covers no control in use; a
// conversion or a unit is on the window already, so their note is for readers only. A failed
// copy only warns.
TEST_F(WindowTest, ReadersAreToldWhatWasDone) {
    auto* note = get<QLabel>("Note");
    ASSERT_EQ(reader(note)->role(), QAccessible::Notification);
    const auto told = [note] {
        return note->isVisible() ? reader(note)->text(QAccessible::Name) : QString();
    };
    const auto onForm = [&](QWidget* w) {
        return QRect(w->mapTo(form.get(), QPoint()), w->size());
    };
    const auto drawnBeside = [&](QWidget* control) {
        const QRect drawn = note->geometry();
        return form->rect().contains(drawn) &&
               !drawn.intersects(onForm(QApplication::focusWidget())) &&
               drawn.adjusted(-2, -2, 2, 2).intersects(onForm(control));
    };

    selectKind(Kind::Weight);
    chooseUnit(Kind::Weight, 5);
    EXPECT_EQ(told(), ""); // the open list read its entries already
    QTest::keyClick(unitList(Kind::Weight, 0), Qt::Key_Down);
    EXPECT_EQ(told(), "ポンド");
    type(amountBox(Kind::Weight, 0), "2");
    press(Qt::Key_Return);
    EXPECT_EQ(told(),
              "907184.0 ミリグラム、907.184 グラム、0.9072 キログラム、13999.7531 グレーン、"
              "512.0 ドラム、32.0 オンス、2.0 ポンド");
    EXPECT_TRUE(note->size().isEmpty());

    // The keyboard's way to one result: the amount box's menu offers the kind's seven results
    // under their units and copies the one chosen in full.
    QTest::keyClick(amountBox(Kind::Weight, 0), Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_K);
    auto* results = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(results);
    QStringList entries;
    for (QAction* entry : results->actions())
        entries << entry->text();
    EXPECT_EQ(entries,
              QStringList({"&1 907184.0 mg", "&2 907.184 g", "&3 0.9072 kg", "&4 13999.7531 grain",
                           "&5 512.0 dram", "&6 32.0 ounce", "&7 2.0 pound"}));
    QTest::keyClick(results, Qt::Key_6);
    EXPECT_EQ(QApplication::clipboard()->text(), "32.0");
    EXPECT_EQ(told(), "オンス の値 32.0 をコピーしました");
    EXPECT_EQ(note->text(), "ounce の値 32.0 をコピーしました");
    EXPECT_TRUE(drawnBeside(resultBox(Kind::Weight, 5)));

    const std::pair<const char*, QString> commands[] = {
        {"ComText", "重さの変換結果をテキスト化しました"},
        {"ComClip", "テキストをクリップボードにコピーしました"},
        {"ComTxClear", "テキストとクリップボードを消去しました"},
    };
    for (const auto& [command, what] : commands) {
        get(command)->setFocus();
        click(command);
        EXPECT_EQ(told(), what);
        EXPECT_EQ(note->text(), what);
        EXPECT_TRUE(drawnBeside(get(command)));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return told().isEmpty(); }, 3000));

    // Another program holds the clipboard: whatever is put there, it keeps its own text (where
    // the platform's clipboard tells in time: offscreen, not the Windows one).
    QClipboard* clipboard = QApplication::clipboard();
    const auto hold = QObject::connect(clipboard, &QClipboard::dataChanged, [clipboard] {
        if (clipboard->text() != "held")
            clipboard->setText("held");
    });
    clipboard->setText("probe");
    if (clipboard->text() == "held") {
        click("ComClip");
        EXPECT_EQ(told(), "");
        EXPECT_EQ(messenger.messages.filter("クリップボード").size(), 1);
        EXPECT_EQ(messenger.messages.size(), 1);
    }
    QObject::disconnect(hold);
}

} // namespace
} // namespace quantell::test
