#ifndef DARVO_EXPORT_DVX_WRITER_H
#define DARVO_EXPORT_DVX_WRITER_H

#include "darvo/engine/chart_data_record.h"

#include <string>

namespace shared {
class FileSink;
}

namespace darvo {

// What a data file names besides the computed curve: both come from outside the record,
// the date from the clock of the command and the part number from the notation in force.
struct DvxHeader {
    std::string DateTimeText;  // the locale's short date, a blank, its long time
    std::string PartNumber;
};

// The whole text of a chart data file (".dvx") for a computed record: the header and
// condition lines (each beginning with "!"), the column title and 200 data rows, every
// line ended by CR LF. Condition numbers are the shortest single-precision texts and
// data values "0.00E+00", both with separator, since the file is read by people; the
// conditions written are those the chart type uses. Frequencies on the X axis are
// written in kHz. A value that is not finite raises RuntimeError 6 before anything is
// written anywhere.
std::string DvxFileText(const ChartDataRecord& record, const DvxHeader& header, char separator);

// Writes text through sink and commits it, so the target is replaced only once the last
// line is down; a failure leaves the old file as it was and raises RuntimeError.
void WriteDvxFile(shared::FileSink& sink, const std::string& text);

}  // namespace darvo

#endif
