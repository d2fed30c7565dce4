#include "shared/errors/runtime_error.h"

#include <utility>

namespace shared {

std::string StandardErrorDescription(int number) {
    switch (number) {
        case error::kInvalidProcedureCall:
            return "Invalid procedure call or argument";
        case error::kOverflow:
            return "Overflow";
        case error::kOutOfMemory:
            return "Out of memory";
        case error::kSubscriptOutOfRange:
            return "Subscript out of range";
        case error::kDivisionByZero:
            return "Division by zero";
        case error::kTypeMismatch:
            return "Type mismatch";
        case error::kBadFileNameOrNumber:
            return "Bad file name or number";
        case error::kFileNotFound:
            return "File not found";
        case error::kDiskFull:
            return "Disk full";
        case error::kInputPastEndOfFile:
            return "Input past end of file";
        case error::kPermissionDenied:
            return "Permission denied";
        case error::kPathFileAccessError:
            return "Path/File access error";
        case error::kDuplicateKey:
            return "This key is already associated with an element of this collection";
        case error::kPrinterError:
            return "Printer error";
        default:
            return "Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int number, std::string source)
    : RuntimeError(number, std::move(source), StandardErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, std::string source, std::string description)
    : std::runtime_error(description),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

std::string ErrorReportText(int number, const std::string& description, ErrorNumberForm form) {
    // Built by appending: g++ 12 at -O3 warns falsely (-Wrestrict) on "literal" + string.
    std::string text = "Unexpected Error";
    if (form == ErrorNumberForm::TrailingBlank || number >= 0) text += ' ';
    text += std::to_string(number);
    text += "\r\n";
    text += description;
    return text;
}

std::string ErrorReportTitle(const std::string& program, const std::string& module,
                             const std::string& procedure) {
    std::string title = program;
    title += ':';
    title += module;
    title += '.';
    title += procedure;
    return title;
}

}  // namespace shared
