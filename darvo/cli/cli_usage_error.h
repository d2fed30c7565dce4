#ifndef DARVO_CLI_CLI_USAGE_ERROR_H
#define DARVO_CLI_CLI_USAGE_ERROR_H

#include "shared/cli/cli_usage_error.h"

namespace darvo {

// A command line darvo-cli cannot run: an unknown command or option, a value outside its
// choices, a missing required option, or a condition the chart type keeps disabled. The
// text says which; nothing is computed or written, so a mistyped option never silently
// gives the defaults.
using CliUsageError = shared::CliUsageError;

}  // namespace darvo

#endif
