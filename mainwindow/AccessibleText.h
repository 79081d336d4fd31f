// SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>
#include <QList>

namespace quantell {

// What a screen reader reads of a control's text, by character, word, sentence, line or
// paragraph. Qt's own answers loop for good on some offsets (a word at the end of the text)
// and are wrong on others; every text the program shows is read through this instead.
//
// The items of a kind cover the text end to end, and none runs on past a line break: characters
// (whole clusters), words and the runs of other characters between them, sentences, lines (a
// line break belongs to the line it ends), paragraphs, or the whole text. The offset at the end
// of the text belongs to an empty item there, except for a last line or paragraph that does not
// end in a break and for the whole text, which it ends. Before the first item and after the
// last lies an empty one at that end; an offset outside the text has none (-1, -1). Offset -1
// means the end of the text, -2 the cursor.
class TextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType type) override;

    QString text(int start, int end) const override;
    int characterCount() const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override;
    QString attributes(int offset, int* start, int* end) const override;

    using QAccessibleWidget::text;

protected:
    virtual QString wholeText() const = 0;
    // Where the lines the control draws begin; by default after each line break.
    virtual QList<int> lineStarts() const;

private:
    QString item(int offset, QAccessible::TextBoundaryType type, int step, int* start,
                 int* end) const;
};

// The interfaces of the program's own text boxes: amount boxes and the report box.
QAccessibleInterface* editableTextInterface(QObject* object);

} // namespace quantell
