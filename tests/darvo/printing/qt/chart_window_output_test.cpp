#include "darvo/printing/qt/chart_window_output.h"

#include "darvo/charts/axis_range_check.h"
#include "darvo/charts/chart_drawing.h"
#include "darvo/charts/qt/chart_window_host.h"
#include "darvo/charts/qt/frm_graph.h"
#include "darvo/printing/qt/chart_output.h"
#include "tests/darvo/printing/qt/print_fixtures.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/canvas/qt/painter_canvas.h"
#include "shared/canvas/qt/qt_pixel_image.h"
#include "shared/dialogs/twips.h"
#include "shared/platform/testing/fake_services.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>
#include <memory>

namespace darvo {
namespace {

using testing::kDegree;

// The main window's side of the chart window: its output commands run the printing code.
class PrintingHost : public ChartWindowHost {
public:
    PrintingHost(ChartTable& table, const ProductLibrary& library, const shared::Services& services)
        : table_(table), library_(library), services_(services) {}

    QWidget* MainWindow() override { return &main_; }
    int LoadedWindowCount() const override { return 3; }
    void CopyChartToClipboard(FrmGraph& window) override { darvo::CopyChartToClipboard(window, services_); }
    void PrintSetup(FrmGraph& /*window*/) override { PageSetup(services_); }
    void PrintChart(FrmGraph& window) override {
        printed = PrintChartWindow(&main_, window, table_, library_, services_);
    }
    void ChartWindowActivated(FrmGraph& /*window*/) override {}
    void ChartWindowClosed(FrmGraph& /*window*/) override {}

    bool printed = false;

private:
    QWidget main_;
    ChartTable& table_;
    const ProductLibrary& library_;
    const shared::Services& services_;
};

class ChartWindowOutput : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testing::PrepareComputedRise(table, library, 100.0F, fake.messages));
        window = std::make_unique<FrmGraph>(table, library, fake.services, kDegree, '.', host);
        window->Form_Load();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_EQ(table.ChartCount(), 1);
    }

    QAction* Action(const char* name) const {
        return window->PopupMenu().findChild<QAction*>(QString::fromLatin1(name));
    }

    // Moves the real mouse over the picture to point j of the curve, as drawn.
    void HoverPoint(std::size_t j) {
        shared::CanvasWidget& picture = window->Picture();
        const ChartDataRecord& curve = table.At(0);
        const QPoint at(static_cast<int>(picture.Canvas().ToPixelX(curve.PlotX[j])),
                        static_cast<int>(picture.Canvas().ToPixelY(curve.PlotY[j])));
        QTest::mouseMove(&picture, at);
    }

    shared::FakeServices fake;
    ProductLibrary library = testing::PrintLibrary();
    ChartTable table;
    PrintingHost host{table, library, fake.services};
    std::unique_ptr<FrmGraph> window;
};

int CountColour(const shared::PixelImage& image, int left, int right, shared::Rgb colour) {
    int count = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = std::max(0, left); x < std::min(right, image.Width()); ++x)
            count += image.At(x, y) == colour ? 1 : 0;
    return count;
}

TEST_F(ChartWindowOutput, CopyToClipboardTakesThePictureWithoutItsMarkerAndTheLegendRow) {
    HoverPoint(120);
    ASSERT_TRUE(window->Readout().CursorActive());
    const shared::PainterCanvas& canvas = window->Picture().Canvas();
    const double dpi = canvas.DotsPerInch();

    Action("mnuChartClipboard")->trigger();

    EXPECT_TRUE(fake.messages.Shown().empty());
    ASSERT_TRUE(fake.clipboard.Picture().has_value());
    const shared::PixelImage& copy = *fake.clipboard.Picture();
    EXPECT_EQ(copy.Width(), shared::TwipsToPixels(11800, dpi));
    EXPECT_EQ(copy.Height(), shared::TwipsToPixels(3650, dpi));
    const int chartWidth = shared::TwipsToPixels(5600, dpi);
    // One blue curve: the red cursor marker is on the overlay, not in the copy.
    EXPECT_EQ(CountColour(copy, 0, chartWidth, shared::colors::kRed), 0);
    EXPECT_GT(CountColour(copy, 0, chartWidth, CurveColor(0)), 50);
    // The legend row: a line in the first legend colour right of the chart.
    EXPECT_GE(CountColour(copy, chartWidth, copy.Width(), LegendColor(0)), shared::TwipsToPixels(500, dpi));
    // The window keeps its marker and readout.
    EXPECT_TRUE(window->Readout().CursorActive());

    // Kept in the build folder beside the printed pages, for review.
    QDir().mkpath(QStringLiteral(DARVO_PRINT_PDF_DIR));
    EXPECT_TRUE(shared::ToQImage(copy).save(QStringLiteral(DARVO_PRINT_PDF_DIR "/darvo-clipboard.png")));
}

TEST_F(ChartWindowOutput, PrintingAMagnifiedWindowPrintsItsRangeWithFiveDivisionsAndKeepsTheWindow) {
    const AxisRange full = window->Range();
    const AxisRange magnified{full.Xmax / 2, full.Ymax / 2, full.Xmin, full.Ymin};
    window->WriteMagnification(magnified, IsMagnifiedRange(table, window->Identity(), magnified) ? 0 : 1);
    const ChartDataRecord before = table.At(0);

    host.PrintChart(*window);

    EXPECT_TRUE(host.printed);
    ASSERT_EQ(fake.messages.Shown().size(), 1U);
    EXPECT_EQ(fake.messages.Shown()[0].text,
              "Would you print Temperature Rise Characteristics(Current,Temperature Rise) Chart ?");
    EXPECT_EQ(fake.printer.DocumentsEnded(), 1);
    int horizontalGrid = 0;
    for (const shared::LineCall& line : fake.printer.Canvas().CallsOf<shared::LineCall>())
        horizontalGrid += line.color == kLinearGridColor && line.y1 == line.y2 ? 1 : 0;
    EXPECT_EQ(horizontalGrid, 6);
    // The window shows what it showed, and its curve's plot positions still fit it.
    EXPECT_EQ(window->Range(), magnified);
    EXPECT_FALSE(window->Model().CustomRange());
    EXPECT_EQ(table.At(0), before);
    EXPECT_EQ(table.ChartCount(), 1);
    EXPECT_FALSE(testing::NoticeShown());
}

}  // namespace
}  // namespace darvo
