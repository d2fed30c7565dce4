#include "darvo/library/product_reader.h"

#include "shared/errors/runtime_error.h"
#include "shared/files/little_endian.h"
#include "shared/parts/code_system.h"

namespace darvo {

void ReadProductIndexFields(const std::vector<std::string>& fields, ProductRecord& record) {
    if (fields.size() != kProductIndexFields) {
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall, kProductIndexFile);
    }
    record.PartNumber = {fields[0], fields[1]};
    record.SizeCode = {fields[2], fields[3]};
    record.TempChar = {fields[4], fields[5]};
}

void ReadProductModel(std::string_view bytes, ProductRecord& record) {
    if (bytes.size() < kProductModelSize) {
        throw shared::RuntimeError(shared::error::kSubscriptOutOfRange, kProductModelFile);
    }
    record.PolynomialModel = shared::ReadInt16Le(bytes, kPolynomialFlagOffset) != 0;
    for (std::size_t k = 0; k < kCapModelCount; ++k) {
        record.CapModel[k] = shared::ReadSingleLe(bytes, kCapModelOffset + 4 * k);
    }
    for (std::size_t k = 0; k < kHeatModelCount; ++k) {
        record.HeatModel[k] = shared::ReadSingleLe(bytes, kHeatModelOffset + 4 * k);
    }
    SetChartAvailability(record);
}

}  // namespace darvo
