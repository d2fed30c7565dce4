#include "pelmo/export/impedance_table_writer.h"

#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/operating_point_result.h"

#include "shared/platform/file_sink.h"
#include "shared/text/number_text.h"

namespace pelmo {

namespace {

constexpr const char* kFrequencyPattern = "##########";
constexpr const char* kValuePattern = "0.000E+#0";
constexpr const char* kReadoutPattern = "#####0.00";
constexpr const char* kLineEnd = "\r\n";

}  // namespace

std::string ReadoutFigureText(const std::string& caption, char separator) {
    const auto value = shared::ParseNumber(caption, separator);
    if (!value) {
        return caption;
    }
    return shared::Format(*value, kReadoutPattern, separator);
}

std::vector<std::string> ImpedanceHeaderLines(const ExportSubject& subject, const ExportGrid& grid,
                                              const ImpedanceReadouts& readouts, char separator) {
    std::vector<std::string> lines;
    lines.push_back("!Orvane Part Number:" + subject.PartNumber);
    if (subject.Product == ProductKind::Capacitor) {
        lines.push_back("!Operation Temp=" + subject.TemperatureText +
                        "[C], DC Bias Voltage=" + subject.BiasText + "[V]");
    }
    lines.push_back(RangeLine(grid, separator));
    lines.push_back("!SRF=" + ReadoutFigureText(readouts.Srf, separator) +
                    "[MHz], ESC=" + ReadoutFigureText(readouts.Esc, separator) +
                    "[pF], ESL=" + ReadoutFigureText(readouts.Esl, separator) + "[nH]");
    lines.push_back("!Freq.[Hz] Reactance[ohm] ESR[ohm]");
    return lines;
}

std::string ImpedanceDataRow(double frequency, const OperatingPointResult& result, char separator) {
    return shared::Format(frequency, kFrequencyPattern, separator) + " " +
           shared::Format(result.Reactance, kValuePattern, separator) + " " +
           shared::Format(result.Resistance, kValuePattern, separator);
}

void WriteImpedanceTable(const ExportSubject& subject, const ExportGrid& grid,
                         const ImpedanceReadouts& readouts, const GridPointEvaluator& evaluate,
                         char separator, shared::FileSink& sink) {
    for (const std::string& line : ImpedanceHeaderLines(subject, grid, readouts, separator)) {
        sink.Write(line + kLineEnd);
    }
    for (double frequency : grid.Frequencies) {
        const OperatingPointResult& result = evaluate(frequency * kTwoPi);
        sink.Write(ImpedanceDataRow(frequency, result, separator) + kLineEnd);
    }
}

}  // namespace pelmo
