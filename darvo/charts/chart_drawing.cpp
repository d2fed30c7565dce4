#include "darvo/charts/chart_drawing.h"

#include "darvo/engine/chart_table.h"

#include "shared/canvas/chart_canvas.h"
#include "shared/canvas/page_canvas.h"
#include "shared/canvas/print_at.h"
#include "shared/text/number_text.h"

#include <array>
#include <cmath>

namespace darvo {

namespace {

constexpr std::string_view kLongLabelPattern = "#.00E+##";

using shared::PrintAt;

int RoundedCount(float value) {
    return static_cast<int>(shared::RoundHalfEven(static_cast<double>(value)));
}

void DrawLinearXAxis(shared::ChartCanvas& canvas, const ChartIdentity& identity, const AxisRange& range,
                     bool customRange, char separator) {
    const int n = XDivisions(identity, range.Xmax, range.Xmin, customRange);
    const float step = (range.Xmax - range.Xmin) / static_cast<float>(n);
    float v = range.Xmin;
    for (int i = 0; i <= n; ++i) {
        const double offset = i == 0 ? -2.0 : -4.0;
        const double p = i * 100.0 / n;
        canvas.SetCurrentX(offset + p);
        canvas.SetCurrentY(-0.5);
        // Five characters or more would run into the next label: such values go to the
        // exponent form, moved a little further left.
        if (shared::GeneralNumberTextSingle(v, separator).size() >= 5) {
            canvas.SetCurrentX(offset + p - 4.0);
            canvas.Print(shared::FormatSingle(v, kLongLabelPattern, separator));
        } else {
            canvas.Print(shared::PrintedNumberTextSingle(v, separator));
        }
        canvas.Line(p, 0.0, p, 100.0, kLinearGridColor);
        v += step;
    }
}

void DrawLinearYAxis(shared::ChartCanvas& canvas, const ChartIdentity& identity, const AxisRange& range,
                     bool customRange, char separator) {
    const int n = YDivisions(identity, range.Ymax, range.Ymin, customRange);
    const float step = (range.Ymax - range.Ymin) / static_cast<float>(n);
    float v = range.Ymin;
    for (int i = 0; i <= n; ++i) {
        const std::string s = v > -1000000.0F && v < 10000000.0F
                                  ? shared::GeneralNumberTextSingle(v, separator)
                                  : shared::FormatSingle(v, kLongLabelPattern, separator);
        const double p = i * 100.0 / n;
        PrintAt(canvas, -1.0 - canvas.TextWidth(s), i == 0 ? p + 6.0 : p + 4.0, s);
        canvas.Line(0.0, p, 100.0, p, kLinearGridColor);
        v += step;
    }
}

void DrawLogXAxis(shared::ChartCanvas& canvas, const AxisRange& range, char separator) {
    const float d = std::log10(range.Xmax / range.Xmin);
    const float w = 100.0F / d;
    const int lastGridDecade = RoundedCount(d - 1.0F);
    for (int i = 0; i <= lastGridDecade; ++i) {
        for (int k = 2; k <= 10; ++k) {
            const float x = w * static_cast<float>(i) + w * std::log10(static_cast<float>(k));
            const shared::Rgb color = k == 10 ? shared::colors::kBlack : kMinorLogGridColor;
            if (x >= 0.0F && x <= 100.0F) canvas.Line(x, 0.0, x, 100.0, color);
        }
    }
    const int lastLabel = RoundedCount(d);
    for (int i = 0; i <= lastLabel; ++i) {
        const double offset = i == 0 ? 0.0 : (i == lastLabel ? 6.0 : 3.0);
        // The data are in Hz, the labels in kHz.
        const auto decade = static_cast<float>(std::pow(10.0, i));
        const double value = static_cast<double>(range.Xmin) / 1000.0 * static_cast<double>(decade);
        PrintAt(canvas, static_cast<double>(w) * i - offset, 0.0,
                shared::PrintedNumberText(value, separator));
    }
}

void DrawLogYLabel(shared::ChartCanvas& canvas, int i, int decades, float base, float y, char separator) {
    const auto power = static_cast<std::int32_t>(std::lround(std::pow(10.0, i)));
    const float v = base * static_cast<float>(power);
    std::string_view pattern = "0.#####";
    if (v >= 10000000.0F || v < 0.00001F)
        pattern = kLongLabelPattern;
    else if (v > 0.1F)
        pattern = "#####0";
    const std::string text = shared::FormatSingle(v, pattern, separator);
    const double top = i == 0 ? y + 6.0F : (i == decades ? y + 1.0F : y + 3.0F);
    PrintAt(canvas, -1.0 - canvas.TextWidth(text), top, text);
}

void DrawLogYAxis(shared::ChartCanvas& canvas, const AxisRange& range, char separator) {
    const float logMin = std::log10(range.Ymin);
    const float logMax = std::log10(range.Ymax);
    const float logBase = std::floor(logMin);
    const float base = std::pow(10.0F, logBase);
    const int decades = RoundedCount(std::log10(range.Ymax / base));
    for (int i = 0; i <= decades; ++i) {
        for (int k = 1; k <= 9; ++k) {
            const float y = 100.0F *
                            (logBase + static_cast<float>(i) + std::log10(static_cast<float>(k)) - logMin) /
                            (logMax - logMin);
            const bool inside = y >= 0.0F && y <= 100.0F;
            const shared::Rgb color = k == 1 ? shared::colors::kBlack : kMinorLogGridColor;
            if (k == 1 && inside) DrawLogYLabel(canvas, i, decades, base, y, separator);
            if (inside) canvas.Line(0.0, y, 100.0, y, color);
        }
    }
}

void DrawAxisTitles(shared::ChartCanvas& canvas, const ChartIdentity& identity,
                    const ChartDrawOptions& options) {
    const std::string ux = GetUnit(identity.XAxis, options.DegreeSign);
    const std::string uy = GetUnit(identity.YAxis, options.DegreeSign);
    PrintAt(canvas, 35.0, -7.0, std::string(QuantityName(identity.XAxis)) + " " + ux);
    if (options.OwnPicture) {
        // Upwards along the left side, from device pixel (5, 160), in a thin face 12
        // units high and 5 wide, as the window has always written it.
        const shared::RotatedFont font{"Arial", 12, 5, 100};
        const shared::Rgb previous = canvas.ForeColor();
        canvas.SetForeColor(shared::colors::kBlack);
        canvas.PrintRotated(std::string(QuantityName(identity.YAxis)) + " " + uy, font, 900, 5, 160);
        canvas.SetForeColor(previous);
    } else {
        PrintAt(canvas, 0.0, 107.5, uy);
    }
    if (identity.ChartType == TemperatureRise)
        PrintAt(canvas, 10.0, 107.3,
                "-Recommendation of temp. Rise is within 20[" + options.DegreeSign + "C]-");
}

bool InRange(float x, float y, const AxisRange& range) noexcept {
    return range.Xmin <= x && x <= range.Xmax && range.Ymin <= y && y <= range.Ymax;
}

}  // namespace

shared::Rgb CurveColor(int curve, shared::Rgb buttonTextColor) noexcept {
    switch (curve) {
        case 0:
            return shared::colors::kBlue;
        case 1:
            return shared::colors::kRed;
        case 2:
            return buttonTextColor;
        case 3:
            return shared::Rgb{255, 0, 255};
        case 4:
            return shared::Rgb{0, 128, 0};
        default:
            return shared::Rgb{192, 64, 0};
    }
}

int MonochromeCurveWidth(int curve) noexcept {
    constexpr std::array<int, 6> kWidths = {12, 9, 7, 5, 3, 1};
    if (curve < 0) return kWidths.front();
    return curve < 6 ? kWidths[static_cast<std::size_t>(curve)] : kWidths.back();
}

void PreparePicture(shared::ChartCanvas& canvas, shared::Rgb faceColor) {
    canvas.SetScale(kPictureScaleLeft, kPictureScaleTop, kPictureScaleWidth, kPictureScaleHeight);
    canvas.Cls();
    canvas.SetForeColor(shared::colors::kBlack);
    canvas.FilledBox(0.0, 0.0, 100.0, 100.0, faceColor);
}

void DrawAxes(shared::ChartCanvas& canvas, const ChartIdentity& identity, const AxisRange& range,
              const ChartDrawOptions& options) {
    if (identity.ChartType == AllowablePower) {
        DrawLogXAxis(canvas, range, options.DecimalSeparator);
        DrawLogYAxis(canvas, range, options.DecimalSeparator);
    } else if (IsLogX(identity)) {
        DrawLogXAxis(canvas, range, options.DecimalSeparator);
        DrawLinearYAxis(canvas, identity, range, options.CustomRange, options.DecimalSeparator);
    } else {
        DrawLinearXAxis(canvas, identity, range, options.CustomRange, options.DecimalSeparator);
        DrawLinearYAxis(canvas, identity, range, options.CustomRange, options.DecimalSeparator);
    }
    DrawAxisTitles(canvas, identity, options);
    canvas.Box(0.0, 0.0, 100.0, 100.0, shared::colors::kBlack);
}

float PlotPosition(float value, float min, float max, bool logarithmic) noexcept {
    if (logarithmic) {
        const float logMin = std::log10(min);
        return 100.0F * (std::log10(value) - logMin) / (std::log10(max) - logMin);
    }
    return 100.0F * (value - min) / (max - min);
}

void DrawCurves(shared::ChartCanvas& canvas, ChartTable& table, const ChartIdentity& identity,
                const AxisRange& range, const ChartDrawOptions& options) {
    const bool logX = IsLogX(identity);
    const bool logY = IsLogY(identity);
    const shared::PageCanvas* page = canvas.AsPage();
    const bool blackOnly = page != nullptr && page->ColorMode() != shared::PrinterColorMode::Color;
    int c = 0;
    for (std::size_t index = 0; index < table.Size(); ++index) {
        ChartDataRecord& r = table.At(index);
        if (!BelongsTo(r, identity)) continue;
        shared::Rgb color = CurveColor(c, options.ButtonTextColor);
        if (blackOnly) {
            color = options.ButtonTextColor;
            canvas.SetDrawWidth(MonochromeCurveWidth(c));
            canvas.SetDrawStyle(shared::LineStyle::Solid);
        }
        for (std::size_t j = 0; j + 1 < static_cast<std::size_t>(kChartPoints); ++j) {
            const float x1 = PlotPosition(r.XData[j], range.Xmin, range.Xmax, logX);
            const float y1 = PlotPosition(r.YData[j], range.Ymin, range.Ymax, logY);
            const float x2 = PlotPosition(r.XData[j + 1], range.Xmin, range.Xmax, logX);
            const float y2 = PlotPosition(r.YData[j + 1], range.Ymin, range.Ymax, logY);
            if (InRange(r.XData[j], r.YData[j], range) && InRange(r.XData[j + 1], r.YData[j + 1], range))
                canvas.Line(x1, y1, x2, y2, color);
            r.PlotX[j] = x1;
            r.PlotY[j] = y1;
            r.PlotX[j + 1] = x2;
            r.PlotY[j + 1] = y2;
        }
        ++c;
    }
}

void DrawChart(shared::ChartCanvas& canvas, ChartTable& table, const ChartIdentity& identity,
               const AxisRange& range, const ChartDrawOptions& options) {
    DrawAxes(canvas, identity, range, options);
    DrawCurves(canvas, table, identity, range, options);
}

}  // namespace darvo
