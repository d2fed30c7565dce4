#include "pelmo/charts/axis_labels.h"

#include "shared/text/number_text.h"

#include <cmath>

namespace pelmo {

namespace {

constexpr double kFrequencyLabelTop = 350.0;
constexpr double kLinearLabelRight = 400.0;
constexpr double kLogLabelRight = 440.0;
constexpr double kValueLabelLift = 100.0;

std::string IntegerText(int value, char separator) {
    return shared::Format(value, "0", separator);
}

}  // namespace

std::vector<AxisLabel> FrequencyLabels(ChartKind kind, const ChartAxis& axis, char separator) {
    std::vector<AxisLabel> labels;
    const bool sParameterKind = kind == ChartKind::Magnitude || kind == ChartKind::Phase;
    for (int k = 0; k <= axis.Decades; ++k) {
        const double megahertz = std::pow(10.0, k - axis.StartExponent);
        std::string text;
        if (sParameterKind && axis.DecadeWidth == 400 && k == 6)
            text = shared::Format(megahertz, "#E+#", separator);
        else if (megahertz < 1.0)
            text = shared::Format(megahertz, "0.###", separator);
        else
            text = shared::Format(megahertz, "#,###", separator);
        labels.push_back(AxisLabel{text, axis.Left + static_cast<double>(k) * axis.DecadeWidth,
                                   kFrequencyLabelTop, AxisLabel::Align::Centre});
    }
    return labels;
}

std::vector<AxisLabel> ValueLabels(ChartKind kind, const ChartAxis& axis, char separator) {
    std::vector<AxisLabel> labels;
    const auto add = [&](std::string text, int line, double right) {
        labels.push_back(
            AxisLabel{std::move(text), right,
                      axis.Bottom + kValueLabelLift + static_cast<double>(line) * axis.DivisionHeight,
                      AxisLabel::Align::Right});
    };
    if (kind == ChartKind::Magnitude) {
        const int b = 1 - axis.Divisions;
        for (int g = 0; g <= axis.Divisions; ++g)
            add(IntegerText(10 * (b - 1 + g), separator), g, kLinearLabelRight);
    } else if (kind == ChartKind::Phase) {
        for (int g = 0; g <= 4; ++g) add(IntegerText(90 * g - 180, separator), g, kLinearLabelRight);
    } else if (IsLogarithmicKind(kind)) {
        const int e0 = -axis.ValueExponent;
        const int p = axis.Divisions - 1 + e0;
        for (int e = e0; e <= p + 1; ++e) {
            const double value = std::pow(10.0, e);
            std::string text;
            if (e < 0)
                text = shared::Format(value, "0.#####", separator);
            else if (value < 100000.0)
                text = shared::Format(value, "#,###", separator);
            else
                // Two exponent digits, as the axis has always read ("1E+05").
                text = shared::Format(value, "0E+00", separator);
            add(std::move(text), e - e0, kLogLabelRight);
        }
    }
    return labels;
}

}  // namespace pelmo
