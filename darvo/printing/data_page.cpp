#include "darvo/printing/data_page.h"

#include "darvo/charts/chart_axes.h"
#include "darvo/engine/parameter_limit.h"
#include "darvo/export/chart_names.h"
#include "darvo/library/product_record.h"

#include "shared/canvas/page_canvas.h"
#include "shared/canvas/print_at.h"
#include "shared/text/number_text.h"

#include <cstddef>

namespace darvo {

namespace {

using shared::colors::kBlack;

// The page's user scale: x from -5 to 95, y from 110 at the top down to -5.
constexpr double kScaleLeft = -5.0;
constexpr double kScaleTop = 110.0;
constexpr double kScaleWidth = 100.0;
constexpr double kScaleHeight = -115.0;

constexpr double kConditionRight = 35.0;
constexpr double kGroupWidth = 32.0;
constexpr double kYColumn = 16.0;
constexpr double kTitleTop = 95.0;
constexpr double kUnitTop = 93.5;
constexpr double kRowsTop = 92.0;
constexpr double kRowPitch = 1.3;

using shared::PrintAt;

std::string Value(float value, char separator) {
    return shared::GeneralNumberTextSingle(value, separator);
}

// The condition lines of the chart type, two to a line: (0, 99), (35, 99), (0, 97), (35, 97).
void PrintConditions(shared::PageCanvas& page, const ChartDataRecord& record, char separator) {
    const std::string bias = "DC Bias Voltage -> " + Value(record.DCBiasVoltage, separator) + " [V]";
    const std::string heat = "Heat Resistance -> " + Value(record.HeatResistance, separator) + " [C/W]";
    const std::string ambient =
        "Ambient Temperature -> " + Value(record.AmbientTemperature, separator) + " [C]";
    switch (record.ChartType) {
        case TemperatureRise:
            PrintAt(page, 0.0, 99.0, bias);
            PrintAt(page, kConditionRight, 99.0, heat);
            if (record.XAxisName == Quantity::Frequency) {
                PrintAt(page, 0.0, 97.0, ambient);
                PrintAt(page, kConditionRight, 97.0,
                        std::string(QuantityName(record.ParameterName)) + " -> " +
                            Value(record.ParameterValue, separator) + " " +
                            ParameterUnit(record.ParameterName));
            } else {
                PrintAt(page, 0.0, 97.0, "Frequency -> " + Value(record.Frequency, separator) + " [kHz]");
                PrintAt(page, kConditionRight, 97.0, ambient);
            }
            break;
        case AllowablePower:
            PrintAt(page, 0.0, 99.0, bias);
            PrintAt(page, kConditionRight, 99.0, heat);
            PrintAt(page, 0.0, 97.0, ambient);
            break;
        case CapacitanceTemperature:
            PrintAt(page, 0.0, 99.0, bias);
            break;
        case CapacitanceDcVoltage:
            PrintAt(page, 0.0, 99.0, ambient);
            break;
        default:
            break;
    }
}

}  // namespace

std::string DataPrintQuestionText(const std::string& partNumberText) {
    return "Would you print " + partNumberText + " Data ?";
}

void PrintDataHeader(shared::PageCanvas& page, const ChartDataRecord& record, const DataPageFacts& facts) {
    page.SetFontName("Arial");
    page.SetFontSize(9.0);
    page.SetOrientation(shared::PageOrientation::Portrait);
    page.SetScale(kScaleLeft, kScaleTop, kScaleWidth, kScaleHeight);

    PrintAt(page, 0.0, 105.0, "Tervalon  " + facts.DateTimeText);
    PrintAt(page, 0.0, 103.0, "ChartType -> " + ChartTypeName(record.ChartType));
    PrintAt(page, 0.0, 101.0, "Orvane Part Num -> " + facts.PartNumber);
    PrintConditions(page, record, facts.DecimalSeparator);

    const std::string xUnit = GetUnit(record.XAxisName, facts.DegreeSign);
    const std::string yUnit = GetUnit(record.YAxisName, facts.DegreeSign);
    for (int g = 0; g < 3; ++g) {
        const double left = kGroupWidth * g;
        PrintAt(page, left, kTitleTop, std::string(QuantityName(record.XAxisName)));
        PrintAt(page, left, kUnitTop, xUnit);
        PrintAt(page, left + kYColumn, kTitleTop, std::string(QuantityName(record.YAxisName)));
        PrintAt(page, left + kYColumn, kUnitTop, yUnit);
    }
}

void PrintDataRows(shared::PageCanvas& page, const ChartDataRecord& record, char separator) {
    const bool frequencyAxis = record.XAxisName == Quantity::Frequency;
    for (int j = 0; j < kChartPoints; ++j) {
        const int g = j / kDataRowsPerGroup;
        const int r = j - kDataRowsPerGroup * g;
        const auto index = static_cast<std::size_t>(j);
        // The curve holds frequencies in Hz; the page speaks kHz like the axis labels.
        const float x = frequencyAxis ? record.XData[index] / 1000.0F : record.XData[index];
        const double y = kRowsTop - kRowPitch * r;
        PrintAt(page, kGroupWidth * g, y, shared::FormatSingle(x, "0.00E+00", separator));
        PrintAt(page, kGroupWidth * g + kYColumn, y,
                shared::FormatSingle(record.YData[index], "0.00E+00", separator));
    }
    page.Line(0.0, kTitleTop, 90.0, kTitleTop, kBlack);
    page.Line(30.0, 0.0, 30.0, kUnitTop, kBlack);
    page.Line(62.0, 0.0, 62.0, kUnitTop, kBlack);
}

void PrintDataPage(shared::PageCanvas& page, const ChartDataRecord& record, const DataPageFacts& facts) {
    PrintDataHeader(page, record, facts);
    PrintDataRows(page, record, facts.DecimalSeparator);
}

}  // namespace darvo
