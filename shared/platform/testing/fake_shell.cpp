#include "shared/platform/testing/fake_shell.h"

#include "shared/errors/runtime_error.h"

namespace shared {

void FakeShell::OpenUrl(const std::string& url) {
    ThrowIfFailing();
    urls_.push_back(url);
}

void FakeShell::OpenDocument(const std::string& path) {
    ThrowIfFailing();
    documents_.push_back(path);
}

void FakeShell::ThrowIfFailing() const {
    if (failure_) {
        throw RuntimeError(error::kInvalidProcedureCall, "Shell", *failure_);
    }
}

}  // namespace shared
