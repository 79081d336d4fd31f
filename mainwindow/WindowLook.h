#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace quantell {

// The Japanese Gothic faces the windows are drawn in: the Windows faces there, IPA Gothic
// elsewhere.
QFont uiGothic(qreal points, bool bold = false);
QFont proportionalGothic(qreal points, bool bold = false);

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// Windows open in the middle of the screen.
void centreOnScreen(QWidget* window);

} // namespace quantell
