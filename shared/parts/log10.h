#ifndef SHARED_PARTS_LOG10_H
#define SHARED_PARTS_LOG10_H

#include <string>

namespace shared {

class Messages;

// The decimal logarithm as ln(x) / ln(10), as every chart axis and sort key computes
// it. Where the logarithm has no value (x at or below zero, or x not finite) the user
// sees "Error at Log10" (no icon, OK button, titled with the program title) and the
// result is 0, so a drawing can go on. A null messages keeps the failure silent for
// callers that must not open a box (a mouse move, a computation with no window).
double Log10(double x, Messages* messages, const std::string& title);

}  // namespace shared

#endif
