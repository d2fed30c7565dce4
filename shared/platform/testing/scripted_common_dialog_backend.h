#ifndef SHARED_PLATFORM_SCRIPTED_COMMON_DIALOG_BACKEND_H
#define SHARED_PLATFORM_SCRIPTED_COMMON_DIALOG_BACKEND_H

#include "shared/platform/common_dialog_backend.h"

#include <deque>
#include <string>
#include <vector>

namespace shared {

// Dialogs for tests: every request is recorded, every answer comes from a script, in
// order. A dialog without a scripted answer is cancelled, so a test that forgot to
// script one sees the Cancel path rather than an invented file.
class ScriptedCommonDialogBackend : public CommonDialogBackend {
public:
    // The user chooses this full path; the title is its last component.
    void QueueFile(const std::string& path);
    void QueueFileCancel();
    // A failing dialog: returned is neither 0 nor 1.
    void QueueFileFailure(std::int32_t returned, std::int32_t extendedError);
    void QueueColor(const ColorDialogAnswer& answer) { colorAnswers_.push_back(answer); }
    void QueueFont(const FontDialogAnswer& answer) { fontAnswers_.push_back(answer); }
    void QueuePrint(const PrintDialogAnswer& answer) { printAnswers_.push_back(answer); }
    void QueueHelp(const DialogStatus& status) { helpAnswers_.push_back(status); }
    void SetPrinterState(PrinterState state) noexcept { printerState_ = state; }
    void SetSystemFont(const FontChoice& font) { systemFont_ = font; }

    FileDialogAnswer ShowFileDialog(const FileDialogRequest& request) override;
    ColorDialogAnswer ShowColorDialog(const ColorDialogRequest& request) override;
    FontDialogAnswer ShowFontDialog(const FontDialogRequest& request) override;
    PrinterState ProgramPrinterState() override { return printerState_; }
    PrintDialogAnswer ShowPrintDialog(const PrintDialogRequest& request) override;
    DialogStatus ShowHelp(const HelpRequest& request) override;
    FontChoice SystemFont() override { return systemFont_; }

    const std::vector<FileDialogRequest>& FileRequests() const noexcept { return fileRequests_; }
    const std::vector<ColorDialogRequest>& ColorRequests() const noexcept { return colorRequests_; }
    const std::vector<FontDialogRequest>& FontRequests() const noexcept { return fontRequests_; }
    const std::vector<PrintDialogRequest>& PrintRequests() const noexcept { return printRequests_; }
    const std::vector<HelpRequest>& HelpRequests() const noexcept { return helpRequests_; }
    // Every dialog shown, of any kind.
    int DialogsShown() const noexcept;

private:
    std::deque<FileDialogAnswer> fileAnswers_;
    std::deque<ColorDialogAnswer> colorAnswers_;
    std::deque<FontDialogAnswer> fontAnswers_;
    std::deque<PrintDialogAnswer> printAnswers_;
    std::deque<DialogStatus> helpAnswers_;
    std::vector<FileDialogRequest> fileRequests_;
    std::vector<ColorDialogRequest> colorRequests_;
    std::vector<FontDialogRequest> fontRequests_;
    std::vector<PrintDialogRequest> printRequests_;
    std::vector<HelpRequest> helpRequests_;
    PrinterState printerState_ = PrinterState::Ready;
    FontChoice systemFont_{"Sans Serif", 90, 400, false, false, false};
};

}  // namespace shared

#endif
