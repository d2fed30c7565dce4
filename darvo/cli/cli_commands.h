#ifndef DARVO_CLI_CLI_COMMANDS_H
#define DARVO_CLI_CLI_COMMANDS_H

#include "darvo/cli/cli_options.h"
#include "darvo/engine/chart_data_record.h"
#include "darvo/library/product_library.h"

#include "shared/platform/file_sink.h"

#include <iosfwd>
#include <string>

namespace darvo {

// Exit statuses of darvo-cli.
inline constexpr int kCliDone = 0;
inline constexpr int kCliFailed = 1;   // the library or a file could not be read or written
inline constexpr int kCliRefused = 2;  // the input was refused; nothing computed or written

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
int RunSave(const CliOptions& options, const ProductLibrary& library, char separator, const SaveContext& context,
            std::ostream& out, std::ostream& err);

// One JSON object with the keys XData, YData, Xmax, Xmin, Ymax, Ymin and MaxValue, one
// key a line. Numbers carry every bit of their single-precision value (9 significant
// digits) with "." whatever the locale, so runs and programs compare exactly.
std::string CurveJson(const ChartDataRecord& record);

}  // namespace darvo

#endif
