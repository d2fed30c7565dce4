#include "darvo/cli/cli_commands.h"

#include "darvo/engine/chart_table.h"
#include "darvo/export/chart_data_output.h"
#include "darvo/selection/condition_checks.h"
#include "darvo/selection/plot_conditions.h"

#include "shared/cli/cli_program.h"
#include "shared/cli/cli_usage_error.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/console_messages.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <ostream>

namespace darvo {

namespace {

bool IsListable(const ProductRecord& part, shared::CodeSystem codeSystem, int chartType) {
    return !part.PartNumber[static_cast<std::size_t>(codeSystem)].empty() &&
           part.ChartAvailable[static_cast<std::size_t>(chartType)];
}

std::string NumberText(float value) {
    std::array<char, 48> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 9);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string("0");
}

void AppendSeries(std::string& json, std::string_view key, const ChartDataRecord::Series& series) {
    json += "  \"";
    json += key;
    json += "\": [";
    for (std::size_t i = 0; i < series.size(); ++i) {
        json += i == 0 ? "" : ", ";
        json += NumberText(series[i]);
    }
    json += "],\n";
}

std::string Quoted(const std::vector<Quantity>& choices) {
    std::string text;
    for (const Quantity choice : choices) {
        text += (text.empty() ? "\"" : ", \"") + std::string(QuantityName(choice)) + "\"";
    }
    return text;
}

// The quantity one of the window's lists offers under the text value.
Quantity RequireChoice(const std::string& value, const std::vector<Quantity>& choices,
                       const std::string& what) {
    const std::optional<Quantity> named = QuantityFromName(value);
    if (!named || std::find(choices.begin(), choices.end(), *named) == choices.end()) {
        throw shared::CliUsageError(what + " takes " + Quoted(choices) + ", not \"" + value + "\"");
    }
    return *named;
}

// A typed condition for a box the window keeps disabled would be stored unchecked.
void RequireEnabled(const std::optional<std::string>& text, bool enabled, const std::string& option,
                    int chartType) {
    if (text && !enabled) {
        throw shared::CliUsageError(option + " is not a condition of chart type " +
                                    std::to_string(chartType) + " with this X axis");
    }
}

// The request the window would hand over: the part chosen from its list, the axis
// quantities, and the boxes at their defaults except where the command line typed.
struct CurveRequest {
    const ProductRecord* Part = nullptr;
    ConditionTexts Texts;
    ChartDataRecord Header;
};

std::optional<CurveRequest> ResolveRequest(const CliOptions& options, const ProductLibrary& library,
                                           char separator, std::ostream& err) {
    const auto chartType = static_cast<ChartType>(options.ChartType);
    const ChartIdentity identity{chartType,
                                 RequireChoice(options.XAxisName, XAxisQuantities(chartType),
                                               "--x of chart type " + std::to_string(chartType)),
                                 RequireChoice(options.YAxisName, YAxisQuantities(chartType),
                                               "--y of chart type " + std::to_string(chartType))};
    const EnabledConditions enabled = EnabledFor(chartType, identity.XAxis);
    RequireEnabled(options.DCBiasText, enabled.DCBiasVoltage, "--dc", chartType);
    RequireEnabled(options.FrequencyText, enabled.Frequency, "--freq", chartType);
    RequireEnabled(options.HeatText, enabled.HeatResistance, "--heat", chartType);
    RequireEnabled(options.AmbientText, enabled.AmbientTemperature, "--ambient", chartType);
    RequireEnabled(options.ParameterName, enabled.Parameter, "--param", chartType);
    RequireEnabled(options.ParameterText, enabled.Parameter, "--param-value", chartType);
    const Quantity parameter = options.ParameterName
                                   ? RequireChoice(*options.ParameterName, ParameterQuantities(), "--param")
                                   : Quantity::None;

    // The window chooses a part only by a text equal to an entry of its list.
    const std::optional<std::int32_t> index = FindProduct(library, options.PartNumber);
    const auto code = static_cast<std::size_t>(library.CodeSystem);
    if (!index ||
        !IsListable(library.ProductTable[static_cast<std::size_t>(*index)], library.CodeSystem, chartType)) {
        err << "\"" << options.PartNumber << "\" is not in the part list of chart type " << chartType << '\n';
        return std::nullopt;
    }
    const ProductRecord& part = library.ProductTable[static_cast<std::size_t>(*index)];
    if (part.PartNumber[code] != options.PartNumber) {
        err << "\"" << options.PartNumber << "\" is not in the part list of chart type " << chartType
            << " (listed as \"" << part.PartNumber[code] << "\")\n";
        return std::nullopt;
    }

    CurveRequest request;
    request.Part = &part;
    request.Texts = DefaultConditions(part, library.CodeSystem, separator);
    request.Texts.DCBiasVoltage = options.DCBiasText.value_or(request.Texts.DCBiasVoltage);
    request.Texts.Frequency = options.FrequencyText.value_or(request.Texts.Frequency);
    request.Texts.HeatResistance = options.HeatText.value_or(request.Texts.HeatResistance);
    request.Texts.AmbientTemperature = options.AmbientText.value_or(request.Texts.AmbientTemperature);
    if (options.ParameterName) {
        request.Texts.Parameter = parameter;
    }
    request.Texts.ParameterValue = options.ParameterText.value_or(request.Texts.ParameterValue);
    request.Header = ChartRequestHeader(identity, *index, request.Texts, separator);
    return request;
}

}  // namespace

std::string CurveJson(const ChartDataRecord& record) {
    std::string json = "{\n";
    AppendSeries(json, "XData", record.XData);
    AppendSeries(json, "YData", record.YData);
    json += "  \"Xmax\": " + NumberText(record.Xmax) + ",\n";
    json += "  \"Xmin\": " + NumberText(record.Xmin) + ",\n";
    json += "  \"Ymax\": " + NumberText(record.Ymax) + ",\n";
    json += "  \"Ymin\": " + NumberText(record.Ymin) + ",\n";
    json += "  \"MaxValue\": " + NumberText(record.MaxValue) + "\n}\n";
    return json;
}

int RunList(const CliOptions& options, const ProductLibrary& library, std::ostream& out) {
    const auto code = static_cast<std::size_t>(library.CodeSystem);
    for (const ProductRecord& part : library.ProductTable) {
        if (IsListable(part, library.CodeSystem, options.ChartType)) {
            out << part.PartNumber[code] << '\n';
        }
    }
    return kCliDone;
}

int RunCurve(const CliOptions& options, const ProductLibrary& library, char separator, std::ostream& out,
             std::ostream& err) {
    const std::optional<CurveRequest> request = ResolveRequest(options, library, separator, err);
    if (!request) {
        return kCliRefused;
    }
    shared::ConsoleMessages messages(out, err);
    ConditionChecks checks(*request->Part, request->Header.ChartType, library.CodeSystem, messages,
                           separator);
    if (!checks.CheckAllConditions(request->Texts, request->Header.XAxisName)) {
        return kCliRefused;
    }
    ChartTable table;
    std::optional<ChartDataRecord> record;
    try {
        record = ComputeOutputRecord(table, library, request->Header, separator, messages);
    } catch (const shared::RuntimeError& failure) {
        // Numbers the part's data cannot give are a failure while working, not a refusal.
        shared::CliProgram::ReportFailure(err, failure);
        return kCliFailed;
    }
    if (!record) {
        return kCliRefused;
    }
    out << CurveJson(*record);
    return kCliDone;
}

int RunSave(const CliOptions& options, const ProductLibrary& library, char separator,
            const SaveContext& context, std::ostream& out, std::ostream& err) {
    const std::optional<CurveRequest> request = ResolveRequest(options, library, separator, err);
    if (!request) {
        return kCliRefused;
    }
    shared::ConsoleMessages messages(out, err);
    ConditionChecks checks(*request->Part, request->Header.ChartType, library.CodeSystem, messages,
                           separator);
    if (!checks.CheckConditions(request->Texts, request->Header.XAxisName)) {
        return kCliRefused;
    }
    ChartTable table;
    SaveDataRequest save;
    save.Header = request->Header;
    save.TargetPath = options.OutputPath;
    save.DateTimeText = context.DateTimeText;
    save.Separator = separator;
    switch (SaveChartData(table, library, save, context.Open, messages)) {
        case DataOutputOutcome::Saved:
            return kCliDone;
        case DataOutputOutcome::Refused:
            return kCliRefused;
        case DataOutputOutcome::Failed:
            break;
    }
    return kCliFailed;
}

}  // namespace darvo
