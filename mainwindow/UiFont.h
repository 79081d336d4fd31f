#pragma once

#include <QFont>

namespace quantell {

// The Japanese Gothic faces the windows are drawn in, with the faces that stand in for them
// where they are missing (IPA Gothic on Linux).
QFont uiGothic(qreal points, bool bold = false);
QFont proportionalGothic(qreal points, bool bold = false);

} // namespace quantell
