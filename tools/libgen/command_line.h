#ifndef TOOLS_LIBGEN_COMMAND_LINE_H
#define TOOLS_LIBGEN_COMMAND_LINE_H

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pelmo::libgen {

// libgen --out DIR [--records N]
struct CommandLine {
    std::string outFolder;
    std::optional<std::size_t> records;  // capacitors for a scale library
    bool help = false;
};

inline constexpr std::string_view kUsage =
    "usage: libgen --out DIR [--records N]\n"
    "  Writes cap.idx, cap.dat, ind.idx and ind.dat of the sample library into DIR.\n"
    "  --records N  a library of exactly N capacitors (1 to 32767) for scale tests\n";

// Reads the arguments after the program name. A missing folder, an unknown option or
// a record count that is not a whole number from 1 to 32767 raises RuntimeError 5 whose
// description says what is wrong.
CommandLine ParseCommandLine(std::span<const std::string_view> arguments);

}  // namespace pelmo::libgen

#endif
