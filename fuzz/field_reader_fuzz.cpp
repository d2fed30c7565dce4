// Any bytes given to the index-field reader end in fields or a RuntimeError: never a
// crash, a hang or an unbounded allocation.
#include "shared/errors/runtime_error.h"
#include "shared/files/field_reader.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        shared::FieldReader counter(bytes, "fuzz");
        const long records = counter.CountRecords(30);
        shared::FieldReader reader(bytes, "fuzz");
        for (long i = 0; i < records; ++i) reader.ReadRecord(30);
        while (!reader.AtEnd()) reader.ReadField();
    } catch (const shared::RuntimeError&) {
    }
    return 0;
}
