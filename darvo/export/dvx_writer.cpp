#include "darvo/export/dvx_writer.h"

#include "darvo/engine/chart_data_record.h"
#include "darvo/engine/parameter_limit.h"
#include "darvo/export/chart_names.h"
#include "darvo/library/product_record.h"

#include "shared/platform/file_sink.h"
#include "shared/text/number_text.h"

namespace darvo {

namespace {

constexpr const char* kLineEnd = "\r\n";

class DvxText {
public:
    explicit DvxText(char separator) : separator_(separator) {}

    void Line(const std::string& line) {
        text_ += line;
        text_ += kLineEnd;
    }

    // "!" name "-> " value unit, the form of every condition line.
    void Condition(const std::string& name, float value, const std::string& unit) {
        Line("!" + name + "-> " + shared::GeneralNumberTextSingle(value, separator_) + unit);
    }

    std::string Data(float value) const { return shared::FormatSingle(value, "0.00E+00", separator_); }

    std::string Take() { return std::move(text_); }

private:
    char separator_;
    std::string text_;
};

void WriteConditions(DvxText& text, const ChartDataRecord& record) {
    switch (record.ChartType) {
        case TemperatureRise:
            text.Condition("DC Bias Voltage", record.DCBiasVoltage, " [V]");
            text.Condition("Heat Resistance", record.HeatResistance, " [C/W]");
            if (record.XAxisName == Quantity::Frequency) {
                text.Condition("Ambient Temperature", record.AmbientTemperature, " [C]");
                text.Condition(std::string(QuantityName(record.ParameterName)), record.ParameterValue,
                               " " + ParameterUnit(record.ParameterName));
            } else {
                text.Condition("Frequency", record.Frequency, " [kHz]");
                text.Condition("Ambient Temperature", record.AmbientTemperature, " [C]");
            }
            break;
        case AllowablePower:
            text.Condition("DC Bias Voltage", record.DCBiasVoltage, " [V]");
            text.Condition("Heat Resistance", record.HeatResistance, " [C/W]");
            text.Condition("Ambient Temperature", record.AmbientTemperature, " [C]");
            break;
        case CapacitanceTemperature:
            text.Condition("DC Bias Voltage", record.DCBiasVoltage, " [V]");
            break;
        case CapacitanceDcVoltage:
            text.Condition("Ambient Temperature", record.AmbientTemperature, " [C]");
            break;
        default:
            break;
    }
}

}  // namespace

std::string DvxFileText(const ChartDataRecord& record, const DvxHeader& header, char separator) {
    DvxText text(separator);
    text.Line("!Tervalon  " + header.DateTimeText);
    text.Line("!ChartType-> " + ChartTypeName(record.ChartType));
    text.Line("!Orvane Part Number-> " + header.PartNumber);
    WriteConditions(text, record);
    text.Line(std::string(QuantityName(record.XAxisName)) + DataFileUnit(record.XAxisName) + "  " +
              std::string(QuantityName(record.YAxisName)) + DataFileUnit(record.YAxisName));

    const bool frequencyAxis = record.XAxisName == Quantity::Frequency;
    for (int j = 0; j < kChartPoints; ++j) {
        const auto index = static_cast<std::size_t>(j);
        // The curves hold frequencies in Hz; the file speaks kHz like the axis labels.
        const float x = frequencyAxis ? record.XData[index] / 1000.0F : record.XData[index];
        text.Line(text.Data(x) + "            " + text.Data(record.YData[index]));
    }
    return text.Take();
}

void WriteDvxFile(shared::FileSink& sink, const std::string& text) {
    sink.Write(text);
    sink.Commit();
}

}  // namespace darvo
