#ifndef DARVO_EXPORT_CHART_DATA_OUTPUT_H
#define DARVO_EXPORT_CHART_DATA_OUTPUT_H

#include "darvo/engine/chart_data_record.h"
#include "darvo/library/product_library.h"

#include "shared/platform/file_sink.h"

#include <optional>
#include <string>

namespace shared {
class Messages;
}

namespace darvo {

class ChartTable;

// The title of the data output's own boxes: the program title.
inline constexpr const char* kDataOutputTitle = "darvo";
// The confirmation after a data file is written, followed by its full path.
inline constexpr const char* kDataSavedText = "darvo Data saved to ";

// Computes the curve a data output writes, in a temporary record at element ChartCount
// of table, and returns a copy of it. The record never joins a chart window: the table
// is shrunk back before this returns on every path, a refusal and an exception included,
// because a record left behind would be taken for an open curve by the duplicate test
// and the identity count.
//
// header holds what the selection window's WriteChartData puts into a record (chart
// type, axis names, ProductIndex into library.ProductTable, conditions). Returns nothing
// when the engine refused the request (its message has been shown). A numerical failure
// of the engine raises its RuntimeError; an index outside the table raises RuntimeError 9.
// separator is the one of the engine's messages.
std::optional<ChartDataRecord> ComputeOutputRecord(ChartTable& table, const ProductLibrary& library,
                                                   const ChartDataRecord& header, char separator,
                                                   shared::Messages& messages);

// The save command after its checks and its file dialog.
struct SaveDataRequest {
    ChartDataRecord Header;    // as for ComputeOutputRecord
    std::string TargetPath;    // the file the user chose
    std::string DateTimeText;  // the first line's date and time
    char Separator = '.';      // the locale's, for every number of the file
};

enum class DataOutputOutcome {
    Saved,    // the file is written and "darvo Data saved to " shown
    Refused,  // the engine refused the request; its message shown
    Failed,   // the curve could not be computed or the file not written; "Unexpected Error "
              // shown, old file kept
};

// Computes the curve, writes the ".dvx" file through a sink from open and reports the
// outcome through messages, as the File menu's save command does. The file goes through
// the sink whole or not at all, and the table is as before in every outcome.
DataOutputOutcome SaveChartData(ChartTable& table, const ProductLibrary& library,
                                const SaveDataRequest& request, const shared::FileSinkOpener& open,
                                shared::Messages& messages);

}  // namespace darvo

#endif
