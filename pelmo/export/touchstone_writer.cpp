#include "pelmo/export/touchstone_writer.h"

#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/operating_point_result.h"

#include "shared/platform/file_sink.h"
#include "shared/text/number_text.h"

namespace pelmo {

namespace {

constexpr char kFileSeparator = '.';
constexpr const char* kFrequencyPattern = "##########";
constexpr const char* kValuePattern = "0.000E+#0";
constexpr const char* kLineEnd = "\r\n";

std::string Value(double value) {
    return shared::Format(value, kValuePattern, kFileSeparator);
}

void AddConnectionBlock(const ExportSubject& subject, std::vector<std::string>& lines) {
    if (subject.Product == ProductKind::Inductor) {
        lines.insert(lines.end(), {"!These Parameters are Measured in Series Mode Connection",
                                   "!       o--www--o", "!Port1             Port2", "!       o-------o"});
    } else if (subject.Connection == CircuitMode::Shunt) {
        lines.insert(lines.end(),
                     {"!These Parameters are Measured in Shunt Mode Connection", "!       o---+---o",
                      "!           l", "!Port1      =      Port2", "!           l", "!       o---+---o"});
    } else {
        lines.insert(lines.end(), {"!These Parameters are Measured in Series Mode Connection",
                                   "!       o--ll--o", "!Port1            Port2", "!       o------o"});
    }
}

}  // namespace

std::vector<std::string> TouchstoneHeaderLines(const ExportSubject& subject, const ExportGrid& grid) {
    std::vector<std::string> lines;
    lines.push_back("!Orvane Part Number:" + subject.PartNumber);
    AddConnectionBlock(subject, lines);
    if (subject.Product == ProductKind::Capacitor) {
        lines.push_back("!Operation Temp=" + subject.TemperatureText +
                        "[C], DC Bias Voltage=" + subject.BiasText + "[V]");
    }
    lines.push_back(RangeLine(grid, kFileSeparator));
    lines.push_back("# Hz S DB R 50");
    lines.push_back(
        "!Freq.[Hz] MagS11[dB] PhaseS11[DEG] MagS21[dB] PhaseS21[DEG] MagS12[dB] PhaseS12[DEG] "
        "MagS22[dB] PhaseS22[DEG]");
    return lines;
}

std::string TouchstoneDataRow(double frequency, const OperatingPointResult& result) {
    const std::string s11 = Value(result.SMagnitudeDb[0]) + " " + Value(result.SPhaseDeg[0]);
    const std::string s21 = Value(result.SMagnitudeDb[1]) + " " + Value(result.SPhaseDeg[1]);
    return shared::Format(frequency, kFrequencyPattern, kFileSeparator) + " " + s11 + " " + s21 + " " + s21 +
           " " + s11;
}

void WriteTouchstone(const ExportSubject& subject, const ExportGrid& grid, const GridPointEvaluator& evaluate,
                     shared::FileSink& sink) {
    for (const std::string& line : TouchstoneHeaderLines(subject, grid)) {
        sink.Write(line + kLineEnd);
    }
    for (double frequency : grid.Frequencies) {
        const OperatingPointResult& result = evaluate(frequency * kTwoPi);
        sink.Write(TouchstoneDataRow(frequency, result) + kLineEnd);
    }
}

}  // namespace pelmo
