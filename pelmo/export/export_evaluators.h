#ifndef PELMO_EXPORT_EXPORT_EVALUATORS_H
#define PELMO_EXPORT_EXPORT_EVALUATORS_H

#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/export/export_subject.h"
#include "pelmo/export/grid_point_evaluator.h"

#include "shared/parts/code_system.h"

namespace shared {
class Messages;
}

namespace pelmo {

struct InductorRecord;
struct Library;
struct OperatingPointResult;

// The engine behind the export rows. Both keep references: record, result and messages
// must outlive the evaluator, which is meant to live for one export only.

// A capacitor at fixed conditions. The frequency-independent part of the evaluation
// (temperature factors, main-branch capacitance, equivalent series C and L, SRF) is
// computed once here rather than at each of the 201 or 402 points; the rows are
// bit-identical to evaluating the whole model at every point. Raises what
// PrepareCapacitor raises for a part that cannot be evaluated.
GridPointEvaluator CapacitorGridEvaluator(const CapacitorRecord& record,
                                          const CapacitorConditions& conditions, OperatingPointResult& result,
                                          shared::Messages* messages = nullptr);

// An inductor, always in series.
GridPointEvaluator InductorGridEvaluator(const InductorRecord& record, OperatingPointResult& result,
                                         shared::Messages* messages = nullptr);

// The evaluator of an export's part, found in library by the subject's kind and index.
// temperature [C], bias [V] and codeSystem are the capacitor's conditions (the caller
// reads them from the checked fields); the connection and the part number come from the
// subject; separator is the one library was loaded with. An index outside its table
// raises shared::RuntimeError 9.
GridPointEvaluator SubjectEvaluator(const Library& library, const ExportSubject& subject, double temperature,
                                    double bias, shared::CodeSystem codeSystem, char separator,
                                    OperatingPointResult& result, shared::Messages* messages = nullptr);

}  // namespace pelmo

#endif
