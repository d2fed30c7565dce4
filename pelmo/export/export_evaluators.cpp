#include "pelmo/export/export_evaluators.h"

#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/library/records.h"

#include "shared/errors/runtime_error.h"

#include <cstddef>

namespace pelmo {

GridPointEvaluator CapacitorGridEvaluator(const CapacitorRecord& record,
                                          const CapacitorConditions& conditions, OperatingPointResult& result,
                                          shared::Messages* messages) {
    const PreparedCapacitor prepared = PrepareCapacitor(record, conditions);
    const CircuitMode connection = conditions.Connection;
    return [&record, &result, messages, prepared, connection](double omega) -> const OperatingPointResult& {
        EvaluatePreparedCapacitor(record, prepared, omega, connection, result, messages);
        return result;
    };
}

GridPointEvaluator InductorGridEvaluator(const InductorRecord& record, OperatingPointResult& result,
                                         shared::Messages* messages) {
    return [&record, &result, messages](double omega) -> const OperatingPointResult& {
        EvaluateInductor(record, omega, result, messages);
        return result;
    };
}

namespace {

template <class Record>
const Record& RecordAt(const std::vector<Record>& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange, "pelmo:SubjectEvaluator");
    }
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

GridPointEvaluator SubjectEvaluator(const Library& library, const ExportSubject& subject, double temperature,
                                    double bias, shared::CodeSystem codeSystem, char separator,
                                    OperatingPointResult& result, shared::Messages* messages) {
    if (subject.Product == ProductKind::Inductor) {
        return InductorGridEvaluator(RecordAt(library.InductorTable, subject.PartIndex), result, messages);
    }
    CapacitorConditions conditions;
    conditions.Temperature = temperature;
    conditions.Bias = bias;
    conditions.Connection = subject.Connection;
    conditions.PartNumber = subject.PartNumber;
    conditions.CodeSystem = codeSystem;
    conditions.DecimalSeparator = separator;
    return CapacitorGridEvaluator(RecordAt(library.CapacitorTable, subject.PartIndex), conditions, result,
                                  messages);
}

}  // namespace pelmo
