#ifndef SHARED_PLATFORM_ERROR_REPORT_H
#define SHARED_PLATFORM_ERROR_REPORT_H

#include "shared/errors/runtime_error.h"

#include <exception>
#include <functional>
#include <string>

namespace shared {

class Messages;

// The "Unexpected Error" report of a procedure's failure handler: one box with the
// critical icon and OK, text "Unexpected Error" + number + CR LF + description, titled
// as the procedure says (ErrorReportTitle, or the program title).
void ErrorReport(Messages& messages, const std::string& title, const RuntimeError& failure,
                 ErrorNumberForm form = ErrorNumberForm::MessageConversion);

// Failures that did not start as a RuntimeError get the classic number that fits them:
// 7 "Out of memory" for an allocation failure, 9 for an index out of range, 6 for an
// overflow, otherwise 5 with the failure's own text.
void ErrorReport(Messages& messages, const std::string& title, const std::exception& failure,
                 ErrorNumberForm form = ErrorNumberForm::MessageConversion);

// The title a handler reports failure under: the raiser's report title when it chose
// one, otherwise the handler's own.
const std::string& ReportTitleOf(const RuntimeError& failure, const std::string& handlerTitle) noexcept;

// The failure with its number and standard description kept and one line added under
// them: description CR LF detail. The report then reads "Unexpected Error" + number,
// the text the help desk knows, and what the user can act on (the file, the record and
// the reason). The source is kept.
RuntimeError WithDetailLine(const RuntimeError& failure, const std::string& detail);

// What a failure's description says beyond the standard description of its number
// ("Path/File access error: not a regular file" gives "not a regular file"), or "".
std::string DescriptionBeyondStandard(const RuntimeError& failure);

// The number and description an arbitrary failure is reported with.
RuntimeError AsRuntimeError(const std::exception& failure);

// Runs a procedure body with its failure handler: any failure is reported under title
// and false returned; what happens next is the caller's decision.
bool RunReportingErrors(Messages& messages, const std::string& title, const std::function<void()>& body,
                        ErrorNumberForm form = ErrorNumberForm::MessageConversion);

}  // namespace shared

#endif
