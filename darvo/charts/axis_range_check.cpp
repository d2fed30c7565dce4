#include "darvo/charts/axis_range_check.h"

#include "darvo/engine/chart_table.h"

#include "shared/platform/messages.h"
#include "shared/text/number_text.h"

namespace darvo {

namespace {

std::string RangeWarning(const ChartIdentity& identity, Quantity axis, float fullMin, float fullMax,
                         char separator) {
    return "Set " + std::string(QuantityName(axis)) + " Range of " + ChartTypeName(identity.ChartType) +
           " from " + shared::GeneralNumberTextSingle(fullMin, separator) + " to " +
           shared::GeneralNumberTextSingle(fullMax, separator) + " " + GetUnit(axis, "", true);
}

bool Inside(float lower, float upper, float fullMin, float fullMax) noexcept {
    return upper > lower && fullMin <= lower && upper <= fullMax;
}

}  // namespace

AxisRangeVerdict ClassifyAxisRange(const ChartTable& table, const ChartIdentity& identity,
                                   const AxisRange& range, char separator) {
    const std::optional<AxisRange> full = FullRange(table, identity);
    // A window always has a curve; without one there is nothing to check against.
    if (!full) return AxisRangeVerdict{kRangeRejected, {}};
    if (identity.XAxis != Quantity::Frequency && !Inside(range.Xmin, range.Xmax, full->Xmin, full->Xmax))
        return AxisRangeVerdict{kRangeRejected,
                                RangeWarning(identity, identity.XAxis, full->Xmin, full->Xmax, separator)};
    if (!Inside(range.Ymin, range.Ymax, full->Ymin, full->Ymax))
        return AxisRangeVerdict{kRangeRejected,
                                RangeWarning(identity, identity.YAxis, full->Ymin, full->Ymax, separator)};
    return AxisRangeVerdict{range == *full ? kRangeFull : kRangeNarrower, {}};
}

int CheckAxisRange(const ChartTable& table, const ChartIdentity& identity, const AxisRange& range,
                   char separator, shared::Messages& messages, const std::string& title) {
    const AxisRangeVerdict verdict = ClassifyAxisRange(table, identity, range, separator);
    if (!verdict.Warning.empty()) messages.Show(verdict.Warning, shared::MessageIcon::Exclamation, title);
    return verdict.Result;
}

bool IsMagnifiedRange(const ChartTable& table, const ChartIdentity& identity, const AxisRange& range) {
    // Only the verdict counts here; the warning's numbers are never shown.
    return ClassifyAxisRange(table, identity, range, '.').Result == kRangeNarrower;
}

AxisDialogTexts AxisDialogFor(const ChartIdentity& identity, const AxisRange& range,
                              const std::string& degreeSign, char separator) {
    AxisDialogTexts texts;
    texts.Caption = ChartTypeName(identity.ChartType);
    texts.XFrame = QuantityName(identity.XAxis);
    texts.YFrame = QuantityName(identity.YAxis);
    texts.XUnit = GetUnit(identity.XAxis, degreeSign);
    texts.YUnit = GetUnit(identity.YAxis, degreeSign);
    if (identity.XAxis == Quantity::Frequency) {
        // In kHz, as the axis labels read.
        texts.X = {shared::GeneralNumberText(static_cast<double>(range.Xmin) / 1000.0, separator),
                   shared::GeneralNumberText(static_cast<double>(range.Xmax) / 1000.0, separator)};
        texts.XEditable = false;
    } else {
        texts.X = {shared::GeneralNumberTextSingle(range.Xmin, separator),
                   shared::GeneralNumberTextSingle(range.Xmax, separator)};
    }
    texts.Y = {shared::GeneralNumberTextSingle(range.Ymin, separator),
               shared::GeneralNumberTextSingle(range.Ymax, separator)};
    return texts;
}

AxisDialogOutcome ConfirmAxisDialog(const ChartTable& table, const ChartIdentity& identity,
                                    const std::array<std::string, 2>& x, const std::array<std::string, 2>& y,
                                    char separator, shared::Messages& messages, const std::string& title) {
    const std::optional<float> xmin = shared::ParseSingle(x[0], separator);
    const std::optional<float> xmax = shared::ParseSingle(x[1], separator);
    const std::optional<float> ymin = shared::ParseSingle(y[0], separator);
    const std::optional<float> ymax = shared::ParseSingle(y[1], separator);
    if (!xmin || !xmax || !ymin || !ymax) {
        messages.Show(std::string(kNonNumericRangeMessage), shared::MessageIcon::Exclamation, title);
        return {};
    }
    AxisRange range{*xmax, *ymax, *xmin, *ymin};
    if (identity.XAxis == Quantity::Frequency) {
        range.Xmin *= 1000.0F;
        range.Xmax *= 1000.0F;
    }
    const int result = CheckAxisRange(table, identity, range, separator, messages, title);
    if (result == kRangeRejected) return {};
    return AxisDialogOutcome{true, range, result};
}

}  // namespace darvo
