#include "tools/libgen/command_line.h"

#include "tools/libgen/sample_library.h"

#include "shared/errors/runtime_error.h"

#include <charconv>
#include <string>

namespace pelmo::libgen {

namespace {

[[noreturn]] void Refuse(const std::string& description) {
    throw shared::RuntimeError(shared::error::kInvalidProcedureCall, "libgen", description);
}

std::size_t RecordCount(std::string_view text) {
    std::size_t count = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (status != std::errc() || end != text.data() + text.size() || count < 1 || count > kMaxRecords) {
        Refuse("--records needs a whole number from 1 to 32767, not \"" + std::string(text) + "\".");
    }
    return count;
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            line.help = true;
            return line;
        }
        if (argument != "--out" && argument != "--records") {
            Refuse("Unknown argument \"" + std::string(argument) + "\".");
        }
        if (i + 1 >= arguments.size()) {
            Refuse(std::string(argument) + " needs a value.");
        }
        const std::string_view value = arguments[++i];
        if (argument == "--out") {
            if (value.empty()) {
                Refuse("--out needs a folder.");
            }
            line.outFolder = std::string(value);
        } else {
            line.records = RecordCount(value);
        }
    }
    if (line.outFolder.empty()) {
        Refuse("The output folder is missing (--out DIR).");
    }
    return line;
}

}  // namespace pelmo::libgen
