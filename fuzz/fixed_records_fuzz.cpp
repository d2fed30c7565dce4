// Fixed little-endian records over any bytes: records in range or a RuntimeError.
#include "shared/errors/runtime_error.h"
#include "shared/files/fixed_record_reader.h"
#include "shared/files/little_endian.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t recordSize = 1 + data[0] % 200;
    const std::size_t count = data[1];
    const std::string bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    try {
        const shared::FixedRecordReader reader(bytes, recordSize, count, "fuzz");
        for (std::size_t i = 0; i < count; ++i) {
            const std::string_view record = reader.Record(i);
            // Offsets run past the end on purpose: those reads must refuse, not read.
            for (std::size_t offset = 0; offset <= record.size(); offset += 4) {
                try {
                    shared::ReadSingleLe(record, offset);
                    shared::ReadDoubleLe(record, offset);
                } catch (const shared::RuntimeError&) {
                }
            }
        }
    } catch (const shared::RuntimeError&) {
    }
    return 0;
}
