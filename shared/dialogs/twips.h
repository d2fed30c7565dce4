#ifndef SHARED_DIALOGS_TWIPS_H
#define SHARED_DIALOGS_TWIPS_H

#include <cmath>

namespace shared {

// Window and control lengths are given in twips. On this platform they convert to
// pixels at 1440 twips per inch of the screen's logical DPI.
inline constexpr double kTwipsPerInch = 1440.0;

inline int TwipsToPixels(double twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

}  // namespace shared

#endif
