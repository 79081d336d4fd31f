// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#include "AccessibleText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>

namespace quantell {

namespace {

int paragraphStart(const QString& text, int offset) {
    return offset <= 0 ? 0 : static_cast<int>(text.lastIndexOf(u'\n', offset - 1)) + 1;
}

int paragraphEnd(const QString& text, int offset) {
    const auto lineBreak = text.indexOf(u'\n', offset);
    return lineBreak < 0 ? static_cast<int>(text.size()) : static_cast<int>(lineBreak) + 1;
}

// Where the items of `type` begin within the paragraphs from `from` to `to`, ascending from
// `from`; at the end of the text, also the empty item there. `lines` are the drawn lines' starts.
QList<int> itemStarts(const QString& text, int from, int to, QAccessible::TextBoundaryType type,
                      const QList<int>& lines) {
    const int length = static_cast<int>(text.size());
    QList<int> starts{from};
    if (type == QAccessible::LineBoundary && !lines.isEmpty()) {
        starts.clear();
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(starts), [&](int start) {
            return start >= from && (start < to || (start == to && to == length));
        });
    } else if (type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary) {
        for (int i = from; i < to; ++i)
            if (text[i] == u'\n' && (i + 1 < to || to == length))
                starts << i + 1;
    } else if (type != QAccessible::NoBoundary) {
        const auto finderType = type == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                : type == QAccessible::SentenceBoundary
                                    ? QTextBoundaryFinder::Sentence
                                    : QTextBoundaryFinder::Grapheme;
        // A word and the run of other characters up to the next are an item each; no item runs
        // on past a line break.
        const auto edges = QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem;
        for (int paragraph = from; paragraph < to; paragraph = paragraphEnd(text, paragraph)) {
            if (paragraph > from)
                starts << paragraph;
            const QString part = text.mid(paragraph, paragraphEnd(text, paragraph) - paragraph);
            QTextBoundaryFinder finder(finderType, part);
            while (finder.toNextBoundary() > 0 && finder.position() < part.size())
                if (finderType != QTextBoundaryFinder::Word || (finder.boundaryReasons() & edges))
                    starts << paragraph + static_cast<int>(finder.position());
        }
        if (to == length && starts.last() != length)
            starts << length;
    }
    return starts;
}

// An amount box: its text, caret and selection as the box has them.
class LineEditAccessible : public TextAccessible, public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* box) : TextAccessible(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return TextAccessible::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->text() : TextAccessible::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            box()->setText(text);
        else
            TextAccessible::setText(t, text);
    }
    QAccessible::State state() const override {
        QAccessible::State state = TextAccessible::state();
        state.editable = true;
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = static_cast<int>(box()->selectionStart());
            *end = static_cast<int>(box()->selectionEnd());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    // From where the box draws its caret, which knows how far a long text has scrolled.
    QRect characterRect(int offset) const override {
        const QString text = box()->text();
        if (offset < 0 || offset >= text.size())
            return {};
        const QFontMetrics metrics = box()->fontMetrics();
        const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caret.x() + metrics.horizontalAdvance(text.left(offset)) -
                      metrics.horizontalAdvance(text.left(box()->cursorPosition()));
        const QRect rect(x, caret.y(), metrics.horizontalAdvance(text.mid(offset, 1)),
                         caret.height());
        return rect.translated(box()->mapToGlobal(QPoint()));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        box()->setText(box()->text().replace(start, end - start, text));
    }

protected:
    QString wholeText() const override { return box()->text(); }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

// The report box: its lines are the lines it draws, its paragraphs those of the report.
class PlainTextAccessible : public TextAccessible, public QAccessibleEditableTextInterface {
public:
    explicit PlainTextAccessible(QPlainTextEdit* box)
        : TextAccessible(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return TextAccessible::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? wholeText() : TextAccessible::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            box()->setPlainText(text);
        else
            TextAccessible::setText(t, text);
    }
    QAccessible::State state() const override {
        QAccessible::State state = TextAccessible::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override {
        const QTextCursor cursor = box()->textCursor();
        *start = *end = 0;
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            setSelection(0, cursorPosition(), cursorPosition());
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            box()->setTextCursor(range(start, end));
    }
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    QRect characterRect(int offset) const override {
        if (offset < 0 || offset >= characterCount())
            return {};
        QRect rect = box()->cursorRect(range(offset, offset));
        rect.setWidth(box()->fontMetrics().horizontalAdvance(wholeText().mid(offset, 1)));
        return rect.translated(box()->viewport()->mapToGlobal(QPoint()));
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorForPosition(box()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int end) override {
        setSelection(0, end, end);
        box()->ensureCursorVisible();
        setSelection(0, start, start);
        box()->ensureCursorVisible();
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        range(start, end).insertText(text);
    }

protected:
    // The document counts a paragraph break as one character, as the plain text does.
    QString wholeText() const override { return box()->toPlainText(); }
    QList<int> lineStarts() const override {
        QList<int> starts;
        for (QTextBlock block = box()->document()->begin(); block.isValid(); block = block.next()) {
            const QTextLayout* layout = block.layout();
            const int lines = layout ? layout->lineCount() : 0;
            starts << block.position(); // a paragraph not laid out yet is one line
            for (int i = 1; i < lines; ++i)
                starts << block.position() + layout->lineAt(i).textStart();
        }
        return starts;
    }

private:
    QPlainTextEdit* box() const { return static_cast<QPlainTextEdit*>(widget()); }
    QTextCursor range(int start, int end) const {
        QTextCursor cursor(box()->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        return cursor;
    }
};

} // namespace

void* TextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TextAccessible::text(int start, int end) const {
    const QString whole = wholeText();
    if (end == -1)
        end = static_cast<int>(whole.size());
    return start < 0 || start > end ? QString() : whole.mid(start, end - start);
}

int TextAccessible::characterCount() const {
    return static_cast<int>(wholeText().size());
}

QString TextAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                                         int* end) const {
    return item(offset, type, -1, start, end);
}

QString TextAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                                     int* end) const {
    return item(offset, type, 0, start, end);
}

QString TextAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                                        int* end) const {
    return item(offset, type, 1, start, end);
}

QString TextAccessible::attributes(int, int* start, int* end) const {
    // One face throughout: a single run without attributes.
    *start = 0;
    *end = characterCount();
    return {};
}

QList<int> TextAccessible::lineStarts() const {
    return {};
}

// The item `step` items away from the one at `offset`. Only a whole text is more than a paragraph,
// so the paragraph at the offset and those beside it hold every item a step reaches: a long
// report is read as fast as a short one.
QString TextAccessible::item(int offset, QAccessible::TextBoundaryType type, int step, int* start,
                             int* end) const {
    const QString text = wholeText();
    const int length = static_cast<int>(text.size());
    if (offset == -1)
        offset = length;
    else if (offset == -2)
        offset = cursorPosition();
    if (offset < 0 || offset > length) {
        *start = *end = -1;
        return {};
    }
    const bool whole = type == QAccessible::NoBoundary;
    const int from = whole ? 0 : paragraphStart(text, paragraphStart(text, offset) - 1);
    const int to = whole ? length : paragraphEnd(text, paragraphEnd(text, offset));
    const QList<int> starts = itemStarts(text, from, to, type, lineStarts());
    const auto at = std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin() - 1;
    const qsizetype index = at + step;
    if (index < 0 || index >= starts.size()) {
        *start = *end = index < 0 ? 0 : length;
        return {};
    }
    *start = starts[index];
    *end = index + 1 < starts.size() ? starts[index + 1] : to;
    return text.mid(*start, *end - *start);
}

QAccessibleInterface* editableTextInterface(QObject* object) {
    if (auto* box = qobject_cast<QLineEdit*>(object))
        return new LineEditAccessible(box);
    if (auto* box = qobject_cast<QPlainTextEdit*>(object))
        return new PlainTextAccessible(box);
    return nullptr;
}

} // namespace quantell
