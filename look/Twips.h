#pragma once

#include <QRect>

namespace quantell {

// The windows' fixed layouts are given in twips, 15 to a logical pixel (96 dots per inch);
// Qt's scaling does the rest.
inline constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) {
    return twips / kTwipsPerPixel;
}

inline QRect toPixels(const QRect& twips) {
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

} // namespace quantell
