#include "darvo/engine/calculate_data_t.h"
#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"
#include "darvo/printing/qt/chart_output.h"
#include "darvo/printing/qt/data_print.h"
#include "tests/darvo/printing/qt/print_fixtures.h"

#include "shared/errors/runtime_error.h"
#include "shared/platform/qt/qt_printer.h"
#include "shared/platform/testing/fake_services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QWidget>

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace darvo {
namespace {

using shared::MessageAnswer;
using shared::MessageButtons;
using shared::MessageIcon;
using shared::RecordedMessage;

using testing::kDegree;
using testing::NoticeShown;
using testing::RiseOverCurrent;

const std::string kCaption = "Temperature Rise Characteristics(Current,Temperature Rise)";
const ChartIdentity kIdentity = testing::kRiseOverCurrent;

// Notes whether the notice was up and which orientation the page had when the job began,
// and can refuse the finished page as a printer that goes offline does.
class ObservedPrinter : public shared::FakePrinter {
public:
    shared::PageCanvas& BeginDocument() override {
        noticeAtBegin = NoticeShown();
        orientationAtBegin = Orientation();
        return FakePrinter::BeginDocument();
    }
    void EndDocument() override {
        if (failAtEnd) throw shared::RuntimeError(482, "Printer", "Printer error");
        FakePrinter::EndDocument();
    }

    bool failAtEnd = false;
    std::optional<bool> noticeAtBegin;
    std::optional<shared::PageOrientation> orientationAtBegin;
};

class PrintCommands : public ::testing::Test {
protected:
    void SetUp() override {
        table.Prepare() = RiseOverCurrent();
        table.AdoptPrepared();
        printer.Canvas().SetFontName("Courier New");
        printer.Canvas().SetFontSize(12);
        printer.Canvas().ClearCalls();
    }

    bool PrintChart() {
        ChartPrintRequest request{kCaption, kIdentity, [this](shared::ChartCanvas& page) {
                                      ++drawings;
                                      page.Line(0, 0, 100, 100, shared::colors::kBlue);
                                  }};
        return PrintChartWindow(&mainWindow, request, {table, library, kDegree, '.'}, services);
    }

    DataPrintOutcome PrintData(const ChartDataRecord& header) {
        return PrintChartData(&mainWindow, table, library,
                              {header, "heat1", kDegree, '.', [] { return std::string("9/12/26 19:04:11"); }},
                              services);
    }

    void ExpectPrinterRestored() {
        EXPECT_FALSE(printer.InDocument());
        EXPECT_FALSE(NoticeShown());
        EXPECT_EQ(printer.Orientation(), shared::PageOrientation::Portrait);
        EXPECT_EQ(printer.Canvas().FontName(), "Courier New");
        EXPECT_EQ(printer.Canvas().FontSize(), 12.0);
        EXPECT_EQ(fake.cursor.Depth(), 0);
    }

    void ExpectTableAsBefore() {
        EXPECT_EQ(table.ChartCount(), 1);
        EXPECT_EQ(table.Size(), 1U);
        EXPECT_FALSE(table.IsPreparing());
        EXPECT_EQ(table.At(0), curveBefore());
    }

    static ChartDataRecord curveBefore() {
        ChartDataRecord record = RiseOverCurrent();
        return record;
    }

    shared::FakeServices fake;
    ObservedPrinter printer;
    shared::Services services = fake.services.WithPrinter(printer);
    ProductLibrary library = testing::PrintLibrary();
    ChartTable table;
    QWidget mainWindow;
    int drawings = 0;
};

TEST_F(PrintCommands, CancelAtEitherQuestionPrintsNothing) {
    fake.messages.QueueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(PrintChart());
    fake.messages.QueueAnswer(MessageAnswer::Cancel);
    EXPECT_EQ(PrintData(RiseOverCurrent()), DataPrintOutcome::Cancelled);

    ASSERT_EQ(fake.messages.Shown().size(), 2U);
    const RecordedMessage& chart = fake.messages.Shown()[0];
    EXPECT_EQ(chart.text, "Would you print " + kCaption + " Chart ?");
    EXPECT_EQ(chart.icon, MessageIcon::Question);
    EXPECT_EQ(chart.title, "Tervalon");
    EXPECT_EQ(chart.buttons, MessageButtons::OkCancel);
    const RecordedMessage& data = fake.messages.Shown()[1];
    EXPECT_EQ(data.text, "Would you print heat1 Data ?");
    EXPECT_EQ(data.icon, MessageIcon::Question);
    EXPECT_EQ(data.title, "Tervalon");
    EXPECT_EQ(data.buttons, MessageButtons::OkCancel);

    EXPECT_EQ(printer.DocumentsBegun(), 0);
    EXPECT_EQ(drawings, 0);
    EXPECT_TRUE(printer.Canvas().Calls().empty());
    ExpectTableAsBefore();
}

TEST_F(PrintCommands, ChartPrintsOneLandscapePageWhileTheNoticeShows) {
    EXPECT_TRUE(PrintChart());
    ASSERT_EQ(fake.messages.Shown().size(), 1U);
    EXPECT_EQ(printer.DocumentsBegun(), 1);
    EXPECT_EQ(printer.DocumentsEnded(), 1);
    EXPECT_EQ(printer.orientationAtBegin, shared::PageOrientation::Landscape);
    EXPECT_EQ(printer.noticeAtBegin, true);
    EXPECT_EQ(drawings, 1);
    const auto texts = printer.Canvas().CallsOf<shared::TextCall>();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().text, kCaption + " Chart");
    for (const shared::TextCall& text : texts)
        EXPECT_EQ(text.font, (shared::FontSpec{"Arial", 9.0})) << text.text;
    bool partPrinted = false;
    for (const shared::TextCall& text : texts) partPrinted |= text.text == "HEAT1";
    EXPECT_TRUE(partPrinted);
    ExpectPrinterRestored();
    ExpectTableAsBefore();
}

TEST_F(PrintCommands, DataPrintsOnePortraitPageAndShrinksTheTableBack) {
    EXPECT_EQ(PrintData(RiseOverCurrent()), DataPrintOutcome::Printed);
    ASSERT_EQ(fake.messages.Shown().size(), 1U);
    EXPECT_EQ(printer.DocumentsEnded(), 1);
    EXPECT_EQ(printer.orientationAtBegin, shared::PageOrientation::Portrait);
    EXPECT_EQ(printer.noticeAtBegin, true);
    EXPECT_GE(fake.cursor.HourglassCalls(), 1);
    const auto texts = printer.Canvas().CallsOf<shared::TextCall>();
    ASSERT_GT(texts.size(), 400U);
    EXPECT_EQ(texts[0].text, "Tervalon  9/12/26 19:04:11");
    EXPECT_EQ(texts[2].text, "Orvane Part Num -> HEAT1");
    ExpectPrinterRestored();
    ExpectTableAsBefore();
}

// The printer refuses the job at its start (no printer, job cannot start) or refuses the
// finished page: one report, the job aborted, nothing left open or changed.
TEST_F(PrintCommands, PrinterFailuresAreReportedOnceAndLeaveNothingBehind) {
    enum class Failure { AtBegin, AtEnd };
    enum class Command { Chart, Data };
    for (const Command command : {Command::Chart, Command::Data}) {
        for (const Failure failure : {Failure::AtBegin, Failure::AtEnd}) {
            fake.messages.Clear();
            printer.ClearFailure();
            printer.failAtEnd = failure == Failure::AtEnd;
            if (failure == Failure::AtBegin)
                printer.FailAtBegin(shared::RuntimeError(482, "Printer", "Printer error"));
            const int endedBefore = printer.DocumentsEnded();

            if (command == Command::Chart)
                EXPECT_FALSE(PrintChart());
            else
                EXPECT_EQ(PrintData(RiseOverCurrent()), DataPrintOutcome::Failed);

            ASSERT_EQ(fake.messages.Shown().size(), 2U);
            const RecordedMessage& report = fake.messages.Shown()[1];
            EXPECT_EQ(report.text, "Unexpected Error 482\r\nPrinter error");
            EXPECT_EQ(report.icon, MessageIcon::Critical);
            EXPECT_EQ(report.title, "darvo");
            EXPECT_EQ(report.buttons, MessageButtons::Ok);
            EXPECT_EQ(printer.DocumentsEnded(), endedBefore);
            ExpectPrinterRestored();
            ExpectTableAsBefore();
        }
    }
    // The program goes on: the next job prints.
    printer.ClearFailure();
    printer.failAtEnd = false;
    fake.messages.Clear();
    EXPECT_EQ(PrintData(RiseOverCurrent()), DataPrintOutcome::Printed);
}

TEST_F(PrintCommands, ACurveTheEngineCannotComputePrintsNothing) {
    ChartDataRecord header = RiseOverCurrent();
    header.ProductIndex = 9;
    EXPECT_EQ(PrintData(header), DataPrintOutcome::Refused);
    ASSERT_EQ(fake.messages.Shown().size(), 2U);
    EXPECT_EQ(fake.messages.Shown()[1].text.rfind("Unexpected Error 9\r\n", 0), 0U);
    EXPECT_EQ(fake.messages.Shown()[1].icon, MessageIcon::Critical);
    EXPECT_EQ(printer.DocumentsBegun(), 0);
    EXPECT_FALSE(NoticeShown());
    ExpectTableAsBefore();
    EXPECT_EQ(fake.cursor.Depth(), 0);
}

TEST_F(PrintCommands, PageSetupAsksForTheProgramsPrinterAndSwallowsEveryFailure) {
    fake.dialogs.QueuePrint({shared::DialogStatus::Ok()});
    PageSetup(services);
    ASSERT_EQ(fake.dialogs.PrintRequests().size(), 1U);
    EXPECT_EQ(fake.dialogs.PrintRequests()[0].flags, 0x14000C);
    EXPECT_TRUE(fake.dialogs.PrintRequests()[0].printerDefault);

    PageSetup(services);  // no answer queued: the user cancels
    fake.dialogs.SetPrinterState(shared::PrinterState::None);
    PageSetup(services);
    EXPECT_TRUE(fake.messages.Shown().empty());
}

// A real printer object printing into PDF files, as the program prints to a file: the
// pages must come out as documents. They are kept in the build folder for review.
TEST_F(PrintCommands, PrintsChartAndDataPagesIntoPdfFiles) {
    const QDir folder(QStringLiteral(DARVO_PRINT_PDF_DIR));
    QDir().mkpath(folder.path());
    struct Page {
        const char* file;
        bool chart;
        QPrinter::ColorMode mode;
    };
    for (const Page& page : {Page{"darvo-print-chart.pdf", true, QPrinter::Color},
                             Page{"darvo-print-chart-black-only.pdf", true, QPrinter::GrayScale},
                             Page{"darvo-print-data.pdf", false, QPrinter::Color}}) {
        const QString path = folder.filePath(QString::fromLatin1(page.file));
        QFile::remove(path);
        QPrinter device(QPrinter::HighResolution);
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(path);
        device.setResolution(600);
        device.setPageSize(QPageSize(QPageSize::Letter));
        device.setColorMode(page.mode);
        shared::QtPrinter pdf(device);
        const shared::Services bundle = fake.services.WithPrinter(pdf);
        fake.messages.Clear();
        if (page.chart) {
            // Three computed curves of one window at its full range, drawn by the chart
            // windows' own drawing.
            ChartTable curves;
            for (const float rth : {100.0F, 80.0F, 60.0F}) {
                ASSERT_TRUE(testing::PrepareComputedRise(curves, library, rth, fake.messages));
                curves.AdoptPrepared();
            }
            const std::optional<AxisRange> range = FullRange(curves, kIdentity);
            ASSERT_TRUE(range);
            EXPECT_TRUE(
                PrintChartWindow(&mainWindow, kIdentity, *range, curves, library, kDegree, '.', bundle));
        } else {
            EXPECT_EQ(PrintChartData(&mainWindow, table, library,
                                     {RiseOverCurrent(), "HEAT1", kDegree, '.', {}}, bundle),
                      DataPrintOutcome::Printed);
        }
        EXPECT_EQ(fake.messages.Shown().size(), 1U) << page.file;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.file;
        EXPECT_TRUE(file.read(5) == "%PDF-") << page.file;
        EXPECT_GT(file.size(), 1000) << page.file;
    }
}

}  // namespace
}  // namespace darvo
