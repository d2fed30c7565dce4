#include "pelmo/export/spice_model.h"

#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/checked_arithmetic.h"
#include "pelmo/engine/engine_constants.h"
#include "pelmo/library/records.h"

#include "shared/errors/runtime_error.h"

#include <cstddef>

namespace pelmo {

namespace {

template <class Record>
const Record& RecordAt(const std::vector<Record>& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange, "pelmo:SubjectSpiceModel");
    }
    return table[static_cast<std::size_t>(index)];
}

void RequireFiniteParameters(const SpiceModel& model) {
    for (const SpiceParameter& parameter : model.Parameters) {
        RequireFinite({parameter.Value});
    }
}

}  // namespace

// The unit conversions are the engine's own expressions (a single widened to double,
// then scaled), so each default is bit for bit the value the engine multiplies with.
SpiceModel CapacitorSpiceModel(const CapacitorRecord& record, const PreparedCapacitor& prepared,
                               double operatingFrequency) {
    SpiceModel model;
    model.Product = ProductKind::Capacitor;
    model.OperatingFrequency = operatingFrequency;
    model.Parameters = {
        {"c1", prepared.EffectiveC1},
        {"l1", record.L1 * kNanoHenry},
        {"ra", record.Ra},
        {"rb", record.Rb},
        {"rc", record.Rc},
        {"rcexp", record.RcExponent},
        {"fa", prepared.Factors.FA},
        {"fb", prepared.Factors.FB},
        {"r2", record.R2},
        {"l2", record.L2 * kNanoHenry},
        {"c2", record.C2 * kPicoFarad},
        {"r3", record.R3},
        {"l3", record.L3 * kNanoHenry},
        {"c3", record.C3 * kPicoFarad},
        {"fop", operatingFrequency},
    };
    return model;
}

SpiceModel InductorSpiceModel(const InductorRecord& record, double operatingFrequency) {
    SpiceModel model;
    model.Product = ProductKind::Inductor;
    model.OperatingFrequency = operatingFrequency;
    model.Parameters = {
        {"rs", record.RsCoef},
        {"rsexp", record.RsExponent},
        {"r1", record.R1},
        {"l1", record.L1 * kNanoHenry},
        {"l0", record.L0 * kNanoHenry},
        {"l0exp", record.L0Exponent},
        {"r0", record.R0},
        {"cp", record.Cp * kPicoFarad},
        {"fop", operatingFrequency},
    };
    return model;
}

SpiceModel SubjectSpiceModel(const Library& library, const ExportSubject& subject, double temperature,
                             double bias, shared::CodeSystem codeSystem, char separator,
                             double operatingFrequency) {
    SpiceModel model;
    if (subject.Product == ProductKind::Inductor) {
        model = InductorSpiceModel(RecordAt(library.InductorTable, subject.PartIndex), operatingFrequency);
    } else {
        const CapacitorRecord& record = RecordAt(library.CapacitorTable, subject.PartIndex);
        CapacitorConditions conditions;
        conditions.Temperature = temperature;
        conditions.Bias = bias;
        conditions.PartNumber = subject.PartNumber;
        conditions.CodeSystem = codeSystem;
        conditions.DecimalSeparator = separator;
        model = CapacitorSpiceModel(record, PrepareCapacitor(record, conditions), operatingFrequency);
    }
    model.CodeSystem = codeSystem;
    RequireFiniteParameters(model);
    if (!(operatingFrequency > 0.0)) {
        // Where hertz is 0 the frequency-dependent elements divide by it.
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall, "pelmo:SubjectSpiceModel");
    }
    return model;
}

}  // namespace pelmo
