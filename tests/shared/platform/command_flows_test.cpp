#include "support/temporary_folder.h"

#include "shared/canvas/page_canvas.h"
#include "shared/platform/print_job.h"
#include "shared/platform/save_flow.h"
#include "shared/platform/testing/fake_services.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace shared {
namespace {

// ---------------------------------------------------------------------------------
// The print job.

// A printer whose document fails at one step, and which notes each step in order.
class StepPrinter : public FakePrinter {
public:
    enum class FailAt { Nowhere, Sending };
    FailAt failAt = FailAt::Nowhere;
    std::vector<std::string>* log = nullptr;

    void SetOrientation(PageOrientation orientation) override {
        log->push_back(orientation == PageOrientation::Landscape ? "landscape" : "portrait");
        FakePrinter::SetOrientation(orientation);
    }
    void EndDocument() override {
        if (failAt == FailAt::Sending) throw RuntimeError(482, "Printer", "Printer error");
        log->push_back("end");
        FakePrinter::EndDocument();
    }
    void AbortDocument() noexcept override {
        log->push_back("abort");
        FakePrinter::AbortDocument();
    }
};

class PrintJobTest : public ::testing::Test {
protected:
    PrintJobTest() {
        printer.log = &log;
        printer.FakePrinter::SetOrientation(PageOrientation::Portrait);
        printer.Canvas().SetFontName("Courier New");
        printer.Canvas().SetFontSize(12);
    }
    bool Print(const std::function<void(PageCanvas&)>& draw) {
        return RunPrintJob(
            printer, PageOrientation::Landscape, draw, [this] { log.push_back("notice closed"); },
            fake.messages, "Pelmo");
    }
    // Every failure leaves the printer as the user set it up and is reported once, after
    // the notice has gone.
    void ExpectRestoredAndReported(const std::string& report) {
        EXPECT_EQ(printer.Orientation(), PageOrientation::Portrait);
        EXPECT_EQ(printer.Canvas().FontName(), "Courier New");
        EXPECT_DOUBLE_EQ(printer.Canvas().FontSize(), 12);
        EXPECT_EQ(printer.DocumentsEnded(), 0);
        ASSERT_EQ(fake.messages.Shown().size(), 1U);
        EXPECT_EQ(fake.messages.Shown()[0].text, report);
        EXPECT_EQ(fake.messages.Shown()[0].title, "Pelmo");
        EXPECT_EQ(log.back(), "notice closed");
    }

    FakeServices fake;
    StepPrinter printer;
    std::vector<std::string> log;
};

TEST_F(PrintJobTest, ACompletedJobIsSentAndLeavesThePrinterAsItWas) {
    EXPECT_TRUE(Print([](PageCanvas& page) {
        page.SetFontName("Arial");
        page.SetFontSize(9);
        page.SetScaleMode(ScaleMode::User);
        page.SetDrawWidth(3);
    }));
    EXPECT_EQ(log, (std::vector<std::string>{"landscape", "end", "portrait", "notice closed"}));
    EXPECT_EQ(printer.DocumentsEnded(), 1);
    EXPECT_EQ(printer.DocumentsAborted(), 0);
    EXPECT_EQ(printer.Canvas().FontName(), "Courier New");
    EXPECT_EQ(printer.Canvas().GetScaleMode(), ScaleMode::Twips);
    EXPECT_EQ(printer.Canvas().DrawWidth(), 1);
    EXPECT_TRUE(fake.messages.Shown().empty());
}

TEST_F(PrintJobTest, AFailureAtStartWhileDrawingOrAtSendingAbortsTheJob) {
    printer.FailAtBegin(RuntimeError(482, "Printer", "Printer error"));
    EXPECT_FALSE(Print([](PageCanvas&) {}));
    EXPECT_EQ(printer.DocumentsBegun(), 0);
    ExpectRestoredAndReported("Unexpected Error 482\r\nPrinter error");

    printer.ClearFailure();
    fake.messages.Clear();
    log.clear();
    EXPECT_FALSE(Print([](PageCanvas& page) {
        page.SetFontName("Arial");
        throw std::runtime_error("out of paper");
    }));
    EXPECT_EQ(printer.DocumentsAborted(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"landscape", "abort", "portrait", "notice closed"}));
    ExpectRestoredAndReported("Unexpected Error 5\r\nout of paper");

    printer.failAt = StepPrinter::FailAt::Sending;
    fake.messages.Clear();
    EXPECT_FALSE(Print([](PageCanvas&) {}));
    EXPECT_EQ(printer.DocumentsAborted(), 2);
    ExpectRestoredAndReported("Unexpected Error 482\r\nPrinter error");
}

// ---------------------------------------------------------------------------------
// The save flow.

class SaveFlowTest : public ::testing::Test {
protected:
    SaveDialogSpec Spec() const {
        SaveDialogSpec spec;
        spec.ProgramTitle = "Pelmo";
        spec.Flags = 6;
        spec.Filter = "Touchstone (*.s2p)|*.s2p";
        spec.ProposedName = "part.s2p";
        spec.CurrentFolder = folder.Path();
        return spec;
    }
    SaveFlowOutcome Save(bool writes = true) {
        return RunSaveFlow(fake.services, Spec(),
                           [this, writes](const std::string& fileName, Messages& messages) {
                               written.push_back(fileName);
                               hourglassWhileWriting = fake.cursor.ShowsHourglass();
                               messages.Show(writes ? "saved" : "failed", MessageIcon::Information, "Pelmo");
                               return writes;
                           });
    }

    FakeServices fake;
    testing::TemporaryFolder folder;
    std::vector<std::string> written;
    bool hourglassWhileWriting = false;
};

TEST_F(SaveFlowTest, CancelIsAnAnswerWithoutMessageFileOrSetting) {
    fake.dialogs.QueueFileCancel();
    EXPECT_EQ(Save(), SaveFlowOutcome::Cancelled);
    EXPECT_TRUE(written.empty());
    EXPECT_TRUE(fake.messages.Shown().empty());
    EXPECT_FALSE(fake.settings.Contains("Settings", "FilePath"));
    EXPECT_EQ(fake.cursor.HourglassCalls(), 0);
}

TEST_F(SaveFlowTest, ADialogFailureIsReportedAndNothingWritten) {
    fake.dialogs.QueueFileFailure(2, 0x3003);
    EXPECT_EQ(Save(), SaveFlowOutcome::Failed);
    EXPECT_TRUE(written.empty());
    ASSERT_EQ(fake.messages.Shown().size(), 1U);
    EXPECT_EQ(fake.messages.Shown()[0].text.rfind("Unexpected Error ", 0), 0U);
    EXPECT_EQ(fake.messages.Shown()[0].title, "Pelmo");
}

// The dialog opens in the remembered folder with the proposed name; the chosen folder is
// remembered; the writer runs under the hourglass and its box shows the normal pointer.
TEST_F(SaveFlowTest, TheChosenFileIsWrittenUnderTheHourglassAndItsFolderRemembered) {
    const std::string path = folder.File("part.s2p");
    fake.dialogs.QueueFile(path);
    bool hourglassAtBox = true;
    fake.messages.WhileShown([&] { hourglassAtBox = fake.cursor.ShowsHourglass(); });
    EXPECT_EQ(Save(), SaveFlowOutcome::Saved);
    ASSERT_EQ(fake.dialogs.FileRequests().size(), 1U);
    const FileDialogRequest& request = fake.dialogs.FileRequests()[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.initDir, folder.Path());
    EXPECT_EQ(request.fileName, "part.s2p");
    EXPECT_EQ(request.flags, 6);
    EXPECT_EQ(written, (std::vector<std::string>{path}));
    EXPECT_TRUE(hourglassWhileWriting);
    EXPECT_FALSE(hourglassAtBox);
    EXPECT_EQ(fake.cursor.Depth(), 0);
    EXPECT_EQ(fake.settings.Read("Settings", "FilePath", ""), folder.Path());

    fake.dialogs.QueueFile(path);
    EXPECT_EQ(Save(false), SaveFlowOutcome::Failed);
    EXPECT_EQ(fake.cursor.Depth(), 0);
}

}  // namespace
}  // namespace shared
