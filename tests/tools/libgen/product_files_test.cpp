// The generated product files: the same bytes on every run, read back by the program's
// own loader and sorted in both notations.

#include "darvo/library/product_files.h"

#include "darvo/library/product_loader.h"
#include "darvo/library/product_writer.h"
#include "tools/libgen/product_factory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace darvo::libgen {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ProductFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        // One folder per process and test: other builds may run these tests at once.
        folder_ =
            fs::temp_directory_path() / ("libgen_products_test_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    int RunGenerator(const fs::path& out) const {
        const std::string command =
            std::string("\"") + LIBGEN_EXECUTABLE + "\" --out \"" + out.string() + "\" > /dev/null 2>&1";
        return std::system(command.c_str());
    }

    fs::path folder_;
};

TEST_F(ProductFilesTest, TwoRunsWriteIdenticalBytes) {
    ASSERT_EQ(RunGenerator(folder_ / "first"), 0);
    ASSERT_EQ(RunGenerator(folder_ / "second"), 0);
    const auto products = GenerateProducts();
    const std::string index = Slurp(folder_ / "first" / kProductIndexFile);
    const std::string model = Slurp(folder_ / "first" / kProductModelFile);
    EXPECT_EQ(index, Slurp(folder_ / "second" / kProductIndexFile));
    EXPECT_EQ(model, Slurp(folder_ / "second" / kProductModelFile));
    EXPECT_EQ(index, ProductIndexText(products));
    EXPECT_EQ(model, ProductModelFile(products));
    ASSERT_EQ(model.size(), products.size() * kProductModelSize);
    for (std::size_t i = 0; i < products.size(); ++i) {
        EXPECT_EQ(model.substr(i * kProductModelSize, 12), std::string(12, '\0')) << i;
    }
}

TEST_F(ProductFilesTest, WithoutAFolderTheGeneratorRefuses) {
    const std::string command = std::string("\"") + LIBGEN_EXECUTABLE + "\" > /dev/null 2>&1";
    EXPECT_NE(std::system(command.c_str()), 0);
}

TEST_F(ProductFilesTest, TheProgramLoadsAndSortsThem) {
    ASSERT_EQ(RunGenerator(folder_), 0);
    ProductLibrary library = LoadProducts(folder_.string(), '.');
    const auto products = GenerateProducts();
    ASSERT_EQ(library.ProductTable.size(), products.size());
    for (std::size_t i = 0; i < products.size(); ++i) {
        const ProductRecord& read = library.ProductTable[i];
        EXPECT_EQ(read.PartNumber, products[i].PartNumber);
        EXPECT_EQ(read.ChartAvailable, products[i].ChartAvailable);
        EXPECT_EQ(read.CapModel, products[i].CapModel);
        EXPECT_EQ(read.HeatModel, products[i].HeatModel);
        // Peaked parts take their percentages of 1.2 x the nominal value.
        const bool peaked = read.TempChar[shared::Eia] == "Y5V" && !read.PolynomialModel;
        EXPECT_EQ(read.CapacitanceBasis,
                  static_cast<float>(static_cast<double>(read.NominalCapacitance) * (peaked ? 1.2 : 1.05)))
            << read.PartNumber[0];
        EXPECT_GT(read.RatedVoltage, 0.0F);
        EXPECT_GT(read.NominalCapacitance, 0.0F);
    }
    for (const shared::CodeSystem codeSystem : {shared::Jis, shared::Eia}) {
        std::string diagnostic;
        ASSERT_TRUE(SortProducts(library, codeSystem, '.', &diagnostic)) << diagnostic;
        std::size_t withNumber = 0;
        bool seenNumber = false;
        for (const ProductRecord& record : library.ProductTable) {
            const bool has = !record.PartNumber[codeSystem].empty();
            EXPECT_TRUE(has || !seenNumber) << "an empty part number after a listed one";
            seenNumber = seenNumber || has;
            withNumber += has ? 1 : 0;
        }
        EXPECT_EQ(library.PartIndex[codeSystem].Count(), withNumber);
    }
}

}  // namespace
}  // namespace darvo::libgen
