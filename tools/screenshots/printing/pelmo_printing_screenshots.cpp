// Prints pelmo charts of the sample library into PDF files through a real printer
// object, renders every page to PNG with pdftoppm, and saves the clipboard pictures of
// the same windows, for a person to look at:
//   pelmo-printing-screenshots OUTPUT_FOLDER [LIBRARY_FOLDER]
#include "pelmo/charts/chart_window_geometry.h"
#include "pelmo/charts/chart_window_model.h"
#include "pelmo/printing/qt/chart_output.h"
#include "sample_charts.h"
#include "tools/screenshots/output_folder.h"

#include "shared/canvas/qt/painter_canvas.h"
#include "shared/canvas/qt/qt_pixel_image.h"
#include "shared/dialogs/twips.h"
#include "shared/platform/qt/qt_printer.h"
#include "shared/platform/testing/fake_services.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QWidget>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

using pelmo::ChartKind;
using pelmo::ProductKind;

constexpr double kScreenDpi = 96.0;
// Legend frames stacked beside the picture: 580 twips apart, the label 240 below the
// frame's top edge (under the frame caption "No.k").
constexpr int kFrameTop = 100;
constexpr int kFramePitch = 580;
constexpr int kLabelTop = 240;
constexpr int kRectangularFrameWidth = 4300;

// Prints one window into pdfPath and renders its page to pngPath.
bool PrintToPng(QWidget& mainWindow, pelmo::testing::SampleCharts& charts, ChartKind kind,
                const QString& pdfPath, const QString& pngPath, bool blackOnly) {
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(pdfPath);
    // An office printer's resolution: pen widths are printer pixels, so the black-only
    // widths 12 ... 1 show as they would on paper.
    device.setResolution(600);
    device.setPageSize(QPageSize(QPageSize::Letter));
    device.setColorMode(blackOnly ? QPrinter::GrayScale : QPrinter::Color);
    shared::QtPrinter printer(device);
    // Nobody attends the run: the fake messages answer the print question OK.
    shared::FakeServices fake;
    pelmo::PrintChartWindow(&mainWindow, charts.Caption(kind), charts.Window(kind), charts.Context(),
                            charts.Legend(kind), fake.services.WithPrinter(printer));
    for (const shared::RecordedMessage& message : fake.messages.Shown())
        std::printf("  message: %s\n", message.text.c_str());
    if (fake.messages.Shown().size() != 1) return false;
    QString prefix = pngPath;
    prefix.chop(4);
    return QProcess::execute(QStringLiteral("pdftoppm"),
                             {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("110"),
                              QStringLiteral("-singlefile"), pdfPath, prefix}) == 0;
}

// The window's picture drawn again from its trace copy, then the clipboard command.
bool CopyToPng(pelmo::testing::SampleCharts& charts, ChartKind kind, const QString& pngPath) {
    const pelmo::ChartWindowGeometry geometry = pelmo::NewChartWindowGeometry(kind, 1);
    const bool smith = kind == ChartKind::Smith;
    const double width = smith ? geometry.PictureWidth : pelmo::kRectangularPictureWidth;
    const double height = smith ? geometry.PictureHeight : pelmo::kRectangularPictureHeight;
    shared::PainterCanvas picture(shared::TwipsToPixels(width, kScreenDpi),
                                  shared::TwipsToPixels(height, kScreenDpi), kScreenDpi);
    charts.Window(kind).Draw(picture, false, charts.Context(), {});
    std::vector<pelmo::LegendRow> legend;
    const std::vector<std::string>& captions = charts.Legend(kind);
    for (std::size_t k = 0; k < captions.size(); ++k) {
        const int left = static_cast<int>(width + geometry.LegendGap);
        const int top = kFrameTop + kFramePitch * static_cast<int>(k) + kLabelTop;
        legend.push_back({captions[k], pelmo::LegendFrameColor(kind, static_cast<int>(k)), left, top});
    }
    // The fake clipboard keeps the picture for saving.
    shared::FakeServices fake;
    const int frameWidth = static_cast<int>(geometry.FrameWidth.value_or(kRectangularFrameWidth));
    pelmo::CopyChartToClipboard(picture.GrabPixels({0, 0, picture.PixelWidth(), picture.PixelHeight()}),
                                static_cast<int>(width), static_cast<int>(height), frameWidth, smith, legend,
                                fake.services, {}, kScreenDpi);
    const auto& copied = fake.clipboard.Picture();
    return copied.has_value() && shared::ToQImage(*copied).save(pngPath);
}

bool Report(bool ok, const QString& path) {
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::optional<QDir> outputFolder = OutputFolder(argc, argv, "pelmo-printing-screenshots");
    if (!outputFolder) {
        return 2;
    }
    const QDir& folder = *outputFolder;
    const std::string libraryFolder = argc > 2 ? argv[2] : PELMO_SAMPLE_LIBRARY_FOLDER;
    try {
        pelmo::testing::SampleCharts charts(libraryFolder);
        const int modelled = charts.Capacitor(true);
        const int plain =
            charts.Capacitor(false, 3) >= 0 ? charts.Capacitor(false, 3) : charts.Capacitor(false);
        const int coil = charts.Inductor(false);
        const int noted = charts.Inductor(true);
        if (modelled < 0 || plain < 0 || coil < 0 || noted < 0) {
            std::fprintf(stderr, "the sample library lacks a part the pages need (%d %d %d %d)\n", modelled,
                         plain, coil, noted);
            return 1;
        }
        bool requested = charts.Request(ChartKind::Magnitude, ProductKind::Capacitor, modelled, "S11",
                                        "Series", 85.0F, 2.0F);
        requested &= charts.Request(ChartKind::Magnitude, ProductKind::Capacitor, plain, "S21", "Shunt");
        requested &= charts.Request(ChartKind::Magnitude, ProductKind::Inductor, coil, "S21", "Series");
        requested &= charts.Request(ChartKind::Magnitude, ProductKind::Inductor, noted, "S11", "Series");
        requested &= charts.Request(ChartKind::ImpedanceAndEsr, ProductKind::Capacitor, modelled, "",
                                    "Series", -25.0F, 1.0F);
        requested &= charts.Request(ChartKind::ImpedanceAndEsr, ProductKind::Inductor, coil);
        requested &=
            charts.Request(ChartKind::Smith, ProductKind::Capacitor, modelled, "S11", "Series", 85.0F, 2.0F);
        if (!requested) {
            std::fprintf(stderr, "a chart request was refused\n");
            return 1;
        }
        QWidget mainWindow;
        bool ok = true;
        struct Page {
            ChartKind kind;
            const char* name;
            bool blackOnly;
        };
        for (const Page& page :
             {Page{ChartKind::Magnitude, "pelmo-print-magnitude", false},
              Page{ChartKind::ImpedanceAndEsr, "pelmo-print-impedance-esr-black-only", true},
              Page{ChartKind::Smith, "pelmo-print-smith", false}}) {
            const QString pdf = folder.filePath(QString::fromLatin1(page.name) + QStringLiteral(".pdf"));
            const QString png = folder.filePath(QString::fromLatin1(page.name) + QStringLiteral(".png"));
            ok &= Report(PrintToPng(mainWindow, charts, page.kind, pdf, png, page.blackOnly), png);
            QFile::remove(pdf);
        }
        for (const auto& [kind, name] : {std::pair{ChartKind::Magnitude, "pelmo-clipboard-magnitude"},
                                         std::pair{ChartKind::Smith, "pelmo-clipboard-smith"}}) {
            const QString png = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
            ok &= Report(CopyToPng(charts, kind, png), png);
        }
        return ok ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pelmo-printing-screenshots: %s\n", error.what());
        return 1;
    }
}
