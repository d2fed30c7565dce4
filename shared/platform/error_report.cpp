#include "shared/platform/error_report.h"

#include "shared/platform/messages.h"

#include <new>
#include <stdexcept>
#include <utility>

namespace shared {

namespace {

constexpr int kOutOfMemory = 7;

}  // namespace

void ErrorReport(Messages& messages, const std::string& title, const RuntimeError& failure,
                 ErrorNumberForm form) {
    messages.Show(ErrorReportText(failure.Number(), failure.Description(), form), MessageIcon::Critical,
                  title, MessageButtons::Ok);
}

const std::string& ReportTitleOf(const RuntimeError& failure, const std::string& handlerTitle) noexcept {
    return failure.ReportTitle().empty() ? handlerTitle : failure.ReportTitle();
}

RuntimeError WithDetailLine(const RuntimeError& failure, const std::string& detail) {
    std::string description = StandardErrorDescription(failure.Number());
    description += "\r\n";
    description += detail;
    RuntimeError result(failure.Number(), failure.Source(), std::move(description));
    if (!failure.ReportTitle().empty()) {
        return std::move(result).WithReportTitle(failure.ReportTitle());
    }
    return result;
}

std::string DescriptionBeyondStandard(const RuntimeError& failure) {
    const std::string standard = StandardErrorDescription(failure.Number());
    const std::string& description = failure.Description();
    if (description.compare(0, standard.size(), standard) != 0) {
        return description;
    }
    std::string rest = description.substr(standard.size());
    // The readers append their remark as ": remark" or " (remark)".
    const std::size_t start = rest.find_first_not_of(" :(\r\n");
    if (start == std::string::npos) {
        return {};
    }
    rest.erase(0, start);
    if (description.find(" (", standard.size()) == standard.size() && !rest.empty() && rest.back() == ')') {
        rest.pop_back();
    }
    return rest;
}

RuntimeError AsRuntimeError(const std::exception& failure) {
    if (const auto* known = dynamic_cast<const RuntimeError*>(&failure)) {
        return *known;
    }
    if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr) {
        return RuntimeError(kOutOfMemory, {}, "Out of memory");
    }
    if (dynamic_cast<const std::out_of_range*>(&failure) != nullptr) {
        return RuntimeError(error::kSubscriptOutOfRange);
    }
    if (dynamic_cast<const std::overflow_error*>(&failure) != nullptr) {
        return RuntimeError(error::kOverflow);
    }
    const std::string text = failure.what();
    return RuntimeError(error::kInvalidProcedureCall, {},
                        text.empty() ? StandardErrorDescription(error::kInvalidProcedureCall) : text);
}

void ErrorReport(Messages& messages, const std::string& title, const std::exception& failure,
                 ErrorNumberForm form) {
    ErrorReport(messages, title, AsRuntimeError(failure), form);
}

bool RunReportingErrors(Messages& messages, const std::string& title, const std::function<void()>& body,
                        ErrorNumberForm form) {
    try {
        body();
        return true;
    } catch (const std::exception& failure) {
        ErrorReport(messages, title, failure, form);
    } catch (...) {
        ErrorReport(messages, title, RuntimeError(error::kInvalidProcedureCall), form);
    }
    return false;
}

}  // namespace shared
