#ifndef DARVO_CHARTS_AXIS_RANGE_CHECK_H
#define DARVO_CHARTS_AXIS_RANGE_CHECK_H

#include "darvo/charts/chart_axes.h"
#include "darvo/charts/chart_identity.h"

#include <array>
#include <string>

namespace shared {
class Messages;
}

namespace darvo {

class ChartTable;

// CheckAxisRange's results.
inline constexpr int kRangeNarrower = 0;  // a valid range inside the full range
inline constexpr int kRangeFull = 1;      // exactly the full range
inline constexpr int kRangeRejected = 2;  // refused; the warning has been shown

// The verdict on a range for an identity, and the warning text when it is refused:
// "Set <axis> Range of <chart type name> from <full min> to <full max> <unit>", the unit
// with a plain "[C]" for temperatures. The X axis is checked first (not at all over
// frequency); the upper value must lie strictly above the lower one and both inside
// the full range.
struct AxisRangeVerdict {
    int Result = kRangeRejected;
    std::string Warning;
};
AxisRangeVerdict ClassifyAxisRange(const ChartTable& table, const ChartIdentity& identity,
                                   const AxisRange& range, char separator);

// CheckAxisRange: the verdict, the warning shown (exclamation icon, title) when refused.
int CheckAxisRange(const ChartTable& table, const ChartIdentity& identity, const AxisRange& range,
                   char separator, shared::Messages& messages, const std::string& title);

// Whether a window's range is a user-chosen one, narrower than the full range: the
// printed chart then gets 5 divisions on its linear axes, as on the screen. Never shows
// a message (a window's own range is never refused).
bool IsMagnifiedRange(const ChartTable& table, const ChartIdentity& identity, const AxisRange& range);

inline constexpr std::string_view kNonNumericRangeMessage =
    "A Non-numerical value exits where numerical value should be in.";

// What the axis-range dialog shows when it opens for a window.
struct AxisDialogTexts {
    std::string Caption;  // the chart type name
    std::string XFrame;   // X quantity name
    std::string YFrame;
    std::string XUnit;
    std::string YUnit;
    std::array<std::string, 2> X;  // From, To
    std::array<std::string, 2> Y;
    // A frequency axis is shown in kHz as labels and cannot be edited.
    bool XEditable = true;
};
AxisDialogTexts AxisDialogFor(const ChartIdentity& identity, const AxisRange& range,
                              const std::string& degreeSign, char separator);

// The dialog's OK: the four texts as the user left them. Accepted gives the range (Hz
// again on a frequency axis) and CheckAxisRange's result for the window to redraw
// with; otherwise the message shown (non-numeric text, or the range warning) and the
// dialog stays open.
struct AxisDialogOutcome {
    bool Accepted = false;
    AxisRange Range;
    int Result = kRangeRejected;
};
AxisDialogOutcome ConfirmAxisDialog(const ChartTable& table, const ChartIdentity& identity,
                                    const std::array<std::string, 2>& x, const std::array<std::string, 2>& y,
                                    char separator, shared::Messages& messages, const std::string& title);

}  // namespace darvo

#endif
