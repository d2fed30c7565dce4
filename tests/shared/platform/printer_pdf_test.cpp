#include "shared/canvas/qt/painter_canvas.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/qt/qt_printer.h"

#include <QByteArray>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <vector>

namespace shared {
namespace {

// Width and height (points) of every page's media box, in file order.
std::vector<QSizeF> PageSizes(const QByteArray& pdf) {
    std::vector<QSizeF> sizes;
    static const QRegularExpression mediaBox(
        R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])");
    auto matches = mediaBox.globalMatch(QString::fromLatin1(pdf));
    while (matches.hasNext()) {
        const auto m = matches.next();
        sizes.emplace_back(m.captured(3).toDouble() - m.captured(1).toDouble(),
                           m.captured(4).toDouble() - m.captured(2).toDouble());
    }
    return sizes;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

class PdfPrinter : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath("page.pdf");
        device_.setOutputFormat(QPrinter::PdfFormat);
        device_.setOutputFileName(path_);
        device_.setPageSize(QPageSize(QPageSize::A4));
    }

    // The header box and chart frame of a printed chart page, in twips and in a chart
    // scale, as the print commands draw them.
    static void DrawChartPage(PageCanvas& page) {
        page.SetScaleMode(ScaleMode::Twips);
        page.SetFontName("Arial");
        page.SetFontSize(9);
        page.SetDrawWidth(3);
        page.Box(500, 800, 14700, 1100, colors::kBlack);
        page.SetCurrentX(550);
        page.SetCurrentY(850);
        page.Print("Impedance Chart");
        const double width = page.ScaleWidth();
        const double height = page.ScaleHeight();
        page.SetScale(-1800000.0 / 10650, 24900000.0 / 7100, width * 3000 / 10650, -height * 3000 / 7100);
        page.SetDrawWidth(5);
        page.Line(470, 400, 2870, 2800, colors::kBlue);
        page.SetDrawWidth(1);
    }

    QTemporaryDir dir_;
    QString path_;
    QPrinter device_{QPrinter::HighResolution};
};

TEST_F(PdfPrinter, PrintsALandscapePageIntoTheFile) {
    QtPrinter printer(device_);
    ASSERT_TRUE(printer.HasPrinter());
    EXPECT_EQ(printer.DeviceName(), path_.toStdString());
    printer.SetOrientation(PageOrientation::Landscape);
    PageCanvas& page = printer.BeginDocument();
    EXPECT_EQ(page.Orientation(), PageOrientation::Landscape);
    DrawChartPage(page);
    printer.EndDocument();
    EXPECT_FALSE(printer.InDocument());

    const QByteArray pdf = ReadAll(path_);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF written";
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 1000);
    const auto sizes = PageSizes(pdf);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_GT(sizes[0].width(), sizes[0].height()) << "page is not landscape";
}

TEST_F(PdfPrinter, OrientationOnAFreshPageTurnsThatPageAndLaterPages) {
    QtPrinter printer(device_);
    PageCanvas& page = printer.BeginDocument();
    // Nothing drawn yet: the first page still turns.
    page.SetOrientation(PageOrientation::Landscape);
    page.SetScaleMode(ScaleMode::Twips);
    EXPECT_GT(page.ScaleWidth(), page.ScaleHeight());
    DrawChartPage(page);
    page.NewPage();
    page.SetOrientation(PageOrientation::Portrait);
    page.SetScaleMode(ScaleMode::Twips);
    EXPECT_LT(page.ScaleWidth(), page.ScaleHeight());
    DrawChartPage(page);
    page.EndDoc();

    const auto sizes = PageSizes(ReadAll(path_));
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_GT(sizes[0].width(), sizes[0].height());
    EXPECT_LT(sizes[1].width(), sizes[1].height());
}

TEST_F(PdfPrinter, FontsKeepTheirPhysicalSizeAtThePrinterResolution) {
    QtPrinter printer(device_);
    PageCanvas& page = printer.BeginDocument();
    EXPECT_GT(page.DotsPerInch(), 96 * 2);
    PainterCanvas screen(800, 600, 96);
    for (ChartCanvas* canvas : {static_cast<ChartCanvas*>(&page), static_cast<ChartCanvas*>(&screen)}) {
        canvas->SetScaleMode(ScaleMode::Twips);
        canvas->SetFontName("Arial");
        canvas->SetFontSize(9);
    }
    const double printed = page.TextWidth("Orvane Part Number");
    EXPECT_NEAR(printed / screen.TextWidth("Orvane Part Number"), 1.0, 0.1);
    EXPECT_NEAR(page.TextHeight("X") / screen.TextHeight("X"), 1.0, 0.15);
    printer.AbortDocument();
}

TEST_F(PdfPrinter, OverlayDrawingNeverReachesPaper) {
    QtPrinter printer(device_);
    PageCanvas& page = printer.BeginDocument();
    page.BeginOverlay();
    page.FilledCircle(100, 100, 50, colors::kRed, colors::kRed);
    page.Print("marker");
    page.EndOverlay();
    printer.EndDocument();
    EXPECT_FALSE(QFile::exists(path_)) << "the overlay started a print job";
}

TEST_F(PdfPrinter, AbortThrowsTheJobAwayAndTheNextDocumentPrints) {
    QtPrinter printer(device_);
    printer.BeginDocument().Line(0, 0, 1000, 1000, colors::kBlack);
    printer.AbortDocument();
    EXPECT_FALSE(printer.InDocument());
    PageCanvas& page = printer.BeginDocument();
    DrawChartPage(page);
    printer.EndDocument();
    EXPECT_TRUE(ReadAll(path_).startsWith("%PDF"));
}

TEST_F(PdfPrinter, WithoutAnOutputFileThereIsNoPrinter) {
    device_.setOutputFileName(QString());
    QtPrinter printer(device_);
    EXPECT_FALSE(printer.HasPrinter());
    try {
        printer.BeginDocument();
        FAIL() << "began a document without a printer";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 482);
        EXPECT_EQ(e.Description(), "Printer error");
    }
    EXPECT_FALSE(printer.InDocument());
}

struct ColorRow {
    const char* name;
    QPrinter::ColorMode qtMode;
    PrinterColorMode expected;
};

class PdfPrinterColorMode : public ::testing::TestWithParam<ColorRow> {};

TEST_P(PdfPrinterColorMode, FollowsTheQPrinterColourMode) {
    QPrinter device;
    device.setColorMode(GetParam().qtMode);
    QtPrinter printer(device);
    EXPECT_EQ(printer.ColorMode(), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Modes, PdfPrinterColorMode, ::testing::Values(
    ColorRow{"Colour",    QPrinter::Color,     PrinterColorMode::Color},
    ColorRow{"GrayScale", QPrinter::GrayScale, PrinterColorMode::Monochrome}),
    [](const ::testing::TestParamInfo<ColorRow>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace shared
