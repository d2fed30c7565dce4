#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/fake_clipboard.h"
#include "shared/platform/testing/fake_printer.h"

#include <gtest/gtest.h>

namespace shared {
namespace {

TEST(FakePrinter, FailsAtBeginWithTheScriptedErrorAndOpensNoDocument) {
    FakePrinter printer;
    printer.FailAtBegin(RuntimeError(482, "Printer", "Printer error"));
    try {
        printer.BeginDocument();
        FAIL() << "BeginDocument did not fail";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 482);
        EXPECT_EQ(e.Description(), "Printer error");
    }
    EXPECT_FALSE(printer.InDocument());
    EXPECT_EQ(printer.DocumentsBegun(), 0);
    printer.AbortDocument();  // the failure path's clean-up must be harmless
    EXPECT_EQ(printer.DocumentsAborted(), 0);

    printer.ClearFailure();
    EXPECT_NO_THROW(printer.BeginDocument());
    EXPECT_TRUE(printer.InDocument());
}

TEST(FakePrinter, NoPrinterIsARuntimeError) {
    FakePrinter printer;
    printer.SetHasPrinter(false);
    EXPECT_FALSE(printer.HasPrinter());
    try {
        printer.BeginDocument();
        FAIL() << "printed without a printer";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 482);
    }
}

TEST(FakePrinter, RecordsAPrintedPageOnItsCanvas) {
    FakePrinter printer;
    printer.SetColorMode(PrinterColorMode::Monochrome);
    printer.SetOrientation(PageOrientation::Landscape);
    PageCanvas& page = printer.BeginDocument();
    EXPECT_EQ(&page, &printer.Canvas());
    EXPECT_EQ(page.ColorMode(), PrinterColorMode::Monochrome);
    page.SetScaleMode(ScaleMode::Twips);
    EXPECT_GT(page.ScaleWidth(), page.ScaleHeight()) << "landscape page is not wide";
    page.SetDrawWidth(3);
    page.Box(500, 800, 14700, 1100, colors::kBlack);
    page.SetCurrentX(550);
    page.SetCurrentY(850);
    page.Print("Impedance Chart");
    printer.EndDocument();

    EXPECT_FALSE(printer.InDocument());
    EXPECT_EQ(printer.DocumentsBegun(), 1);
    EXPECT_EQ(printer.DocumentsEnded(), 1);
    EXPECT_TRUE(printer.Canvas().DocumentEnded());
    const auto boxes = printer.Canvas().CallsOf<BoxCall>();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].width, 3);
    const auto texts = printer.Canvas().CallsOf<TextCall>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Impedance Chart");
    EXPECT_DOUBLE_EQ(texts[0].x, 550);
    EXPECT_DOUBLE_EQ(texts[0].y, 850);
}

TEST(FakePrinter, AbortEndsTheDocumentWithoutSendingIt) {
    FakePrinter printer;
    printer.BeginDocument().Line(0, 0, 100, 100, colors::kBlack);
    printer.AbortDocument();
    EXPECT_FALSE(printer.InDocument());
    EXPECT_EQ(printer.DocumentsAborted(), 1);
    EXPECT_EQ(printer.DocumentsEnded(), 0);
    EXPECT_FALSE(printer.Canvas().DocumentEnded());
}

TEST(FakeClipboard, KeepsThePictureUntilCleared) {
    FakeClipboard clipboard;
    EXPECT_FALSE(clipboard.Picture().has_value());
    PixelImage picture(30, 20, colors::kBlue);
    picture.Set(3, 4, colors::kRed);
    clipboard.Clear();
    clipboard.SetPicture(picture);
    ASSERT_TRUE(clipboard.Picture().has_value());
    EXPECT_EQ(*clipboard.Picture(), picture);
    EXPECT_EQ(clipboard.Clears(), 1);
    EXPECT_EQ(clipboard.PicturesSet(), 1);
    clipboard.Clear();
    EXPECT_FALSE(clipboard.Picture().has_value());
}

}  // namespace
}  // namespace shared
