#ifndef SHARED_CLI_CLI_USAGE_ERROR_H
#define SHARED_CLI_CLI_USAGE_ERROR_H

#include <stdexcept>

namespace shared {

// A command line a command-line tool cannot run: an unknown command or option, a value
// outside its choices or a missing required option. The text says which; the tool shows
// it with its usage and refuses to run, so a mistyped option never silently gives the
// defaults. Shared so the option reading of both tools can refuse the same way.
class CliUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace shared

#endif
