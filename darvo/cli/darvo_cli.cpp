#include "darvo/cli/darvo_cli.h"

#include "darvo/cli/cli_commands.h"
#include "darvo/cli/cli_options.h"
#include "darvo/library/product_loader.h"

#include "shared/cli/cli_program.h"
#include "shared/parts/part_sort.h"
#include "shared/text/number_text.h"

#include <optional>
#include <ostream>

namespace darvo {

namespace {

// The products in the notation's catalogue order, or nothing after reporting why not.
std::optional<ProductLibrary> LoadSortedProducts(const std::string& folder, shared::CodeSystem codeSystem,
                                                 char separator, std::ostream& err) {
    std::optional<ProductLibrary> library;
    if (!shared::CliProgram::LoadLibrary(folder, err, [&] {
            library = LoadProducts(folder, separator);
            return SortProducts(*library, codeSystem, separator);
        })) {
        return std::nullopt;
    }
    return library;
}

}  // namespace

int RunDarvoCli(std::span<const std::string> arguments, std::ostream& out, std::ostream& err,
                const CliEnvironment& environment) {
    const shared::CliProgram program("darvo-cli", kCliUsage);
    return program.Run(err, [&] {
        const CliOptions options = ParseCliOptions(arguments);
        if (options.Command == CliCommand::Help) {
            return program.ShowUsage(out);
        }

        const char separator = environment.DecimalSeparator;
        const std::optional<ProductLibrary> library = LoadSortedProducts(
            options.LibraryFolder.value_or(environment.ProgramFolder), options.CodeSystem, separator, err);
        if (!library) {
            return kCliFailed;
        }
        switch (options.Command) {
            case CliCommand::List:
                return RunList(options, *library, out);
            case CliCommand::Curve:
                return RunCurve(options, *library, separator, out, err);
            case CliCommand::Save: {
                SaveContext context;
                context.DateTimeText = GeneralDateText(environment.Clock(), environment.TimeLocale);
                context.Open = environment.Open;
                return RunSave(options, *library, separator, context, out, err);
            }
            case CliCommand::Help:
                break;
        }
        return kCliDone;
    });
}

}  // namespace darvo
