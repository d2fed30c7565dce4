#ifndef PELMO_CLI_CLI_USAGE_ERROR_H
#define PELMO_CLI_CLI_USAGE_ERROR_H

#include "shared/cli/cli_usage_error.h"

namespace pelmo {

// A command line that names no known command, an option the command does not take, a
// value outside its choices or a missing required option. The text says which; the
// program shows it with the usage and refuses to run, so a mistyped option never
// silently gives the defaults.
using CliUsageError = shared::CliUsageError;

}  // namespace pelmo

#endif
