#include "ShellLook.h"

#include "look/WindowLook.h"

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
        label->setGeometry(toPixels(row.twips));
        growToText(label);
    }
}

} // namespace quantell
