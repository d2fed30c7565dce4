#include "pelmo/printing/qt/chart_output.h"

#include "pelmo/charts/chart_style.h"
#include "sample_charts.h"

#include "shared/canvas/qt/painter_canvas.h"
#include "shared/dialogs/twips.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/cls_comdlg.h"
#include "shared/platform/testing/fake_services.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace pelmo {
namespace {

using shared::MessageAnswer;
using shared::MessageButtons;
using shared::MessageIcon;
using shared::RecordedMessage;

// The "Now Printing..." notice, if one is on screen.
bool NoticeShown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("frmPrinting") && widget->isVisible()) {
            const auto* label = widget->findChild<QLabel*>(QStringLiteral("lblPrinting"));
            return label != nullptr && label->text() == QStringLiteral("Now Printing...");
        }
    }
    return false;
}

// A fake printer that notes whether the notice was up when the job began and ended,
// and can refuse to send the finished page.
class ObservedPrinter : public shared::FakePrinter {
public:
    shared::PageCanvas& BeginDocument() override {
        noticeAtBegin = NoticeShown();
        orientationAtBegin = Orientation();
        return FakePrinter::BeginDocument();
    }
    void EndDocument() override {
        noticeAtEnd = NoticeShown();
        if (failAtEnd) {
            // The page is not taken: the document stays open for the caller to abort.
            throw shared::RuntimeError(482, "Printer", "Printer error");
        }
        FakePrinter::EndDocument();
    }

    bool failAtEnd = false;
    std::optional<bool> noticeAtBegin;
    std::optional<bool> noticeAtEnd;
    std::optional<shared::PageOrientation> orientationAtBegin;
};

// A page whose job fails: at its first drawing, as a real printer page does when the
// device refuses the job, or inside the chart's own scale (at the first circle of a
// Smith chart's grid), as a failure while drawing the chart would.
class RefusingPage : public shared::RecordingCanvas {
public:
    RefusingPage() : RecordingCanvas(6300, 4800, 600.0, true) {}
    void Box(double x1, double y1, double x2, double y2, shared::Rgb color) override {
        if (failAtFirstDrawing) Refuse();
        RecordingCanvas::Box(x1, y1, x2, y2, color);
    }
    void Circle(double cx, double cy, double radius, shared::Rgb color) override {
        Refuse();
        RecordingCanvas::Circle(cx, cy, radius, color);
    }
    void Arc(double cx, double cy, double radius, shared::Rgb color, double start, double end) override {
        Refuse();
        RecordingCanvas::Arc(cx, cy, radius, color, start, end);
    }

    bool failAtFirstDrawing = true;

private:
    [[noreturn]] static void Refuse() { throw shared::RuntimeError(482, "Printer", "Printer error"); }
};

class RefusingPrinter : public shared::Printer {
public:
    bool HasPrinter() const override { return true; }
    std::string DeviceName() const override { return "Refusing"; }
    shared::PageOrientation Orientation() const override { return page.Orientation(); }
    void SetOrientation(shared::PageOrientation orientation) override { page.SetOrientation(orientation); }
    shared::PrinterColorMode ColorMode() const override { return page.ColorMode(); }
    shared::PageCanvas& BeginDocument() override {
        inDocument = true;
        return page;
    }
    bool InDocument() const override { return inDocument; }
    void EndDocument() override { ++ended; }
    void AbortDocument() noexcept override {
        if (inDocument) ++aborted;
        inDocument = false;
    }

    RefusingPage page;
    bool inDocument = false;
    int ended = 0;
    int aborted = 0;
};

class OutputCommands : public ::testing::Test {
protected:
    shared::FakeServices fake;
    ObservedPrinter printer;
    shared::Services services = fake.services.WithPrinter(printer);
};

TEST_F(OutputCommands, PageSetupAsksForTheProgramsPrinter) {
    fake.dialogs.QueuePrint({shared::DialogStatus::Ok()});
    PageSetup(services);
    ASSERT_EQ(fake.dialogs.PrintRequests().size(), 1U);
    EXPECT_EQ(fake.dialogs.PrintRequests()[0].flags, 0x14000C);
    EXPECT_TRUE(fake.dialogs.PrintRequests()[0].printerDefault);
    EXPECT_TRUE(fake.messages.Shown().empty());
}

TEST_F(OutputCommands, PageSetupIsSilentOnCancelAndReportsOtherFailures) {
    struct Case {
        std::optional<shared::PrintDialogAnswer> answer;  // none: the user cancels
        shared::PrinterState state;
        std::string text;  // empty: no message
    };
    // clang-format off
    const std::vector<Case> cases = {
        {std::nullopt,                    shared::PrinterState::Ready, ""},
        {std::nullopt,                    shared::PrinterState::None,
         "Unexpected Error 9999\r\nThere is no printer in this system."},
        {shared::PrintDialogAnswer{{2, 4108}}, shared::PrinterState::Ready,
         "Unexpected Error 4108\r\nError raised with common dialog.\r\nError code = (2)"},
    };
    // clang-format on
    for (const Case& c : cases) {
        fake.messages.Clear();
        fake.dialogs.SetPrinterState(c.state);
        if (c.answer) fake.dialogs.QueuePrint(*c.answer);
        PageSetup(services);
        if (c.text.empty()) {
            EXPECT_TRUE(fake.messages.Shown().empty());
            continue;
        }
        ASSERT_EQ(fake.messages.Shown().size(), 1U) << c.text;
        EXPECT_EQ(fake.messages.Shown()[0].text, c.text);
        EXPECT_EQ(fake.messages.Shown()[0].icon, MessageIcon::Critical);
        EXPECT_EQ(fake.messages.Shown()[0].title, "Pelmo");
        EXPECT_EQ(fake.messages.Shown()[0].buttons, MessageButtons::Ok);
    }
}

class PrintCommand : public OutputCommands {
protected:
    void SetUp() override {
        charts = std::make_unique<testing::SampleCharts>(PELMO_SAMPLE_LIBRARY_DIR);
        const int part = charts->Capacitor(false);
        ASSERT_GE(part, 0);
        ASSERT_TRUE(charts->Request(ChartKind::ImpedanceAndEsr, ProductKind::Capacitor, part));
        ASSERT_TRUE(charts->Request(ChartKind::Smith, ProductKind::Capacitor, part, "S11"));
        shared::RecordingCanvas& page = printer.Canvas();
        page.SetFontName("Courier New");
        page.SetFontSize(12);
        page.ClearCalls();
    }

    void Print(ChartKind kind) {
        PrintChartWindow(&mainWindow, charts->Caption(kind), charts->Window(kind), charts->Context(),
                         charts->Legend(kind), services);
    }

    QWidget mainWindow;
    std::unique_ptr<testing::SampleCharts> charts;
};

TEST_F(PrintCommand, CancelAtTheQuestionPrintsNothing) {
    fake.messages.QueueAnswer(MessageAnswer::Cancel);
    Print(ChartKind::ImpedanceAndEsr);
    ASSERT_EQ(fake.messages.Shown().size(), 1U);
    const RecordedMessage& question = fake.messages.Shown()[0];
    EXPECT_EQ(question.text, "Would you print Impedance & ESR Chart ?");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.title, "Quenzar");
    EXPECT_EQ(question.buttons, MessageButtons::OkCancel);
    EXPECT_EQ(printer.DocumentsBegun(), 0);
    EXPECT_FALSE(printer.noticeAtBegin.has_value());
    EXPECT_TRUE(printer.Canvas().Calls().empty());
}

TEST_F(PrintCommand, PrintsOneLandscapePageInArialAndRestoresThePrinter) {
    Print(ChartKind::Smith);
    ASSERT_EQ(fake.messages.Shown().size(), 1U);
    EXPECT_EQ(fake.messages.Shown()[0].text, "Would you print Smith Chart ?");
    EXPECT_EQ(printer.DocumentsBegun(), 1);
    EXPECT_EQ(printer.DocumentsEnded(), 1);
    EXPECT_EQ(printer.DocumentsAborted(), 0);
    EXPECT_EQ(printer.orientationAtBegin, shared::PageOrientation::Landscape);
    EXPECT_EQ(printer.noticeAtBegin, true);
    EXPECT_EQ(printer.noticeAtEnd, true);
    EXPECT_FALSE(NoticeShown());

    const auto texts = printer.Canvas().CallsOf<shared::TextCall>();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().text, "Smith Chart");
    for (const shared::TextCall& text : texts) {
        EXPECT_EQ(text.font.name, "Arial") << text.text;
        EXPECT_EQ(text.font.size, 9.0) << text.text;
    }
    EXPECT_EQ(printer.Orientation(), shared::PageOrientation::Portrait);
    EXPECT_EQ(printer.Canvas().FontName(), "Courier New");
    EXPECT_EQ(printer.Canvas().FontSize(), 12.0);
    EXPECT_TRUE(printer.Canvas().DocumentEnded());
}

TEST_F(PrintCommand, APrinterThatCannotStartIsReportedAndNothingIsLeftOpen) {
    printer.FailAtBegin(shared::RuntimeError(482, "Printer", "Printer error"));
    Print(ChartKind::ImpedanceAndEsr);
    ASSERT_EQ(fake.messages.Shown().size(), 2U);
    const RecordedMessage& report = fake.messages.Shown()[1];
    EXPECT_EQ(report.text, "Unexpected Error 482\r\nPrinter error");
    EXPECT_EQ(report.icon, MessageIcon::Critical);
    EXPECT_EQ(report.title, "Pelmo");
    EXPECT_EQ(printer.DocumentsEnded(), 0);
    EXPECT_FALSE(printer.InDocument());
    EXPECT_FALSE(NoticeShown());
    EXPECT_EQ(printer.Orientation(), shared::PageOrientation::Portrait);
    EXPECT_EQ(printer.Canvas().FontName(), "Courier New");

    // The program goes on: the next job prints.
    printer.ClearFailure();
    fake.messages.Clear();
    Print(ChartKind::ImpedanceAndEsr);
    EXPECT_EQ(fake.messages.Shown().size(), 1U);
    EXPECT_EQ(printer.DocumentsEnded(), 1);
}

TEST_F(PrintCommand, APageThePrinterRefusesIsAbortedNotClaimedAsPrinted) {
    printer.failAtEnd = true;
    Print(ChartKind::ImpedanceAndEsr);
    ASSERT_EQ(fake.messages.Shown().size(), 2U);
    EXPECT_EQ(fake.messages.Shown()[1].text, "Unexpected Error 482\r\nPrinter error");
    EXPECT_EQ(printer.DocumentsAborted(), 1);
    EXPECT_EQ(printer.DocumentsEnded(), 0);
    EXPECT_FALSE(printer.InDocument());
    EXPECT_FALSE(NoticeShown());
    EXPECT_EQ(printer.Orientation(), shared::PageOrientation::Portrait);
    EXPECT_EQ(printer.Canvas().FontName(), "Courier New");
    EXPECT_EQ(printer.Canvas().FontSize(), 12.0);
}

TEST_F(PrintCommand, AJobThatFailsWhileDrawingIsAbortedAndThePageRestored) {
    for (const bool atFirstDrawing : {true, false}) {
        fake.messages.Clear();
        RefusingPrinter refusing;
        refusing.page.failAtFirstDrawing = atFirstDrawing;
        refusing.page.SetFontName("Courier New");
        refusing.page.SetFontSize(12);
        const shared::Services bundle = fake.services.WithPrinter(refusing);
        PrintChartWindow(&mainWindow, charts->Caption(ChartKind::Smith), charts->Window(ChartKind::Smith),
                         charts->Context(), charts->Legend(ChartKind::Smith), bundle);
        ASSERT_EQ(fake.messages.Shown().size(), 2U) << atFirstDrawing;
        EXPECT_EQ(fake.messages.Shown()[1].text, "Unexpected Error 482\r\nPrinter error");
        EXPECT_EQ(refusing.aborted, 1);
        EXPECT_EQ(refusing.ended, 0);
        EXPECT_FALSE(NoticeShown());
        EXPECT_EQ(refusing.Orientation(), shared::PageOrientation::Portrait);
        EXPECT_EQ(refusing.page.FontName(), "Courier New");
        EXPECT_EQ(refusing.page.FontSize(), 12.0);
        EXPECT_EQ(refusing.page.GetScaleMode(), shared::ScaleMode::Twips) << atFirstDrawing;
        EXPECT_EQ(refusing.page.DrawWidth(), 1) << atFirstDrawing;
    }
}

// The window's picture at 96 dpi: 5460 x 3640 twips are 364 x 243 pixels.
constexpr double kDpi = 96.0;
constexpr int kChartWidth = 5460;
constexpr int kChartHeight = 3640;
constexpr int kFrameWidth = 2250;
constexpr int kFrameLeft = kChartWidth + 120;

int Px(double twips) {
    return shared::TwipsToPixels(twips, kDpi);
}

int CountPixels(const shared::PixelImage& image, int left, int top, int right, int bottom,
                const std::function<bool(shared::Rgb)>& match) {
    int count = 0;
    for (int y = std::max(0, top); y < std::min(bottom, image.Height()); ++y)
        for (int x = std::max(0, left); x < std::min(right, image.Width()); ++x)
            count += match(image.At(x, y)) ? 1 : 0;
    return count;
}

bool NotWhite(shared::Rgb rgb) {
    return !(rgb == shared::colors::kWhite);
}

// A pixel of smoothed text in a pure blue or red: that channel clearly leads.
bool TintedLike(shared::Rgb rgb, shared::Rgb colour) {
    const int r = rgb.red, g = rgb.green, b = rgb.blue;
    if (colour == shared::colors::kBlue) return b > r + 40 && b > g + 40;
    if (colour == shared::colors::kRed) return r > g + 40 && r > b + 40;
    return rgb == colour;
}

// The chart picture as the window holds it: a grey plot area, with a red cursor marker
// on the overlay that must not reach the fake.clipboard.
shared::PixelImage ChartPictureWithMarker() {
    shared::PainterCanvas picture(Px(kChartWidth), Px(kChartHeight), kDpi);
    picture.SetScale(0, 3000, 3000, -3000);
    picture.FilledBox(400, 400, 2800, 2800, kPlotAreaGrey);
    picture.BeginOverlay();
    picture.SetDrawWidth(3);
    picture.Circle(1500, 1500, 100, shared::colors::kRed);
    picture.EndOverlay();
    return picture.GrabPixels({0, 0, picture.PixelWidth(), picture.PixelHeight()});
}

TEST_F(OutputCommands, ARectangularChartIsCopiedWithALineBeforeEachLegendRow) {
    const shared::PixelImage chart = ChartPictureWithMarker();
    const std::vector<LegendRow> legend = {
        {"KTA0222C1ER22CA88 (S11,Series)", kTraceColors[0], kFrameLeft, 300},
        {"PWA10N22 (S21,Series)", kTraceColors[1], kFrameLeft, 900},
        {"", kTraceColors[2], kFrameLeft, 1500},
        {"AFTER THE GAP", kTraceColors[3], kFrameLeft, 2100},
    };
    CopyChartToClipboard(chart, kChartWidth, kChartHeight, kFrameWidth, false, legend, services, {}, kDpi);
    EXPECT_EQ(fake.clipboard.Clears(), 1);
    ASSERT_TRUE(fake.clipboard.Picture().has_value());
    const shared::PixelImage& copy = *fake.clipboard.Picture();
    EXPECT_EQ(copy.Width(), Px(kFrameWidth + kChartWidth + 600));
    EXPECT_EQ(copy.Height(), Px(kChartHeight));
    EXPECT_EQ(copy.Crop({0, 0, chart.Width(), chart.Height()}), chart);
    EXPECT_EQ(CountPixels(copy, 0, 0, chart.Width(), chart.Height(),
                          [](shared::Rgb rgb) { return rgb == shared::colors::kRed; }),
              0);

    for (std::size_t k = 0; k < 2; ++k) {
        const LegendRow& row = legend[k];
        // The line: 500 twips from the frame's left, half a line below the label's top.
        const int lineY = Px(row.Top + 82.5);
        const int inLine = CountPixels(copy, Px(row.Left), lineY - 1, Px(row.Left + 500), lineY + 2,
                                       [&](shared::Rgb rgb) { return rgb == row.Colour; });
        EXPECT_GE(inLine, Px(500) - 2) << row.Caption;
        // The caption after it, in the trace colour.
        const int textPixels =
            CountPixels(copy, Px(row.Left + 600), Px(row.Top), copy.Width(), Px(row.Top + 250),
                        [&](shared::Rgb rgb) { return TintedLike(rgb, row.Colour); });
        EXPECT_GT(textPixels, 20) << row.Caption;
    }
    // Rows after the first empty caption are not copied.
    EXPECT_EQ(CountPixels(copy, chart.Width(), Px(1400), copy.Width(), copy.Height(), NotWhite), 0);
}

TEST_F(OutputCommands, ASmithChartIsCopiedWithItsLabelsInBlueAndNoLines) {
    const int side = kChartHeight;
    shared::PainterCanvas picture(Px(side), Px(side), kDpi);
    picture.FilledBox(0, 0, 100, 100, kSmithGridCyan);
    const shared::PixelImage chart = picture.GrabPixels({0, 0, picture.PixelWidth(), picture.PixelHeight()});
    const int left = side + 120;
    const std::vector<LegendRow> legend = {
        {"PWA10N22", shared::colors::kBlue, left, 200},
        {"S21", shared::colors::kBlue, left, 700},
        {"Series", shared::colors::kBlue, left, 1200},
        {"", shared::colors::kBlue, left, 1700},
    };
    CopyChartToClipboard(chart, side, side, kFrameWidth, true, legend, services, {}, kDpi);
    ASSERT_TRUE(fake.clipboard.Picture().has_value());
    const shared::PixelImage& copy = *fake.clipboard.Picture();
    EXPECT_EQ(copy.Width(), Px(kFrameWidth + side));
    EXPECT_EQ(copy.Height(), Px(side));
    EXPECT_EQ(copy.Crop({0, 0, chart.Width(), chart.Height()}), chart);
    for (const LegendRow& row : legend) {
        if (row.Caption.empty()) break;
        const int blue = CountPixels(copy, Px(row.Left), Px(row.Top), copy.Width(), Px(row.Top + 250),
                                     [](shared::Rgb rgb) { return TintedLike(rgb, shared::colors::kBlue); });
        EXPECT_GT(blue, 10) << row.Caption;
    }
    // Nothing but shades of blue right of the chart: no line in another colour.
    EXPECT_EQ(CountPixels(copy, chart.Width(), 0, copy.Width(), copy.Height(),
                          [](shared::Rgb rgb) {
                              return NotWhite(rgb) && !(rgb.blue > rgb.red && rgb.blue > rgb.green);
                          }),
              0);
    // Nothing left of the labels' own left edge.
    EXPECT_EQ(CountPixels(copy, chart.Width(), 0, Px(left) - 1, copy.Height(), NotWhite), 0);
}

}  // namespace
}  // namespace pelmo
