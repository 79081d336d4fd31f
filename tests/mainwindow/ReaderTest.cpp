#include "WindowTest.h"
#include "platform/Platform.h"

#include <QAccessible>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace quantell::test {
namespace {

using Boundary = QAccessible::TextBoundaryType;

struct Span {
    int start, end;
    QString text;
    bool operator==(const Span&) const = default;
};

void PrintTo(const Span& span, std::ostream* out) {
    *out << span.start << '-' << span.end << " \"" << span.text.toStdString() << '"';
}

// What a reader should get at every offset, from the items the text is made of, written out:
// the item holding the offset (at the end, the empty item there, unless a last line or paragraph
// without a break ends there), and the items beside it, or an empty one at that end of the text.
void expectItems(QAccessibleTextInterface* reader, const QString& text, Boundary type,
                 const QStringList& items) {
    const int length = static_cast<int>(text.size());
    std::vector<Span> spans;
    for (int start = 0; const QString& item : items) {
        spans.push_back({start, start + static_cast<int>(item.size()), item});
        start = spans.back().end;
    }
    ASSERT_EQ(items.join(QString()), text);
    const bool byLines = type == QAccessible::LineBoundary ||
                         type == QAccessible::ParagraphBoundary || type == QAccessible::NoBoundary;
    if (!byLines || text.isEmpty() || text.endsWith(u'\n'))
        spans.push_back({length, length, {}});
    const auto query = [&](auto function, int offset) {
        Span got{0, 0, {}};
        got.text = (reader->*function)(offset, type, &got.start, &got.end);
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
    const QRegularExpression pattern(item);
    for (qsizetype start = 0; start < text.size(); start += items.last().size())
        items << pattern
                     .match(text, start, QRegularExpression::NormalMatch,
                            QRegularExpression::AnchorAtOffsetMatchOption)
                     .captured();
    return items;
}

// Every text query a reader may make of the amount boxes and the report box, at every offset and
// boundary, is answered at once and rightly (Qt's own answers loop for good on some).
TEST_F(WindowTest, ReadersGetEveryPieceOfTextAtEveryOffsetAtOnce) {
    QLineEdit* box = amountBox(Kind::Length, 0);
    QAccessibleTextInterface* amount = QAccessible::queryAccessibleInterface(box)->textInterface();
    const std::map<Boundary, std::vector<std::pair<QString, QStringList>>> amounts{
        {QAccessible::CharBoundary,
         {{"", {}}, {"5", {"5"}}, {"1.5", {"1", ".", "5"}}, {"１２", {"１", "２"}}}},
        {QAccessible::WordBoundary,
         {{"", {}},
          {"5", {"5"}},
          {"1.5", {"1.5"}},
          {"１２", {"１２"}},
          {"12 ab", {"12", " ", "ab"}}}},
        {QAccessible::SentenceBoundary, {{"1.5", {"1.5"}}, {"12 ab", {"12 ab"}}}},
        {QAccessible::LineBoundary, {{"", {}}, {"1.5", {"1.5"}}}},
        {QAccessible::ParagraphBoundary, {{"1.5", {"1.5"}}}},
        {QAccessible::NoBoundary, {{"1.5", {"1.5"}}}},
    };
    for (const auto& [boundary, rows] : amounts) {
        for (const auto& [text, items] : rows) {
            box->setText(text);
            expectItems(amount, text, boundary, items);
        }
    }

    // A long report, in lines that fit the box; its words are numbers and unit symbols, and a
    // line break ends the run of other characters it is in.
    type(box, "1.5");
    chooseUnit(Kind::Length, 5);
    for (int i = 0; i < 20; ++i)
        click("ComText");
    const QString report = get<QPlainTextEdit>("RTBox")->toPlainText();
    const QStringList lines = itemsOf(report, "[^\n]*\n?");
    QAccessibleTextInterface* reader =
        QAccessible::queryAccessibleInterface(get("RTBox"))->textInterface();
    QElapsedTimer timer;
    timer.start();
    expectItems(reader, report, QAccessible::CharBoundary, itemsOf(report, "(?s)."));
    expectItems(reader, report, QAccessible::WordBoundary,
                itemsOf(report, "[0-9.]+|[a-z]+|[^0-9a-z\n]*\n|[^0-9a-z\n]+"));
    for (const Boundary boundary :
         {QAccessible::SentenceBoundary, QAccessible::LineBoundary, QAccessible::ParagraphBoundary})
        expectItems(reader, report, boundary, lines);
    EXPECT_LT(timer.elapsed(), 5000) << report.size() << " characters";
}

// A reader hears what each unit list is, by kind and term, and its unit in words; a result box by
// kind, value and unit in words, with its full value as its text and value, once (not again as a
// description where its tip repeats it), and of each change as its bridge passes it on; a
// result's 「コピー」 action copies as its menu does. The unit symbols beside the results, which
// the result boxes say in words, are passed by. The window is a frame, as readers announce one.
TEST_F(WindowTest, ReadersHearWhatListsAndResultsAreAndWhatTheyHold) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.get())->role(), QAccessible::Window);
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
    type(amountBox(Kind::Weight, 0),
         "123456789"); // some results are drawn rounded, in full in their tip
    press(Qt::Key_Return);
    const std::pair<Kind, QStringList> lists[] = {
        {Kind::Length, {"センチメートル", "ミリメートル"}}, {Kind::Weight, {"ポンド", "オンス"}}};
    for (const auto& [kind, units] : lists) {
        for (int i = 0; i < 2; ++i) {
            QAccessibleInterface* list = QAccessible::queryAccessibleInterface(unitList(kind, i));
            EXPECT_EQ(list->text(QAccessible::Name),
                      QString(kindLayout(kind).japanese) + (i == 0 ? "の単位" : "の補助単位"));
            EXPECT_EQ(list->text(QAccessible::Value), units[i]);
            EXPECT_EQ(list->textInterface()->text(0, -1), units[i]);
        }
    }
    const QStringList weights{"ミリグラム", "グラム", "キログラム", "グレーン",
                              "ドラム",     "オンス", "ポンド"};
    for (int i = 0; i < kUnitCount; ++i) {
        QLabel* box = resultBox(Kind::Weight, i);
        SCOPED_TRACE(box->text().toStdString());
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
        EXPECT_EQ(reader->text(QAccessible::Name), "重さの結果 " + box->text() + " " + weights[i]);
        EXPECT_EQ(reader->text(QAccessible::Value), box->text());
        EXPECT_EQ(reader->textInterface()->text(0, -1), box->text());
        EXPECT_EQ(reader->text(QAccessible::Description), "");
        EXPECT_TRUE(heard.contains({box, QAccessible::TextUpdated}));
        EXPECT_TRUE(heard.contains({box, QAccessible::NameChanged}));
        EXPECT_EQ(heard.contains({box, QAccessible::ValueChanged}),
                  platform::readersHearValueChanges);
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(get<QLabel>(Kind::Weight, "UnitName", i))
                        ->state()
                        .invisible);
        QApplication::clipboard()->clear();
        ASSERT_EQ(reader->actionInterface()->actionNames(), QStringList("コピー"));
        reader->actionInterface()->doAction("コピー");
        EXPECT_EQ(QApplication::clipboard()->text(), box->text());
    }
    click("ComClear");
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(resultBox(Kind::Weight, 6))->text(QAccessible::Name),
        "重さの結果（ポンド）");
}

// What the program did is told as it happens by a notification, which readers speak as it shows:
// a conversion's seven results, a unit stepped to in the closed list, a copied value and the
// report commands. What is drawn is beside where it happened and covers no control in use; a
// conversion or a unit is on the window already, so their note is for readers only. A failed
// copy only warns.
TEST_F(WindowTest, ReadersAreToldWhatWasDone) {
    auto* note = get<QLabel>("Note");
    ASSERT_EQ(QAccessible::queryAccessibleInterface(note)->role(), QAccessible::Notification);
    const auto told = [note] {
        return note->isVisible()
                   ? QAccessible::queryAccessibleInterface(note)->text(QAccessible::Name)
                   : QString();
    };
    const auto drawnBeside = [&](QWidget* control) {
        const QRect drawn = note->geometry();
        const QRect focus(QApplication::focusWidget()->mapTo(form.get(), QPoint()),
                          QApplication::focusWidget()->size());
        const QRect near(control->mapTo(form.get(), QPoint()), control->size());
        return form->rect().contains(drawn) && !drawn.intersects(focus) &&
               drawn.adjusted(-2, -2, 2, 2).intersects(near);
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

    QAccessible::queryAccessibleInterface(resultBox(Kind::Weight, 5))
        ->actionInterface()
        ->doAction("コピー");
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
        EXPECT_EQ(messenger.messages, QStringList("クリップボードに書き込めませんでした。"));
    }
    QObject::disconnect(hold);
}

// Shift+F10 opens the menu of any control that has one, as the Menu key does, with its first
// entry active so that a reader speaks it at once; Esc closes it and leaves the inputs alone.
TEST_F(WindowTest, ShiftF10OpensAnyMenuWithItsFirstEntryActive) {
    click("ComText");
    type(amountBox(Kind::Length, 0), "12");
    for (QWidget* control : {get("RTBox"), static_cast<QWidget*>(amountBox(Kind::Length, 0))}) {
        control->setFocus();
        shiftF10(control);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu) << control->objectName().toStdString();
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->activeAction(); }));
        const QList<QAction*> entries = menu->actions();
        const auto chosen = std::find(entries.begin(), entries.end(), menu->activeAction());
        EXPECT_TRUE(std::none_of(entries.begin(), chosen, [](QAction* entry) {
            return entry->isEnabled() && !entry->isSeparator();
        }));
        EXPECT_TRUE(menu->activeAction()->isEnabled());
        QTest::keyClick(menu, Qt::Key_Escape);
        QApplication::setActiveWindow(form.get());
    }
    EXPECT_EQ(amountBox(Kind::Length, 0)->text(), "12");
}

} // namespace
} // namespace quantell::test
