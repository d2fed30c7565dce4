#include "darvo/printing/qt/chart_output.h"

#include "darvo/charts/chart_window_model.h"

#include "shared/canvas/page_canvas.h"
#include "shared/canvas/qt/painter_canvas.h"
#include "shared/dialogs/frm_printing.h"
#include "shared/dialogs/twips.h"
#include "shared/platform/clipboard.h"
#include "shared/platform/cls_comdlg.h"
#include "shared/platform/messages.h"
#include "shared/platform/print_job.h"
#include "shared/platform/services.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstdint>
#include <exception>

namespace darvo {

namespace {

// No selection, no page numbers, copies from the printer settings, no print-to-file box.
constexpr std::int32_t kPageSetupFlags = 0x14000C;

double ScreenDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace

void PageSetup(const shared::Services& services) {
    try {
        shared::clsComdlg dialog(services.Dialogs, kChartOutputReportTitle, shared::HelpSupport::Present);
        dialog.SetFlags(kPageSetupFlags);
        dialog.SetPrinterDefault(true);
        dialog.ShowPrinter();
    } catch (const std::exception&) {
        // The user either chose a printer or did not; either way nothing is printed yet,
        // so a refused or cancelled dialog needs no message.
    }
}

bool PrintChartWindow(QWidget* mainWindow, const ChartPrintRequest& request, const ChartPageFacts& facts,
                      const shared::Services& services) {
    if (services.Messages.Show(ChartPrintQuestionText(request.Caption), shared::MessageIcon::Question,
                               kChartPrintTitle,
                               shared::MessageButtons::OkCancel) != shared::MessageAnswer::Ok) {
        return false;
    }
    shared::frmPrinting notice(mainWindow);
    notice.ShowNow();
    return shared::RunPrintJob(
        services.Printer, shared::PageOrientation::Landscape,
        [&](shared::PageCanvas& page) {
            PrintChart(page, request.Caption, request.Identity, request.DrawBody, facts);
        },
        [&notice] { notice.close(); }, services.Messages, kChartOutputReportTitle);
}

bool PrintChartWindow(QWidget* mainWindow, const ChartIdentity& identity, const AxisRange& range,
                      ChartTable& table, const ProductLibrary& library, const std::string& degreeSign,
                      char separator, const shared::Services& services) {
    const ChartPrintRequest request{ChartCaption(identity), identity,
                                    PrintedChartDrawing(table, identity, range, degreeSign, separator)};
    return PrintChartWindow(mainWindow, request, {table, library, degreeSign, separator}, services);
}

void CopyChartToClipboard(const shared::PixelImage& chartPicture, const std::vector<LegendEntry>& legend,
                          const shared::Services& services, double dotsPerInch) {
    const double dpi = dotsPerInch > 0.0 ? dotsPerInch : ScreenDotsPerInch();
    // The chart part is the picture's own size converted from twips to pixels.
    const shared::PixelImage chart = chartPicture.Crop(
        {0, 0, shared::TwipsToPixels(kPictureWidth, dpi), shared::TwipsToPixels(kPictureHeight, dpi)});
    shared::PainterCanvas picClipboard(std::max(1, shared::TwipsToPixels(ClipboardPictureWidthTwips(), dpi)),
                                       std::max(1, shared::TwipsToPixels(ClipboardPictureHeightTwips(), dpi)),
                                       dpi);
    DrawClipboardPicture(picClipboard, chart, legend);
    services.Clipboard.Clear();
    services.Clipboard.SetPicture(
        picClipboard.GrabPixels({0, 0, picClipboard.PixelWidth(), picClipboard.PixelHeight()}));
}

}  // namespace darvo
