#include "Layout.h"

#include "WindowLook.h"

#include <QLabel>

namespace quantell {

QRect toPixels(const QRect& twips) {
    const QPoint topLeft(pixels(twips.x()), pixels(twips.y()));
    const QPoint end(pixels(twips.x() + twips.width()), pixels(twips.y() + twips.height()));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

void dress(QWidget* control, const ControlSpec& spec) {
    control->setObjectName(spec.name);
    control->setGeometry(toPixels(spec.twips));
    if (spec.face.family)
        control->setFont(spec.face.family(spec.face.points, spec.face.bold));
    if (spec.colour.isValid())
        setColour(control, QPalette::WindowText, spec.colour);
    if (spec.fill.isValid()) {
        control->setAutoFillBackground(true);
        setColour(control, QPalette::Window, spec.fill);
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (spec.alignment)
            label->setAlignment(spec.alignment);
        label->setWordWrap(spec.wrap);
    }
}

QList<QLabel*> placeLabels(QWidget* parent, std::span<const ControlSpec> specs) {
    QList<QLabel*> labels;
    for (const ControlSpec& spec : specs)
        labels << placed(new QLabel(parent), spec);
    for (QLabel* label : labels)
        growToText(label);
    return labels;
}

} // namespace quantell
