#ifndef SHARED_PLATFORM_COMMON_DIALOG_BACKEND_H
#define SHARED_PLATFORM_COMMON_DIALOG_BACKEND_H

#include <array>
#include <cstdint>
#include <string>

namespace shared {

// What a platform dialog answers: 1 after OK, 0 after Cancel (or a failure the
// platform does not tell apart from Cancel), any other value for a failure, with the
// platform's extended error code.
struct DialogStatus {
    std::int32_t returned = 0;
    std::int32_t extendedError = 0;

    static DialogStatus Ok() { return {1, 0}; }
    static DialogStatus Cancel() { return {0, 0}; }
};

// Option bits of the open and save dialogs that the desktop backend honours; the others
// are passed through and ignored there.
namespace file_dialog_flag {
inline constexpr std::int32_t kReadOnly = 0x1;
inline constexpr std::int32_t kOverwritePrompt = 0x2;
inline constexpr std::int32_t kHideReadOnly = 0x4;
inline constexpr std::int32_t kPathMustExist = 0x800;
inline constexpr std::int32_t kFileMustExist = 0x1000;
}  // namespace file_dialog_flag

struct FileDialogRequest {
    bool save = false;
    std::string filter;            // "|"-separated description/pattern pairs, as the caller set it
    std::int32_t filterIndex = 0;  // 1-based; 0 or out of range: the first pair
    std::string initDir;
    std::string fileName;     // proposed name (may be a full path)
    std::string dialogTitle;  // empty: the platform's own title
    std::int32_t flags = 0;
    std::string defaultExt;
};

struct FileDialogAnswer {
    DialogStatus status;
    std::string fileName;   // full path of the choice
    std::string fileTitle;  // the chosen name without its folder
};

// Colours are the classic RGB value: red in the low byte, then green, then blue.
using CustomColors = std::array<std::int32_t, 16>;

struct ColorDialogRequest {
    std::int32_t color = 0;
    CustomColors customColors{};
    std::int32_t flags = 0;
};

struct ColorDialogAnswer {
    DialogStatus status;
    std::int32_t color = 0;
    CustomColors customColors{};
};

struct FontChoice {
    std::string name;
    std::int32_t sizeTenths = 0;  // point size in whole tenths of a point
    std::int32_t weight = 400;    // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
};

struct FontDialogRequest {
    FontChoice font;
    std::int32_t flags = 0;
};

struct FontDialogAnswer {
    DialogStatus status;
    FontChoice font;
};

// The program's printer as the print dialog finds it.
enum class PrinterState {
    None,         // the system has no printer at all
    Unavailable,  // the program's printer cannot be opened
    Ready
};

struct PrintDialogRequest {
    std::int32_t flags = 0;
    std::int32_t copies = 0;
    std::int32_t fromPage = 0;
    std::int32_t toPage = 0;
    std::int32_t minPage = 0;
    std::int32_t maxPage = 0;
    // True: an OK makes the choice the program's printer for the rest of the session.
    bool printerDefault = true;
};

struct PrintDialogAnswer {
    DialogStatus status;
    std::int32_t flags = 0;
    std::int32_t copies = 0;
    std::int32_t fromPage = 0;
    std::int32_t toPage = 0;
    std::int32_t hdc = 0;  // no device context on platforms without one
};

struct HelpRequest {
    std::string helpFile;
    std::int32_t command = 0;
    std::int32_t context = 0;  // HelpContext, or 0 for commands that carry no data
    std::string key;           // HelpKey for the keyword commands, else empty
};

// The platform side of clsComdlg: shows one dialog per call, modal, and answers. It
// holds no state of the dialog object; clsComdlg keeps the properties and decides what
// is raised. Implementations: the desktop dialogs and a scripted one for tests.
class CommonDialogBackend {
public:
    virtual ~CommonDialogBackend() = default;

    virtual FileDialogAnswer ShowFileDialog(const FileDialogRequest& request) = 0;
    virtual ColorDialogAnswer ShowColorDialog(const ColorDialogRequest& request) = 0;
    virtual FontDialogAnswer ShowFontDialog(const FontDialogRequest& request) = 0;
    // Asked before the print dialog: without a printer there is no dialog to show.
    virtual PrinterState ProgramPrinterState() = 0;
    virtual PrintDialogAnswer ShowPrintDialog(const PrintDialogRequest& request) = 0;
    virtual DialogStatus ShowHelp(const HelpRequest& request) = 0;
    // The system font, the initial font of every new dialog object.
    virtual FontChoice SystemFont() = 0;
};

}  // namespace shared

#endif
