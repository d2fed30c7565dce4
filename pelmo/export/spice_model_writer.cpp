#include "pelmo/export/spice_model_writer.h"

#include "pelmo/export/export_grid.h"
#include "pelmo/library/program_identity.h"
#include "program_version.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/file_sink.h"
#include "shared/text/number_text.h"

#include <array>
#include <charconv>
#include <string_view>

namespace pelmo {

namespace {

constexpr const char* kLineEnd = "\r\n";
// 16 digits after the point in exponent form: 17 significant digits.
constexpr int kFractionDigits = 16;
// ngspice's hertz where the analysis has a frequency, the operating frequency where it
// has none (hertz is 0 in the operating point, DC and transient).
constexpr const char* kFrequency = "(hertz > 0 ? hertz : fop)";

// A part number becomes the subcircuit's name; SPICE splits names at blanks and gives
// these characters a meaning of their own.
bool IsSpiceName(std::string_view name) {
    constexpr std::string_view kReserved = "(){}=,;*'\"";
    if (name.empty()) {
        return false;
    }
    for (const char c : name) {
        if (c <= ' ' || c > '~' || kReserved.find(c) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

std::string Version() {
    const shared::ProgramVersion v = shared::kProgramVersion;
    return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision);
}

double ParameterValue(const SpiceModel& model, const std::string& name) {
    for (const SpiceParameter& parameter : model.Parameters) {
        if (parameter.Name == name) {
            return parameter.Value;
        }
    }
    return 0.0;
}

std::vector<std::string> HeaderLines(const ExportSubject& subject, const SpiceModel& model) {
    const char* notation = model.CodeSystem == shared::Jis ? "JIS" : "EIA";
    std::vector<std::string> lines{
        "* SPICE model of " + subject.PartNumber + " for ngspice",
        "* Part number: " + subject.PartNumber + " (" + notation + " notation)",
    };
    if (subject.Product == ProductKind::Capacitor && subject.ConditionDependent) {
        lines.push_back("* Operation Temp=" + subject.TemperatureText +
                        "[C], DC Bias Voltage=" + subject.BiasText + "[V]");
    }
    // The range line of the other exports without its "!" and its step count.
    const std::string range = RangeLinePrefix(subject.RangeClass);
    lines.push_back("* " + range.substr(1) + StopFrequencyGigahertzText(subject.UpperFrequency, '.') +
                    "[GHz]");
    lines.push_back(
        "* Operating frequency=" + shared::GeneralNumberText(model.OperatingFrequency / 1e6, '.') + "[MHz]");
    lines.push_back(std::string("* Written by ") + kProgramTitle + " " + Version());
    lines.push_back("* AC analysis: exact; DC and transient: elements at the operating frequency");
    lines.push_back("*");
    lines.push_back("* Use in ngspice:");
    lines.push_back("*   .include " + subject.PartNumber + ".cir");
    lines.push_back("*   X1 node1 node2 " + subject.PartNumber);
    // The example doubles the value a sensitivity analysis varies first.
    const std::string example = subject.Product == ProductKind::Inductor ? "l0" : "c1";
    lines.push_back("* Any parameter below can be set per instance, for example");
    lines.push_back("*   X2 node1 node2 " + subject.PartNumber + " " + example + "=" +
                    SpiceNumberText(2.0 * ParameterValue(model, example)));
    return lines;
}

std::vector<std::string> CapacitorElements() {
    const std::string f = kFrequency;
    return {
        "* Branch 1: Rm(f) = 1e9*fa*ra/f + fb*rb + fb*rc*(f/1e9)^rcexp, l1 and the effective c1",
        "R1 1 11 r={1e9*fa*ra/" + f + " + fb*rb + fb*rc*pow(" + f + "/1e9, rcexp)}",
        "L1 11 12 {l1}",
        "C1 12 2 {c1}",
        "* Branches 2 and 3",
        "R2 1 21 {r2}",
        "L2 21 22 {l2}",
        "C2 22 2 {c2}",
        "R3 1 31 {r3}",
        "L3 31 32 {l3}",
        "C3 32 2 {c3}",
    };
}

std::vector<std::string> InductorElements() {
    const std::string f = kFrequency;
    return {
        "* Loss network: Rs(f) = rs*(f/1e8)^rsexp in parallel with r1 and l1",
        "RS 1 11 r={rs*pow(" + f + "/1e8, rsexp)}",
        "R1 1 12 {r1}",
        "L1 12 11 {l1}",
        "* In series: L0(f) = l0*(f/1e7)^l0exp and r0; cp across the whole part",
        "L0 11 13 l={l0*pow(" + f + "/1e7, l0exp)}",
        "R0 13 2 {r0}",
        "CP 1 2 {cp}",
    };
}

}  // namespace

std::string SpiceNumberText(double value) {
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, kFractionDigits);
    return std::string(buffer.data(), result.ptr);
}

std::vector<std::string> SpiceModelLines(const ExportSubject& subject, const SpiceModel& model) {
    if (!IsSpiceName(subject.PartNumber)) {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall,
                                   "pelmo:SpiceModelLines: no SPICE name: " + subject.PartNumber);
    }
    std::vector<std::string> lines = HeaderLines(subject, model);
    lines.push_back(".subckt " + subject.PartNumber + " 1 2 params:");
    for (const SpiceParameter& parameter : model.Parameters) {
        lines.push_back("+ " + parameter.Name + "=" + SpiceNumberText(parameter.Value));
    }
    const std::vector<std::string> elements =
        subject.Product == ProductKind::Inductor ? InductorElements() : CapacitorElements();
    lines.insert(lines.end(), elements.begin(), elements.end());
    lines.push_back(".ends " + subject.PartNumber);
    return lines;
}

void WriteSpiceModel(const ExportSubject& subject, const SpiceModel& model, shared::FileSink& sink) {
    for (const std::string& line : SpiceModelLines(subject, model)) {
        sink.Write(line + kLineEnd);
    }
}

}  // namespace pelmo
