#include "pelmo/printing/qt/chart_output.h"

#include "pelmo/app/program_services.h"
#include "pelmo/charts/chart_window_model.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/printing/chart_page.h"

#include "shared/canvas/page_canvas.h"
#include "shared/canvas/qt/painter_canvas.h"
#include "shared/dialogs/frm_printing.h"
#include "shared/dialogs/twips.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/clipboard.h"
#include "shared/platform/cls_comdlg.h"
#include "shared/platform/error_report.h"
#include "shared/platform/messages.h"
#include "shared/platform/printer.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <exception>
#include <optional>
#include <string>

namespace pelmo {

namespace {

// No selection, no page numbers, copies from the printer settings, no print-to-file box.
constexpr std::int32_t kPageSetupFlags = 0x14000C;
constexpr double kPrintFontSize = 9.0;
constexpr const char* kPrintFontName = "Arial";

double ScreenDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

// What a print job changes on the printer and puts back on every path out of it.
struct RememberedPrinterState {
    shared::PageOrientation Orientation = shared::PageOrientation::Portrait;
    shared::PageCanvas* Page = nullptr;  // set once the document has begun
    double FontSize = 0.0;
    std::string FontName;
};

// Puts the font back and leaves the page in twips with a thin solid pen, as a completed
// job leaves it, also when the job broke off inside the chart's own scale.
void RestorePage(RememberedPrinterState& state) noexcept {
    if (state.Page == nullptr) return;
    try {
        state.Page->SetFontSize(state.FontSize);
        state.Page->SetFontName(state.FontName);
        state.Page->SetScaleMode(shared::ScaleMode::Twips);
        state.Page->SetDrawWidth(1);
        state.Page->SetDrawStyle(shared::LineStyle::Solid);
    } catch (...) {
        // Only the printer's own state is lost; the job outcome is reported elsewhere.
    }
    state.Page = nullptr;
}

void RestoreOrientation(shared::Printer& printer, shared::PageOrientation orientation) noexcept {
    try {
        printer.SetOrientation(orientation);
    } catch (...) {
        // The next job sets its own orientation; nothing else depends on this one.
    }
}

}  // namespace

void PageSetup(const ProgramServices& services) {
    try {
        shared::clsComdlg dialog(services.Dialogs, kProgramTitle);
        dialog.SetFlags(kPageSetupFlags);
        dialog.SetPrinterDefault(true);
        dialog.ShowPrinter();
    } catch (const shared::RuntimeError& failure) {
        if (failure.Number() == shared::comdlg_error::kCancel) return;
        shared::ErrorReport(services.Messages, kProgramTitle, failure,
                            shared::ErrorNumberForm::TrailingBlank);
    } catch (const std::exception& failure) {
        shared::ErrorReport(services.Messages, kProgramTitle, failure,
                            shared::ErrorNumberForm::TrailingBlank);
    }
}

void PrintChartWindow(QWidget* mainWindow, const std::string& caption, ChartWindowModel& model,
                      ChartContext& context, const std::vector<std::string>& legendCaptions,
                      const ProgramServices& services) {
    const std::string chartName = PrintChartName(caption);
    if (services.Messages.Show(PrintQuestionText(chartName), shared::MessageIcon::Question, kProductTitle,
                               shared::MessageButtons::OkCancel) != shared::MessageAnswer::Ok)
        return;

    shared::Printer& printer = services.Printer;
    RememberedPrinterState state;
    state.Orientation = printer.Orientation();
    shared::frmPrinting notice(mainWindow);
    notice.ShowNow();
    std::optional<shared::RuntimeError> failure;
    try {
        printer.SetOrientation(shared::PageOrientation::Landscape);
        shared::PageCanvas& page = printer.BeginDocument();
        state.Page = &page;
        state.FontSize = page.FontSize();
        state.FontName = page.FontName();
        page.SetScaleMode(shared::ScaleMode::Twips);
        page.SetDrawStyle(shared::LineStyle::Solid);
        page.SetFontSize(kPrintFontSize);
        page.SetFontName(kPrintFontName);
        PrintChart(page, model, context, legendCaptions);
        RestorePage(state);
        printer.EndDocument();
    } catch (const std::exception& error) {
        failure = shared::AsRuntimeError(error);
    } catch (...) {
        failure = shared::RuntimeError(shared::error::kInvalidProcedureCall);
    }
    if (failure) {
        // Nothing of a failed job may reach the printer later as if it had worked.
        RestorePage(state);
        printer.AbortDocument();
    }
    RestoreOrientation(printer, state.Orientation);
    notice.close();
    if (failure)
        shared::ErrorReport(services.Messages, kProgramTitle, *failure,
                            shared::ErrorNumberForm::TrailingBlank);
}

void CopyChartToClipboard(const shared::PixelImage& chartPicture, int chartWidthTwips, int chartHeightTwips,
                          int legendFrameWidthTwips, bool smith, const std::vector<LegendRow>& legend,
                          const ProgramServices& services, const shared::FontSpec& legendFont,
                          double dotsPerInch) {
    const double dpi = dotsPerInch > 0.0 ? dotsPerInch : ScreenDotsPerInch();
    ClipboardPictureSource source;
    // The chart part is the picture's own size in pixels, converted from its twips.
    const int chartPixelWidth = shared::TwipsToPixels(chartWidthTwips, dpi);
    const int chartPixelHeight = shared::TwipsToPixels(chartHeightTwips, dpi);
    source.ChartPicture = chartPicture.Crop({0, 0, chartPixelWidth, chartPixelHeight});
    source.ChartWidthTwips = chartWidthTwips;
    source.ChartHeightTwips = chartHeightTwips;
    source.LegendFrameWidthTwips = legendFrameWidthTwips;
    source.Smith = smith;
    source.Legend = legend;
    source.LegendFont = legendFont;
    shared::PainterCanvas picClipboard(
        std::max(1, shared::TwipsToPixels(ClipboardPictureWidthTwips(source), dpi)),
        std::max(1, chartPixelHeight), dpi);
    DrawClipboardPicture(picClipboard, source);
    services.Clipboard.Clear();
    services.Clipboard.SetPicture(
        picClipboard.GrabPixels({0, 0, picClipboard.PixelWidth(), picClipboard.PixelHeight()}));
}

}  // namespace pelmo
