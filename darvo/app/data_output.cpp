#include "darvo/app/data_output.h"

#include "darvo/app/program_identity.h"
#include "darvo/engine/chart_table.h"
#include "darvo/export/chart_data_output.h"
#include "darvo/export/dvx_writer.h"
#include "darvo/selection/condition_checks.h"
#include "darvo/selection/library_selection.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/error_report.h"
#include "shared/platform/messages.h"
#include "shared/platform/save_flow.h"
#include "shared/platform/services.h"

#include <cstddef>
#include <exception>
#include <memory>
#include <utility>

namespace darvo {

namespace {

// The data output reports its failures with "Unexpected Error " and the plain number.
constexpr shared::ErrorNumberForm kReportForm = shared::ErrorNumberForm::TrailingBlank;

}  // namespace

OutputSelection OutputSelectionOf(const LibrarySelection& selection) {
    const SelectionWindowState& state = selection.State();
    OutputSelection output;
    output.Identity.ChartType = static_cast<ChartType>(selection.GetChartType());
    output.Identity.XAxis = QuantityFromName(state.XAxis.Text).value_or(Quantity::None);
    output.Identity.YAxis = QuantityFromName(state.YAxis.Text).value_or(Quantity::None);
    output.PartNumberText = state.PartNum.Text;
    output.Conditions = selection.CurrentConditions();
    return output;
}

std::optional<std::int32_t> CheckOutputConditions(const OutputSelection& selection,
                                                  const ProductLibrary& products, shared::Messages& messages,
                                                  char separator, const ConditionsCheck& checks) {
    const std::optional<std::int32_t> index = FindProduct(products, selection.PartNumberText);
    if (!index || *index < 0 || static_cast<std::size_t>(*index) >= products.ProductTable.size()) {
        messages.Show(kNoPartForOutputText, shared::MessageIcon::Exclamation, kProgramTitle);
        return std::nullopt;
    }
    if (checks) {
        return checks() ? index : std::nullopt;
    }
    const ProductRecord& part = products.ProductTable[static_cast<std::size_t>(*index)];
    ConditionChecks textChecks(part, selection.Identity.ChartType, products.CodeSystem, messages, separator);
    if (!textChecks.CheckConditions(selection.Conditions, selection.Identity.XAxis)) {
        return std::nullopt;
    }
    return index;
}

std::optional<OutputRecord> ComputeDataOutput(const OutputSelection& selection, std::int32_t part,
                                              const ProductLibrary& products, ChartTable& table,
                                              shared::Messages& messages, char separator) {
    const ChartDataRecord header =
        ChartRequestHeader(selection.Identity, part, selection.Conditions, separator);
    std::optional<ChartDataRecord> record;
    try {
        record = ComputeOutputRecord(table, products, header, separator, messages);
    } catch (const shared::RuntimeError& failure) {
        // The engine titles its reports with its routine, which tells the user what failed.
        shared::ErrorReport(messages, shared::ReportTitleOf(failure, kProgramTitle), failure, kReportForm);
        return std::nullopt;
    }
    if (!record) {
        return std::nullopt;
    }
    const ProductRecord& product = products.ProductTable[static_cast<std::size_t>(part)];
    return OutputRecord{std::move(*record),
                        product.PartNumber[static_cast<std::size_t>(products.CodeSystem)]};
}

std::optional<OutputRecord> PrepareDataOutput(const OutputSelection& selection,
                                              const ProductLibrary& products, ChartTable& table,
                                              shared::Messages& messages, char separator,
                                              const ConditionsCheck& checks) {
    const std::optional<std::int32_t> part =
        CheckOutputConditions(selection, products, messages, separator, checks);
    if (!part) {
        return std::nullopt;
    }
    return ComputeDataOutput(selection, *part, products, table, messages, separator);
}

SaveOutcome RunSaveDataCommand(const OutputSelection& selection, const ProductLibrary& products,
                               ChartTable& table, const shared::Services& services,
                               const SaveEnvironment& environment) {
    const std::optional<OutputRecord> output = PrepareDataOutput(
        selection, products, table, services.Messages, environment.Separator, environment.CheckConditions);
    if (!output) {
        return SaveOutcome::Refused;
    }

    shared::SaveDialogSpec spec;
    spec.ProgramTitle = kProgramTitle;
    spec.Flags = kDvxDialogFlags;
    spec.Filter = kDvxFilter;
    spec.FilterIndex = 1;
    spec.ProposedName = selection.PartNumberText + ".dvx";
    spec.CurrentFolder = environment.CurrentFolder;
    spec.ReportForm = kReportForm;

    const auto write = [&](const std::string& fileName, shared::Messages& messages) {
        try {
            DvxHeader header;
            header.DateTimeText = environment.DateTimeText ? environment.DateTimeText() : std::string();
            header.PartNumber = output->PartNumber;
            // The whole text is formed before the sink opens, so nothing is written for
            // a curve that cannot be formatted.
            const std::string text = DvxFileText(output->Record, header, environment.Separator);
            const std::unique_ptr<shared::FileSink> sink = environment.OpenSink(fileName);
            if (!sink) {
                throw shared::WithDetailLine(
                    shared::RuntimeError(shared::error::kPathFileAccessError, kProgramTitle),
                    fileName + ": the file could not be opened");
            }
            WriteDvxFile(*sink, text);
        } catch (const std::exception& failure) {
            shared::ErrorReport(messages, kProgramTitle, failure, kReportForm);
            return false;
        }
        messages.Show(kDataSavedText + fileName, shared::MessageIcon::Information, kProgramTitle);
        return true;
    };
    switch (shared::RunSaveFlow(services, spec, write)) {
        case shared::SaveFlowOutcome::Cancelled:
            return SaveOutcome::Cancelled;
        case shared::SaveFlowOutcome::Failed:
            return SaveOutcome::Failed;
        case shared::SaveFlowOutcome::Saved:
            return SaveOutcome::Saved;
    }
    return SaveOutcome::Failed;
}

}  // namespace darvo
