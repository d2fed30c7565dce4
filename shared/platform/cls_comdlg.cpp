#include "shared/platform/cls_comdlg.h"

#include "shared/errors/runtime_error.h"

#include <cmath>
#include <limits>
#include <utility>

namespace shared {

namespace {

// The classic properties kept their texts in fixed buffers; what follows a NUL was
// never part of the value.
std::string UpToNul(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

// The 16-bit properties: a value that does not fit is an overflow, never a silent cut.
std::int32_t Checked16(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(error::kOverflow, comdlg_error::kClassSource);
    }
    return value;
}

// The sixteen colours of the classic palette in QBColor order, as RGB values (red in
// the low byte).
constexpr CustomColors kPaletteColors{0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                      0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                      0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

}  // namespace

clsComdlg::clsComdlg(CommonDialogBackend& backend, std::string programTitle, HelpSupport help)
    : backend_(backend),
      programTitle_(std::move(programTitle)),
      help_(help),
      font_(backend.SystemFont()),
      customColors_(kPaletteColors) {}

std::string clsComdlg::Filter() const {
    // The stored list ends in two NULs that the caller never typed; an unset filter has
    // nothing to drop.
    if (filter_.size() < 2) {
        return {};
    }
    std::string text = filter_.substr(0, filter_.size() - 2);
    for (char& c : text) {
        if (c == '\0') {
            c = '|';
        }
    }
    return text;
}

void clsComdlg::SetFilter(const std::string& filter) {
    filter_ = filter;
    for (char& c : filter_) {
        if (c == '|') {
            c = '\0';
        }
    }
    filter_.append(2, '\0');
}

std::string clsComdlg::InitDir() const {
    return UpToNul(initDir_);
}
std::string clsComdlg::FileName() const {
    return UpToNul(fileName_);
}
std::string clsComdlg::FileTitle() const {
    return UpToNul(fileTitle_);
}
std::string clsComdlg::DialogTitle() const {
    return UpToNul(dialogTitle_);
}
std::string clsComdlg::DefaultExt() const {
    return UpToNul(defaultExt_);
}
std::string clsComdlg::FontName() const {
    return UpToNul(font_.name);
}
std::string clsComdlg::HelpFile() const {
    return UpToNul(helpFile_);
}
std::string clsComdlg::HelpKey() const {
    return UpToNul(helpKey_);
}

void clsComdlg::SetMaxFileSize(std::int32_t size) {
    maxFileSize_ = Checked16(size);
}

std::int32_t clsComdlg::Copies() const noexcept {
    return dialogCopies_ != 1 ? dialogCopies_ : settingsCopies_;
}

void clsComdlg::SetCopies(std::int32_t copies) {
    dialogCopies_ = Checked16(copies);
    settingsCopies_ = dialogCopies_;
}

void clsComdlg::SetFromPage(std::int32_t page) {
    fromPage_ = Checked16(page);
}
void clsComdlg::SetToPage(std::int32_t page) {
    toPage_ = Checked16(page);
}

void clsComdlg::SetMin(std::int32_t page) {
    min_ = Checked16(page);
    fromPage_ = min_;
}

void clsComdlg::SetMax(std::int32_t page) {
    max_ = Checked16(page);
    toPage_ = max_;
}

float clsComdlg::FontSize() const noexcept {
    return static_cast<float>(font_.sizeTenths) / 10.0f;
}

void clsComdlg::SetFontSize(float points) {
    // nearbyint rounds half to even in the default rounding mode, as the classic
    // integer conversion did.
    const float tenths = std::nearbyint(points * 10.0f);
    if (!std::isfinite(tenths) || tenths < static_cast<float>(std::numeric_limits<std::int32_t>::min()) ||
        tenths >= static_cast<float>(std::numeric_limits<std::int32_t>::max())) {
        throw RuntimeError(error::kOverflow, comdlg_error::kClassSource);
    }
    font_.sizeTenths = static_cast<std::int32_t>(tenths);
}

std::int32_t clsComdlg::CustomColor(int index) const {
    if (index < 0 || index >= static_cast<int>(customColors_.size())) {
        throw RuntimeError(error::kSubscriptOutOfRange, comdlg_error::kClassSource);
    }
    return customColors_[static_cast<std::size_t>(index)];
}

void clsComdlg::ShowOpen() {
    ShowFileDialog(false);
}
void clsComdlg::ShowSave() {
    ShowFileDialog(true);
}

void clsComdlg::ShowFileDialog(bool save) {
    FileDialogRequest request;
    request.save = save;
    request.filter = Filter();
    request.filterIndex = filterIndex_;
    request.initDir = InitDir();
    request.fileName = FileName();
    request.dialogTitle = DialogTitle();
    request.flags = flags_;
    request.defaultExt = DefaultExt();
    const FileDialogAnswer answer = backend_.ShowFileDialog(request);
    if (CheckResult(answer.status)) {
        fileName_ = answer.fileName;
        fileTitle_ = answer.fileTitle;
    }
}

void clsComdlg::ShowColor() {
    const ColorDialogAnswer answer = backend_.ShowColorDialog({color_, customColors_, flags_});
    if (CheckResult(answer.status)) {
        color_ = answer.color;
        customColors_ = answer.customColors;
    }
}

void clsComdlg::ShowFont() {
    const FontDialogAnswer answer = backend_.ShowFontDialog({font_, flags_});
    if (CheckResult(answer.status)) {
        font_ = answer.font;
    }
}

void clsComdlg::ShowPrinter() {
    switch (backend_.ProgramPrinterState()) {
        case PrinterState::None:
            throw RuntimeError(comdlg_error::kNotSupported, programTitle_, comdlg_error::kNoPrinterText);
        case PrinterState::Unavailable:
            throw RuntimeError(comdlg_error::kPrinterNotOpened, comdlg_error::kClassSource);
        case PrinterState::Ready:
            break;
    }
    PrintDialogRequest request;
    request.flags = flags_;
    request.copies = Copies();
    request.fromPage = fromPage_;
    request.toPage = toPage_;
    request.minPage = min_;
    request.maxPage = max_;
    request.printerDefault = printerDefault_;
    const PrintDialogAnswer answer = backend_.ShowPrintDialog(request);
    if (answer.status.returned == 1) {
        flags_ = answer.flags;
        dialogCopies_ = answer.copies;
        settingsCopies_ = answer.copies;
        fromPage_ = answer.fromPage;
        toPage_ = answer.toPage;
        hdc_ = answer.hdc;
    }
    CheckResult(answer.status);
}

void clsComdlg::ShowHelp() {
    if (help_ == HelpSupport::Absent) {
        RaiseNotSupported();
    }
    HelpRequest request;
    request.helpFile = HelpFile();
    request.command = helpCommand_;
    switch (helpCommand_) {
        case 1:
        case 5:
        case 8:
            request.context = helpContext_;
            break;
        case 2:
        case 3:
        case 4:
        case 9:
        case 11:
            break;
        case 257:
        case 258:
        case 261:
            request.key = HelpKey();
            break;
        default:
            return;  // commands the help engine was never asked for
    }
    CheckResult(backend_.ShowHelp(request));
}

void clsComdlg::SetAction(std::int32_t action) {
    switch (action) {
        case 1:
            ShowOpen();
            break;
        case 2:
            ShowSave();
            break;
        case 3:
            ShowColor();
            break;
        case 4:
            ShowFont();
            break;
        case 5:
            ShowPrinter();
            break;
        case 6:
            ShowHelp();
            break;
        default:
            RaiseNotSupported();
    }
}

bool clsComdlg::CheckResult(const DialogStatus& status) const {
    if (status.returned == 1) {
        return true;
    }
    if (status.returned == 0) {
        if (cancelError_) {
            throw RuntimeError(comdlg_error::kCancel, comdlg_error::kDialogSource, comdlg_error::kCancelText);
        }
        return false;
    }
    throw RuntimeError(
        status.extendedError, comdlg_error::kDialogSource,
        "Error raised with common dialog.\r\nError code = (" + std::to_string(status.returned) + ")");
}

void clsComdlg::RaiseNotSupported() {
    throw RuntimeError(comdlg_error::kNotSupported, comdlg_error::kClassSource,
                       comdlg_error::kNotSupportedText);
}

}  // namespace shared
