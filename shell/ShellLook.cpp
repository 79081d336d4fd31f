#include "ShellLook.h"

#include "look/WindowLook.h"

#include <QLabel>

namespace quantell {

void addLabels(QWidget* parent, std::span<const LabelRow> rows) {
    QList<QLabel*> labels;
    for (const LabelRow& row : rows) {
        auto* label = new QLabel(QString::fromUtf8(row.text), parent);
        label->setObjectName(row.name);
        if (row.face)
            label->setFont(row.face(row.points, row.bold));
        if (row.colour.isValid())
            setColour(label, QPalette::WindowText, row.colour);
        label->setAlignment(row.alignment);
        label->setWordWrap(row.wrap);
        label->setGeometry(toPixels(row.twips));
        labels << label;
    }
    // Once all are there, so that one that grows moves those below it.
    for (QLabel* label : labels)
        growToText(label);
}

} // namespace quantell
