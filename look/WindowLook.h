#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QComboBox;
class QWidget;

namespace quantell {

// The Japanese Gothic faces the windows are drawn in, as the system offers them.
QFont uiGothic(qreal points, bool bold = false);
QFont proportionalGothic(qreal points, bool bold = false);
// The face of every text whose font the layout does not name: the Japanese desktop's default
// user-interface face at its size, whatever face and size this desktop has chosen.
QFont windowFont();

// Where the face a desktop has needs more room than the layout gives (one standing in for a
// missing Windows face), a control grows to the right, and a label also down, rather than clip
// its text. A caption that fits keeps the layout's size. A control grown down over what lies
// below it moves that down, and its frame and window grow with it.
void growToText(QWidget* control);

// Where a list draws its entry, and how wide its widest entry is drawn.
QRect entryRoom(const QComboBox* list);
int widestEntry(const QComboBox* list);

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// The WCAG 2 contrast ratio of two colours, from 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// The fixed colours of the windows (white and grey result boxes, black and red captions, the
// kind colours) are made for a light window. On a desktop whose text would not read on them,
// a dark or high-contrast one, the window keeps its light look as a whole, now and whenever
// the desktop's colours change. Tool tips read at 4.5 : 1 or more.
void keepLightLook(QWidget* window);

// Windows open in the middle of the screen.
void centreOnScreen(QWidget* window);

} // namespace quantell
