#include "pelmo/cli/cli_commands.h"

#include "pelmo/cli/cli_options.h"
#include "pelmo/cli/cli_output.h"
#include "pelmo/cli/cli_part.h"
#include "pelmo/cli/export_job.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/chart_kind.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/engine/temperature_range.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/operating_conditions.h"
#include "pelmo/selection/selection_menu_state.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/console_messages.h"
#include "shared/platform/error_report.h"
#include "shared/text/number_text.h"

#include <optional>
#include <ostream>
#include <string>

namespace pelmo {

namespace {

// The source the window's chart request reports its failures under.
constexpr const char* kChartRequestSource = "pelmo:frmLibrary.StartDrawChart";

void Refuse(shared::ConsoleMessages& messages, const std::string& text,
            shared::MessageIcon icon = shared::MessageIcon::Exclamation) {
    messages.Show(text, icon, kProgramTitle);
}

// The temperature and bias texts of a capacitor as its fields would hold them: typed
// when the part has a model, otherwise the reference values its disabled fields keep,
// since the window offers no way to set them. A note says so when they were typed.
struct ConditionTexts {
    std::string Temperature;
    std::string Bias;
};

ConditionTexts ConditionTextsFor(const CliOptions& options, const CliPart& part, char separator,
                                 std::ostream& err) {
    ConditionTexts texts{DefaultTemperatureText(options.CodeSystem, separator), kDefaultBiasText};
    const bool typed = options.TemperatureText || options.BiasText;
    if (part.Capacitor != nullptr && HasConditionModel(*part.Capacitor)) {
        texts.Temperature = options.TemperatureText.value_or(texts.Temperature);
        texts.Bias = options.BiasText.value_or(texts.Bias);
    } else if (typed) {
        err << "note: " << part.PartNumber
            << " has no temperature and bias model; --temp and --bias are not used\n";
    }
    if (part.Capacitor == nullptr && options.Connection == CircuitMode::Shunt) {
        err << "note: " << part.PartNumber
            << " is an inductor, always a series part; --mode shunt is not used\n";
    }
    return texts;
}

CapacitorConditions CapacitorConditionsOf(const CliOptions& options, const CliPart& part,
                                          const ConditionTexts& texts, char separator) {
    CapacitorConditions conditions;
    conditions.Temperature =
        shared::ParseNumber(texts.Temperature, separator).value_or(ReferenceTemperature(options.CodeSystem));
    conditions.Bias = shared::ParseNumber(texts.Bias, separator).value_or(0.0);
    conditions.Connection = options.Connection;
    conditions.PartNumber = part.PartNumber;
    conditions.CodeSystem = options.CodeSystem;
    conditions.DecimalSeparator = separator;
    return conditions;
}

// The "Unexpected Error" report of a part no class rule covers: it has no frequencies.
void ReportNoClass(shared::ConsoleMessages& messages) {
    shared::ErrorReport(messages, kProgramTitle, shared::RuntimeError(kNoFrequencyRangeClassError));
}

// The chart menu items the window enables for the chosen part.
bool ChartOffered(ChartKind kind, const CliPart& part) {
    MenuInputs inputs;
    inputs.AnySelection = true;
    inputs.PartChosen = true;
    inputs.Inductor = part.Kind == ProductKind::Inductor;
    inputs.RangeClass = part.RangeClass;
    return pelmo::ChartOffered(kind, ComputeMenuState(inputs));
}

bool TakesSParameter(ChartKind kind) {
    return kind == ChartKind::Smith || kind == ChartKind::Magnitude || kind == ChartKind::Phase;
}

std::string ChartNameList() {
    std::string names;
    for (int number = 0; number < kChartKindCount; ++number) {
        names += names.empty() ? "" : ", ";
        names += ChartName(static_cast<ChartKind>(number));
    }
    return names;
}

}  // namespace

int RunList(const CliOptions& options, const Library& library, std::ostream& out) {
    for (const std::string& number : PartNumbersOf(library, options.Kind, options.CodeSystem)) {
        out << number << '\n';
    }
    return kCliDone;
}

int RunEvaluate(const CliOptions& options, const Library& library, char separator, std::ostream& out,
                std::ostream& err) {
    shared::ConsoleMessages messages(out, err);
    const std::optional<CliPart> part = FindCliPart(library, options.PartNumber, options.CodeSystem);
    if (!part) {
        Refuse(messages, kPartNotSelectedText);
        return kCliRefused;
    }
    const std::optional<PartFrequencyRange> range =
        FrequencyRangeOf(part->RangeClass, part->UpperFrequency, separator);
    if (!range) {
        ReportNoClass(messages);
        return kCliRefused;
    }
    const ConditionTexts texts = ConditionTextsFor(options, *part, separator, err);
    double frequency = 0.0;
    const std::string frequencyText = options.FrequencyText.value_or(DefaultFrequencyText(*range));
    if (const auto refusal = FrequencyCheckMessage(frequencyText, *range, separator, &frequency)) {
        Refuse(messages, *refusal);
        return kCliRefused;
    }
    if (part->Capacitor != nullptr) {
        if (const auto refusal =
                OperatingConditionMessage(library, *part->Capacitor, part->PartNumber, options.CodeSystem,
                                          texts.Temperature, texts.Bias, separator)) {
            Refuse(messages, *refusal);
            return kCliRefused;
        }
    }

    OperatingPointResult result;
    const bool evaluated = shared::RunReportingErrors(messages, kProgramTitle, [&] {
        const double omega = AngularFrequencyFromMegahertz(frequency);
        if (part->Capacitor != nullptr) {
            EvaluateCapacitor(*part->Capacitor, omega,
                              CapacitorConditionsOf(options, *part, texts, separator), result, &messages);
        } else {
            EvaluateInductor(*part->Inductor, omega, result, &messages);
        }
    });
    if (!evaluated) {
        return kCliFailed;
    }
    out << OperatingPointJson(result);
    return kCliDone;
}

int RunSweep(const CliOptions& options, const Library& library, char separator, std::ostream& out,
             std::ostream& err) {
    shared::ConsoleMessages messages(out, err);
    const std::optional<ChartKind> kind = ChartKindFromName(options.ChartName);
    if (!kind) {
        Refuse(messages, "Unknown chart \"" + options.ChartName + "\"\nThe charts are " + ChartNameList());
        return kCliRefused;
    }
    if (TakesSParameter(*kind)) {
        const std::string parameter = options.SParameter.value_or("S11");
        if (parameter != "S11" && parameter != "S21") {
            Refuse(messages, "The S-parameter is S11 or S21, not \"" + parameter + "\"");
            return kCliRefused;
        }
    } else if (options.SParameter) {
        Refuse(messages, "The " + std::string(ChartName(*kind)) + " chart takes no S-parameter");
        return kCliRefused;
    }
    const std::optional<CliPart> part = FindCliPart(library, options.PartNumber, options.CodeSystem);
    if (!part) {
        Refuse(messages, kSpecifyPartNumberText, shared::MessageIcon::None);
        return kCliRefused;
    }
    if (!ChartOffered(*kind, *part)) {
        Refuse(messages, std::string(ChartName(*kind)) + " Chart is not available for this Product Number.");
        return kCliRefused;
    }
    const ConditionTexts texts = ConditionTextsFor(options, *part, separator, err);
    if (part->Capacitor != nullptr) {
        if (const auto refusal =
                OperatingConditionMessage(library, *part->Capacitor, part->PartNumber, options.CodeSystem,
                                          texts.Temperature, texts.Bias, separator)) {
            Refuse(messages, *refusal);
            return kCliRefused;
        }
    }

    const std::string title = kChartRequestSource;
    OperatingPointResult result;
    ChartSweepPlan plan;
    const CapacitorConditions conditions = CapacitorConditionsOf(options, *part, texts, separator);
    if (!shared::RunReportingErrors(messages, title, [&] {
            plan = part->Capacitor != nullptr
                       ? PlanCapacitorChart(*part->Capacitor, conditions, *kind, result, &messages)
                       : PlanInductorChart(*part->Inductor, *kind);
        })) {
        return kCliFailed;
    }
    switch (plan.Refusal) {
        case ChartSweepRefusal::NoFrequencyRangeClass:
            shared::ErrorReport(messages, title, shared::RuntimeError(kNoFrequencyRangeClassError));
            return kCliRefused;
        case ChartSweepRefusal::ApparentInductanceNotAvailable:
            Refuse(messages, kApparentInductanceNotAvailableText);
            return kCliRefused;
        case ChartSweepRefusal::None:
            break;
    }

    ChartPointTable points;
    if (!shared::RunReportingErrors(messages, title, [&] {
            if (part->Capacitor != nullptr) {
                SweepCapacitorChart(*part->Capacitor, conditions, plan, result, points, &messages);
            } else {
                SweepInductorChart(*part->Inductor, plan, result, points, &messages);
            }
        })) {
        return kCliFailed;
    }
    out << ChartPointCsv(points);
    return kCliDone;
}

int RunExport(const CliOptions& options, const Library& library, char separator,
              const shared::FileSinkOpener& open, std::ostream& out, std::ostream& err) {
    shared::ConsoleMessages messages(out, err);
    const std::optional<CliPart> part = FindCliPart(library, options.PartNumber, options.CodeSystem);
    if (!part) {
        Refuse(messages, kPartNotSelectedText);
        return kCliRefused;
    }
    const ConditionTexts texts = ConditionTextsFor(options, *part, separator, err);
    ExportJob job;
    job.Format = options.Format;
    job.Selection.Product = part->Kind;
    job.Selection.PartNumber = part->PartNumber;
    job.Selection.CodeSystem = options.CodeSystem;
    job.Selection.Connection = options.Connection;
    job.Selection.TemperatureText = texts.Temperature;
    job.Selection.BiasText = texts.Bias;
    job.FrequencyText = options.FrequencyText;
    const auto pathFor = [&](const ExportSubject&) { return options.OutputPath; };
    switch (RunExportJob(library, job, pathFor, separator, open, messages)) {
        case ExportJobResult::Saved:
            return kCliDone;
        case ExportJobResult::Refused:
            return kCliRefused;
        case ExportJobResult::Failed:
            break;
    }
    return kCliFailed;
}

}  // namespace pelmo
