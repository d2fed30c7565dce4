// Typed text and format patterns of any bytes: a number or a refusal, a text or a
// RuntimeError, never a crash.
#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    const std::string text(reinterpret_cast<const char*>(data) + sizeof value, size - sizeof value);
    shared::ParseNumber(text, '.');
    shared::ParseSingle(text, ',');
    shared::ParseFileNumber(text);
    try {
        shared::Format(value, text.substr(0, 40), '.');
        shared::FormatSingle(static_cast<float>(value), text.substr(0, 40), ',');
        shared::GeneralNumberText(value, '.');
    } catch (const shared::RuntimeError&) {
    }
    return 0;
}
