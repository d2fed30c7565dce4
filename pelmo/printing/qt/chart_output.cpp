#include "pelmo/printing/qt/chart_output.h"

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
#include "shared/platform/print_job.h"
#include "shared/platform/printer.h"
#include "shared/platform/services.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <exception>
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

}  // namespace

void PageSetup(const shared::Services& services) {
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
                      const shared::Services& services) {
    const std::string chartName = PrintChartName(caption);
    if (services.Messages.Show(PrintQuestionText(chartName), shared::MessageIcon::Question, kProductTitle,
                               shared::MessageButtons::OkCancel) != shared::MessageAnswer::Ok)
        return;

    shared::frmPrinting notice(mainWindow);
    notice.ShowNow();
    shared::RunPrintJob(
        services.Printer, shared::PageOrientation::Landscape,
        [&](shared::PageCanvas& page) {
            page.SetScaleMode(shared::ScaleMode::Twips);
            page.SetDrawStyle(shared::LineStyle::Solid);
            page.SetFontSize(kPrintFontSize);
            page.SetFontName(kPrintFontName);
            PrintChart(page, model, context, legendCaptions);
        },
        [&notice] { notice.close(); }, services.Messages, kProgramTitle);
}

void CopyChartToClipboard(const shared::PixelImage& chartPicture, int chartWidthTwips, int chartHeightTwips,
                          int legendFrameWidthTwips, bool smith, const std::vector<LegendRow>& legend,
                          const shared::Services& services, const shared::FontSpec& legendFont,
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
