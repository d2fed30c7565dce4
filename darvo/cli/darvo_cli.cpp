#include "darvo/cli/darvo_cli.h"

#include "darvo/cli/cli_commands.h"
#include "darvo/cli/cli_options.h"
#include "darvo/cli/cli_usage_error.h"
#include "darvo/library/product_loader.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_sort.h"
#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/console_messages.h"
#include "shared/text/number_text.h"

#include <optional>
#include <ostream>

namespace darvo {

namespace {

// The products in the notation's catalogue order, or nothing after reporting why not.
std::optional<ProductLibrary> LoadSortedProducts(const std::string& folder, shared::CodeSystem codeSystem,
                                                 std::ostream& err) {
    try {
        ProductLibrary library = LoadProducts(folder);
        if (!SortProducts(library, codeSystem)) {
            err << shared::kSortErrorMessage << '\n';
            return std::nullopt;
        }
        return library;
    } catch (const shared::RuntimeError& failure) {
        err << shared::ConsoleText(shared::ErrorReportText(failure.Number(), failure.Description())) << '\n'
            << "(library folder " << folder << ")\n";
        return std::nullopt;
    }
}

}  // namespace

int RunDarvoCli(std::span<const std::string> arguments, std::ostream& out, std::ostream& err,
                const CliEnvironment& environment) {
    CliOptions options;
    try {
        options = ParseCliOptions(arguments);
    } catch (const CliUsageError& usage) {
        err << "darvo-cli: " << usage.what() << '\n' << kCliUsage;
        return kCliRefused;
    }
    if (options.Command == CliCommand::Help) {
        out << kCliUsage;
        return kCliDone;
    }

    // The capacitance codes of the part numbers are read with the locale's separator, so
    // it must be in force before the products are loaded.
    const shared::ScopedDecimalSeparator separatorInForce(environment.DecimalSeparator);
    const char separator = environment.DecimalSeparator;
    const std::optional<ProductLibrary> library =
        LoadSortedProducts(options.LibraryFolder.value_or(environment.ProgramFolder), options.CodeSystem, err);
    if (!library) {
        return kCliFailed;
    }
    try {
        switch (options.Command) {
        case CliCommand::List:
            return RunList(options, *library, out);
        case CliCommand::Curve:
            return RunCurve(options, *library, separator, out, err);
        case CliCommand::Save: {
            SaveContext context;
            context.DateTimeText = GeneralDateText(environment.Clock(), environment.TimeLocale);
            context.Open = environment.Open ? environment.Open : shared::FileSinkOpener(shared::OpenAtomicFileWriter);
            return RunSave(options, *library, separator, context, out, err);
        }
        case CliCommand::Help:
            break;
        }
    } catch (const CliUsageError& usage) {
        err << "darvo-cli: " << usage.what() << '\n' << kCliUsage;
        return kCliRefused;
    }
    return kCliDone;
}

}  // namespace darvo
