#ifndef SHARED_PLATFORM_CLS_COMDLG_H
#define SHARED_PLATFORM_CLS_COMDLG_H

#include "shared/platform/common_dialog_backend.h"

#include <cstdint>
#include <string>

namespace shared {

// Error numbers and texts the dialog object raises; callers of both programs test the
// numbers (65535 ends a save command silently).
namespace comdlg_error {
inline constexpr int kCancel = 65535;
inline constexpr int kNotSupported = 9999;  // also "no printer"
inline constexpr int kPrinterNotOpened = 2001;
inline constexpr const char* kDialogSource = "COMDLG32.DLL";
inline constexpr const char* kClassSource = "clsCOMDLG";
inline constexpr const char* kCancelText = "Cancel button is clicked.";
inline constexpr const char* kNotSupportedText = "This action is not supported.";
inline constexpr const char* kNoPrinterText = "There is no printer in this system.";
}  // namespace comdlg_error

// Whether this program's copy of the dialog object carries ShowHelp (darvo's does,
// pelmo's raises "not supported" for it).
enum class HelpSupport { Absent, Present };

// The one object through which both programs reach the standard dialogs. A caller
// creates a fresh object for one command, sets properties, calls one Show method and
// reads the results back from the properties. Cancel and failures come back as
// RuntimeError with fixed numbers, sources and texts.
//
// Text properties hold what the caller set and read back up to the first NUL, as the
// classic fixed buffers did. The desktop backend has no 1024-byte name limit, so
// MaxFileSize is kept and checked for range but does not cut long paths.
class clsComdlg {
public:
    clsComdlg(CommonDialogBackend& backend, std::string programTitle, HelpSupport help = HelpSupport::Absent);
    clsComdlg(const clsComdlg&) = delete;
    clsComdlg& operator=(const clsComdlg&) = delete;

    // "|"-separated description/pattern pairs; reads back exactly as set.
    std::string Filter() const;
    void SetFilter(const std::string& filter);
    std::int32_t FilterIndex() const noexcept { return filterIndex_; }
    void SetFilterIndex(std::int32_t index) noexcept { filterIndex_ = index; }
    std::string InitDir() const;
    void SetInitDir(const std::string& folder) { initDir_ = folder; }
    // In: the proposed name. Out, after OK: the chosen full path.
    std::string FileName() const;
    void SetFileName(const std::string& name) { fileName_ = name; }
    // Out, after OK: the chosen name without its folder.
    std::string FileTitle() const;
    void SetFileTitle(const std::string& title) { fileTitle_ = title; }
    std::string DialogTitle() const;
    void SetDialogTitle(const std::string& title) { dialogTitle_ = title; }
    // Passed unchanged to whichever dialog is shown; the print dialog writes it back.
    std::int32_t Flags() const noexcept { return flags_; }
    void SetFlags(std::int32_t flags) noexcept { flags_ = flags; }
    // A 16-bit value: numbers outside -32768..32767 raise error 6 (Overflow).
    std::int32_t MaxFileSize() const noexcept { return maxFileSize_; }
    void SetMaxFileSize(std::int32_t size);
    std::string DefaultExt() const;
    void SetDefaultExt(const std::string& extension) { defaultExt_ = extension; }
    // True: Cancel raises 65535. False: Cancel returns silently, properties unchanged.
    bool CancelError() const noexcept { return cancelError_; }
    void SetCancelError(bool raise) noexcept { cancelError_ = raise; }
    // Kept for callers that set it; the desktop backend owns dialogs by the window it
    // was built with, since a window handle means nothing to it.
    std::uintptr_t hWndOwner() const noexcept { return hWndOwner_; }
    void SethWndOwner(std::uintptr_t owner) noexcept { hWndOwner_ = owner; }
    std::int32_t hdc() const noexcept { return hdc_; }

    // The print dialog's count unless it is 1, then the printer settings' count.
    std::int32_t Copies() const noexcept;
    void SetCopies(std::int32_t copies);
    std::int32_t FromPage() const noexcept { return fromPage_; }
    void SetFromPage(std::int32_t page);
    std::int32_t ToPage() const noexcept { return toPage_; }
    void SetToPage(std::int32_t page);
    std::int32_t Min() const noexcept { return min_; }
    // Also sets FromPage.
    void SetMin(std::int32_t page);
    std::int32_t Max() const noexcept { return max_; }
    // Also sets ToPage.
    void SetMax(std::int32_t page);
    // True: OK in the print dialog makes the choice the program's printer.
    bool PrinterDefault() const noexcept { return printerDefault_; }
    void SetPrinterDefault(bool makeDefault) noexcept { printerDefault_ = makeDefault; }

    std::string FontName() const;
    void SetFontName(const std::string& name) { font_.name = name; }
    float FontSize() const noexcept;
    // Stored as whole tenths of a point, rounded half to even.
    void SetFontSize(float points);
    bool FontBold() const noexcept { return font_.weight >= 700; }
    void SetFontBold(bool bold) noexcept { font_.weight = bold ? 700 : 400; }
    bool FontItalic() const noexcept { return font_.italic; }
    void SetFontItalic(bool italic) noexcept { font_.italic = italic; }
    bool FontUnderline() const noexcept { return font_.underline; }
    void SetFontUnderline(bool underline) noexcept { font_.underline = underline; }
    bool FontStrikethru() const noexcept { return font_.strikethru; }
    void SetFontStrikethru(bool strikethru) noexcept { font_.strikethru = strikethru; }

    std::int32_t HelpCommand() const noexcept { return helpCommand_; }
    void SetHelpCommand(std::int32_t command) noexcept { helpCommand_ = command; }
    std::int32_t HelpContext() const noexcept { return helpContext_; }
    void SetHelpContext(std::int32_t context) noexcept { helpContext_ = context; }
    std::string HelpFile() const;
    void SetHelpFile(const std::string& file) { helpFile_ = file; }
    std::string HelpKey() const;
    void SetHelpKey(const std::string& key) { helpKey_ = key; }

    std::int32_t Color() const noexcept { return color_; }
    void SetColor(std::int32_t color) noexcept { color_ = color; }
    // The colour dialog's sixteen custom colours, index 0 to 15.
    std::int32_t CustomColor(int index) const;

    void ShowOpen();
    void ShowSave();
    void ShowColor();
    void ShowFont();
    // Raises 9999 (source: the program title) before any dialog when the system has
    // no printer, 2001 when the program's printer cannot be opened.
    void ShowPrinter();
    // Raises 9999 "not supported" in a copy built without help support.
    void ShowHelp();
    // Runs Show method number 1 (Open) to 6 (Help); any other value raises 9999.
    void SetAction(std::int32_t action);

private:
    void ShowFileDialog(bool save);
    // Raises Cancel (when CancelError) or the dialog's failure; true after OK.
    bool CheckResult(const DialogStatus& status) const;
    [[noreturn]] static void RaiseNotSupported();

    CommonDialogBackend& backend_;
    std::string programTitle_;
    HelpSupport help_;

    std::string filter_;  // NUL-separated, ending in two NULs (empty until set)
    std::int32_t filterIndex_ = 0;
    std::string initDir_;
    std::string fileName_;
    std::string fileTitle_;
    std::string dialogTitle_;
    std::int32_t flags_ = 0;
    std::int32_t maxFileSize_ = 1024;
    std::string defaultExt_;
    bool cancelError_ = true;
    std::uintptr_t hWndOwner_ = 0;  // 0: the desktop
    std::int32_t hdc_ = 0;

    std::int32_t dialogCopies_ = 0;    // the print dialog record's count
    std::int32_t settingsCopies_ = 0;  // the printer settings' count
    std::int32_t fromPage_ = 0;
    std::int32_t toPage_ = 0;
    std::int32_t min_ = 0;
    std::int32_t max_ = 0;
    bool printerDefault_ = true;

    FontChoice font_;
    std::int32_t helpCommand_ = 0;
    std::int32_t helpContext_ = 0;
    std::string helpFile_;
    std::string helpKey_;
    std::int32_t color_ = 0;
    CustomColors customColors_;
};

}  // namespace shared

#endif
