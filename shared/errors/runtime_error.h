#ifndef SHARED_ERRORS_RUNTIME_ERROR_H
#define SHARED_ERRORS_RUNTIME_ERROR_H

#include <stdexcept>
#include <string>
#include <utility>

namespace shared {

// The classic run-time error numbers that travel with failures, so that every error
// report shows the number and description users and their help desks know.
namespace error {
inline constexpr int kInvalidProcedureCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kBadFileNameOrNumber = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kInputPastEndOfFile = 62;
inline constexpr int kDiskFull = 61;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kDuplicateKey = 457;
// A printer that cannot take a job: the real printer, the printer canvas and the fake
// all raise it, so a print handler reports the same text whichever failed.
inline constexpr int kPrinterError = 482;
}  // namespace error

// The description the runtime gives for a classic error number; a generic text for
// numbers it does not know.
std::string StandardErrorDescription(int number);

// One failure type for the whole project: a number, the source that raised it and a
// description. Handlers turn it into the "Unexpected Error" report.
//
// The source only tags where the failure arose (a file, a routine, a class); it is never
// a message-box title by itself. A raiser that knows which procedure's report the user
// should see sets the report title; handlers use it in place of their own title.
class RuntimeError : public std::runtime_error {
public:
    // Uses the standard description of the number.
    explicit RuntimeError(int number, std::string source = {});
    RuntimeError(int number, std::string source, std::string description);

    int Number() const noexcept { return number_; }
    const std::string& Source() const noexcept { return source_; }
    const std::string& Description() const noexcept { return description_; }
    // Empty unless the raiser chose the title of the report.
    const std::string& ReportTitle() const noexcept { return reportTitle_; }
    // For the raise itself: throw RuntimeError(...).WithReportTitle(title);
    RuntimeError&& WithReportTitle(std::string title) && {
        reportTitle_ = std::move(title);
        return std::move(*this);
    }

private:
    int number_;
    std::string source_;
    std::string description_;
    std::string reportTitle_;
};

// How an error report writes its number: most procedures use the message number
// conversion right after "Unexpected Error" (a blank before a non-negative number);
// the exports and data output write "Unexpected Error " and the plain decimal number.
enum class ErrorNumberForm { MessageConversion, TrailingBlank };

// "Unexpected Error" + number + CR LF + description.
std::string ErrorReportText(int number, const std::string& description,
                            ErrorNumberForm form = ErrorNumberForm::MessageConversion);

// Title of an error report: "pelmo:" + module or window + "." + procedure.
std::string ErrorReportTitle(const std::string& program, const std::string& module,
                             const std::string& procedure);

}  // namespace shared

#endif
