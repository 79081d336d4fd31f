#include "ShellLook.h"

#include "mainwindow/WindowLook.h"

#include <QLabel>

namespace quantell {

void addLabels(QWidget* parent, std::span<const LabelRow> rows) {
    for (const LabelRow& row : rows) {
        auto* label = new QLabel(QString::fromUtf8(row.text), parent);
        label->setObjectName(row.name);
        if (row.font)
            label->setFont(row.font(row.points, row.bold));
        if (row.colour)
            setColour(label, QPalette::WindowText, row.colour);
        label->setAlignment(row.alignment);
        label->setWordWrap(row.wrap);
        // Where a face standing in for a Windows one needs more room than the layout gives, the
        // label grows to the right and down rather than clip its text.
        label->setGeometry(toPixels(row.twips));
        const QSize needed = row.wrap ? QSize(label->width(), label->heightForWidth(label->width()))
                                      : label->sizeHint();
        label->resize(label->size().expandedTo(needed));
    }
}

} // namespace quantell
