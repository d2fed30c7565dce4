#include "pelmo/export/export_command.h"

#include "pelmo/engine/condition_model.h"
#include "pelmo/export/spice_model_writer.h"
#include "pelmo/export/touchstone_writer.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/library/records.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_number_codes.h"
#include "shared/platform/error_report.h"
#include "shared/platform/messages.h"

#include <cstddef>
#include <memory>

namespace pelmo {

namespace {

// The exports write "Unexpected Error " with a trailing blank and the plain number.
constexpr shared::ErrorNumberForm kReportForm = shared::ErrorNumberForm::TrailingBlank;

void ShowPartNotSelected(shared::Messages& messages) {
    messages.Show(kPartNotSelectedText, shared::MessageIcon::Exclamation, kProgramTitle);
}

template <class Record>
const Record* RecordAt(const std::vector<Record>& table, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
        return nullptr;
    }
    return &table[static_cast<std::size_t>(index)];
}

// Writes through a fresh sink and commits; any failure is reported and the sink is
// dropped uncommitted, which discards everything written so far.
bool WriteAndCommit(const std::string& path, const shared::FileSinkOpener& openSink,
                    shared::Messages& messages, const std::function<void(shared::FileSink&)>& write) {
    return shared::RunReportingErrors(
        messages, kProgramTitle,
        [&] {
            std::unique_ptr<shared::FileSink> sink = openSink(path);
            if (!sink) {
                throw shared::WithDetailLine(shared::RuntimeError(shared::error::kPathFileAccessError, path),
                                             path + ": the file could not be opened");
            }
            write(*sink);
            sink->Commit();
        },
        kReportForm);
}

}  // namespace

std::string TouchstoneSavedText(const std::string& path) {
    return "S Parameter Data saved to " + path;
}

std::string ImpedanceSavedText(const std::string& path) {
    return "Impedance Data saved to " + path;
}

std::string SpiceSavedText(const std::string& path) {
    return "SPICE Model saved to " + path;
}

std::optional<ExportPlan> PrepareExport(const Library& library, const ExportSelection& selection,
                                        const std::function<bool()>& operatingConditionCheck,
                                        shared::Messages& messages, bool* failed) {
    ExportSubject subject;
    subject.Product = selection.Product;
    subject.Connection =
        selection.Product == ProductKind::Inductor ? CircuitMode::Series : selection.Connection;
    subject.TemperatureText = selection.TemperatureText;
    subject.BiasText = selection.BiasText;

    if (selection.Product == ProductKind::Capacitor) {
        const shared::KeyCollection& lookup = library.PartIndex[selection.CodeSystem];
        const auto index = lookup.Find(selection.PartNumber);
        const CapacitorRecord* record = index ? RecordAt(library.CapacitorTable, *index) : nullptr;
        if (record == nullptr) {
            ShowPartNotSelected(messages);
            return std::nullopt;
        }
        if (operatingConditionCheck && !operatingConditionCheck()) {
            return std::nullopt;
        }
        subject.PartIndex = *index;
        subject.PartNumber = lookup.Spelling(selection.PartNumber).value_or(selection.PartNumber);
        subject.UpperFrequency = record->UpperFrequency;
        subject.ConditionDependent = HasConditionModel(*record);
    } else {
        const auto index = library.InductorPartIndex.Find(selection.PartNumber);
        const InductorRecord* record = index ? RecordAt(library.InductorTable, *index) : nullptr;
        if (record == nullptr) {
            ShowPartNotSelected(messages);
            return std::nullopt;
        }
        subject.PartIndex = *index;
        subject.PartNumber =
            library.InductorPartIndex.Spelling(selection.PartNumber).value_or(selection.PartNumber);
        subject.UpperFrequency = record->UpperFrequency;
    }
    subject.RangeClass = shared::FrequencyRangeClass(subject.PartNumber);

    std::optional<ExportPlan> plan;
    const bool made = shared::RunReportingErrors(
        messages, kProgramTitle,
        [&] {
            plan = ExportPlan{subject, MakeExportGrid(subject)};
        },
        kReportForm);
    if (failed != nullptr) {
        *failed = !made;
    }
    return plan;
}

bool SaveTouchstoneExport(const ExportPlan& plan, const GridPointEvaluator& evaluate, const std::string& path,
                          const shared::FileSinkOpener& openSink, shared::Messages& messages) {
    const bool saved = WriteAndCommit(path, openSink, messages, [&](shared::FileSink& sink) {
        WriteTouchstone(plan.Subject, plan.Grid, evaluate, sink);
    });
    if (saved) {
        messages.Show(TouchstoneSavedText(path), shared::MessageIcon::Information, kProgramTitle);
    }
    return saved;
}

bool SaveImpedanceExport(const ExportPlan& plan, const ImpedanceReadouts& readouts,
                         const GridPointEvaluator& evaluate, char separator, const std::string& path,
                         const shared::FileSinkOpener& openSink, shared::Messages& messages) {
    const bool saved = WriteAndCommit(path, openSink, messages, [&](shared::FileSink& sink) {
        WriteImpedanceTable(plan.Subject, plan.Grid, readouts, evaluate, separator, sink);
    });
    if (saved) {
        messages.Show(ImpedanceSavedText(path), shared::MessageIcon::Information, kProgramTitle);
    }
    return saved;
}

bool SaveSpiceExport(const ExportPlan& plan, const SpiceModel& model, const std::string& path,
                     const shared::FileSinkOpener& openSink, shared::Messages& messages) {
    const bool saved = WriteAndCommit(path, openSink, messages, [&](shared::FileSink& sink) {
        WriteSpiceModel(plan.Subject, model, sink);
    });
    if (saved) {
        messages.Show(SpiceSavedText(path), shared::MessageIcon::Information, kProgramTitle);
    }
    return saved;
}

}  // namespace pelmo
