#include "shared/platform/testing/scripted_common_dialog_backend.h"

namespace shared {

namespace {

template <typename Answer>
Answer TakeOrCancel(std::deque<Answer>& answers) {
    if (answers.empty()) {
        Answer cancelled{};
        cancelled.status = DialogStatus::Cancel();
        return cancelled;
    }
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace

void ScriptedCommonDialogBackend::QueueFile(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    const std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
    fileAnswers_.push_back({DialogStatus::Ok(), path, title});
}

void ScriptedCommonDialogBackend::QueueFileCancel() {
    fileAnswers_.push_back({DialogStatus::Cancel(), {}, {}});
}

void ScriptedCommonDialogBackend::QueueFileFailure(std::int32_t returned, std::int32_t extendedError) {
    fileAnswers_.push_back({DialogStatus{returned, extendedError}, {}, {}});
}

FileDialogAnswer ScriptedCommonDialogBackend::ShowFileDialog(const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    return TakeOrCancel(fileAnswers_);
}

ColorDialogAnswer ScriptedCommonDialogBackend::ShowColorDialog(const ColorDialogRequest& request) {
    colorRequests_.push_back(request);
    return TakeOrCancel(colorAnswers_);
}

FontDialogAnswer ScriptedCommonDialogBackend::ShowFontDialog(const FontDialogRequest& request) {
    fontRequests_.push_back(request);
    return TakeOrCancel(fontAnswers_);
}

PrintDialogAnswer ScriptedCommonDialogBackend::ShowPrintDialog(const PrintDialogRequest& request) {
    printRequests_.push_back(request);
    return TakeOrCancel(printAnswers_);
}

DialogStatus ScriptedCommonDialogBackend::ShowHelp(const HelpRequest& request) {
    helpRequests_.push_back(request);
    if (helpAnswers_.empty()) {
        return DialogStatus::Ok();
    }
    const DialogStatus status = helpAnswers_.front();
    helpAnswers_.pop_front();
    return status;
}

int ScriptedCommonDialogBackend::DialogsShown() const noexcept {
    return static_cast<int>(fileRequests_.size() + colorRequests_.size() + fontRequests_.size() +
                            printRequests_.size() + helpRequests_.size());
}

}  // namespace shared
