#ifndef DARVO_CLI_CLI_COMMANDS_H
#define DARVO_CLI_CLI_COMMANDS_H

#include "darvo/cli/cli_options.h"
#include "darvo/engine/chart_data_record.h"
#include "darvo/library/product_library.h"

#include "shared/cli/cli_program.h"
#include "shared/platform/file_sink.h"

#include <iosfwd>
#include <string>

namespace darvo {

using shared::kCliDone;
using shared::kCliFailed;
using shared::kCliRefused;

// What the save command stamps and writes with, besides the options.
struct SaveContext {
    std::string DateTimeText;
    shared::FileSinkOpener Open;
};

// The listable part numbers of options.ChartType in table order, one a line: those with
// a part number in the notation and data for the chart, as the window's part list.
int RunList(const CliOptions& options, const ProductLibrary& library, std::ostream& out);

// The curve a Plot would draw, as one JSON object on out; refusals on err.
int RunCurve(const CliOptions& options, const ProductLibrary& library, char separator, std::ostream& out,
             std::ostream& err);

// The ".dvx" file the File menu's save command would write; its confirmation on out.
int RunSave(const CliOptions& options, const ProductLibrary& library, char separator,
            const SaveContext& context, std::ostream& out, std::ostream& err);

// One JSON object with the keys XData, YData, Xmax, Xmin, Ymax, Ymin and MaxValue, one
// key a line. Numbers carry every bit of their single-precision value (9 significant
// digits) with "." whatever the locale, so runs and programs compare exactly.
std::string CurveJson(const ChartDataRecord& record);

}  // namespace darvo

#endif
