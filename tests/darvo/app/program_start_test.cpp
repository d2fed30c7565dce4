#include "darvo/app/program_start.h"

#include "support/temporary_folder.h"

#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/scripted_single_instance.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace darvo {
namespace {

namespace fs = std::filesystem;

void CopyProducts(const shared::testing::TemporaryFolder& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        fs::copy_file(fs::path(DARVO_SAMPLE_LIBRARY_DIR) / name, folder.File(name));
    }
}

const std::vector<std::string> kProductFiles = {"product.idx", "product.dat"};

// A second copy is refused before anything is read: one critical box under "darvo".
TEST(ProgramStartTest, ASecondCopyIsRefused) {
    shared::ScriptedSingleInstance instance(true);
    shared::FakeMessages messages;
    EXPECT_FALSE(StartProgram(instance, messages, "/nonexistent/folder", '.'));
    ASSERT_EQ(messages.Shown().size(), 1U);
    EXPECT_EQ(messages.Shown()[0].text, "It is already started.");
    EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::Critical);
    EXPECT_EQ(messages.Shown()[0].title, "darvo");
    EXPECT_EQ(messages.Shown()[0].buttons, shared::MessageButtons::Ok);
}

// A missing or short product file ends the start with the report of Main, naming the
// failure; nothing is started half-way.
TEST(ProgramStartTest, ProductFileFailuresEndTheStart) {
    struct Case {
        const char* name;
        std::vector<std::string> present;
        bool truncateModel;
        std::string text;
        const char* file;
    };
    const std::vector<Case> cases = {
        {"no files", {}, false, "Unexpected Error 53\r\n", "product.idx"},
        {"no product.dat", {"product.idx"}, false, "Unexpected Error 53\r\n", "product.dat"},
        {"short product.dat", kProductFiles, true, "Unexpected Error 62\r\n", "product.dat"},
    };
    for (const Case& c : cases) {
        shared::testing::TemporaryFolder folder;
        CopyProducts(folder, c.present);
        if (c.truncateModel) {
            fs::resize_file(folder.File("product.dat"), 290 * 3 + 17);
        }
        shared::ScriptedSingleInstance instance(false);
        shared::FakeMessages messages;
        EXPECT_FALSE(StartProgram(instance, messages, folder.Path(), '.')) << c.name;
        ASSERT_EQ(messages.Shown().size(), 1U) << c.name;
        EXPECT_EQ(messages.Shown()[0].title, "darvo:mdlPublic.Main") << c.name;
        EXPECT_EQ(messages.Shown()[0].text.rfind(c.text, 0), 0U)
            << c.name << ": " << messages.Shown()[0].text;
        EXPECT_NE(messages.Shown()[0].text.find(c.file), std::string::npos) << c.name;
        EXPECT_EQ(messages.Shown()[0].icon, shared::MessageIcon::Critical) << c.name;
    }
}

// darvojhlp.pdf decides the help language: Japanese (1) when it lies in the program
// folder, English (2) otherwise; the file Help > Contents opens follows, and is empty
// when neither PDF is there. The products come in EIA catalogue order.
TEST(ProgramStartTest, TheHelpFilesChooseTheLanguage) {
    struct Case {
        std::vector<std::string> pdfs;
        int language;
        const char* fileName;
    };
    const std::vector<Case> cases = {
        {{"darvojhlp.pdf", "darvoehlp.pdf"}, 1, "darvojhlp.pdf"},
        {{"darvojhlp.pdf"}, 1, "darvojhlp.pdf"},
        {{"darvoehlp.pdf"}, 2, "darvoehlp.pdf"},
        {{"DARVOJHLP.PDF", "darvoehlp.pdf"}, 2, "darvoehlp.pdf"},
        {{}, 2, ""},
    };
    for (const Case& c : cases) {
        shared::testing::TemporaryFolder folder;
        CopyProducts(folder, kProductFiles);
        for (const std::string& pdf : c.pdfs) {
            folder.Write(pdf, "%PDF-1.4\n");
        }
        shared::ScriptedSingleInstance instance(false);
        shared::FakeMessages messages;
        const std::optional<StartedProgram> started = StartProgram(instance, messages, folder.Path(), '.');
        ASSERT_TRUE(started);
        EXPECT_TRUE(messages.Shown().empty());
        EXPECT_EQ(started->Facts.HelpLanguage(), c.language) << c.fileName;
        EXPECT_EQ(started->Facts.Help.fileName, c.fileName);
        EXPECT_EQ(started->Facts.ProgramFolder, folder.Path() + "/");
        EXPECT_EQ(started->Facts.DegreeSign, "\u00B0");
        ASSERT_FALSE(started->Products.ProductTable.empty());
        EXPECT_EQ(started->Products.CodeSystem, shared::Eia);
        // The lookups are built: the first EIA part number leads to its record.
        for (std::size_t i = 0; i < started->Products.ProductTable.size(); ++i) {
            const std::string& eia = started->Products.ProductTable[i].PartNumber[shared::Eia];
            if (!eia.empty()) {
                EXPECT_EQ(FindProduct(started->Products, eia), static_cast<std::int32_t>(i));
                break;
            }
        }
    }
}

// The rated voltages of the part numbers are read in the locale's form: a "," locale
// reads "6.3" as 6.3 too, not as 63 or 6.
TEST(ProgramStartTest, RatedVoltagesReadUnderEitherSeparator) {
    shared::testing::TemporaryFolder folder;
    CopyProducts(folder, kProductFiles);
    std::vector<float> voltages[2];
    int slot = 0;
    for (const char separator : {'.', ','}) {
        shared::ScriptedSingleInstance instance(false);
        shared::FakeMessages messages;
        const std::optional<StartedProgram> started =
            StartProgram(instance, messages, folder.Path(), separator);
        ASSERT_TRUE(started);
        for (const ProductRecord& part : started->Products.ProductTable) {
            voltages[slot].push_back(part.RatedVoltage);
        }
        ++slot;
    }
    EXPECT_EQ(voltages[0], voltages[1]);
    EXPECT_NE(std::find(voltages[0].begin(), voltages[0].end(), 6.3F), voltages[0].end());
}

}  // namespace
}  // namespace darvo
