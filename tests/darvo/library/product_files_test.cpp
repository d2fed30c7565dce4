// The product files: the writer's bytes, the loader's round trip and its refusals.

#include "darvo/library/product_files.h"

#include "darvo/library/product_loader.h"
#include "darvo/library/product_writer.h"
#include "tests/darvo/library/product_fixtures.h"

#include "shared/errors/start_failure.h"
#include "shared/files/little_endian.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace darvo {
namespace {

using testing::SampleProduct;
using testing::TemporaryFolder;

TEST(ProductWriter, ModelRecordHasTheFileLayout) {
    ProductRecord record = SampleProduct(3, "KTA15XR71H101KA88", "");
    record.PolynomialModel = true;
    const std::string bytes = ProductModelBytes(record);
    ASSERT_EQ(bytes.size(), 290U);
    EXPECT_EQ(bytes.substr(0, 12), std::string(12, '\0'));
    EXPECT_EQ(shared::ReadInt16Le(bytes, 12), -1);
    EXPECT_EQ(shared::ReadSingleLe(bytes, 14), record.CapModel[0]);
    EXPECT_EQ(shared::ReadSingleLe(bytes, 14 + 4 * 30), record.CapModel[30]);
    EXPECT_EQ(shared::ReadSingleLe(bytes, 138), record.HeatModel[0]);
    EXPECT_EQ(shared::ReadSingleLe(bytes, 138 + 4 * 37), record.HeatModel[37]);

    record.PolynomialModel = false;
    EXPECT_EQ(shared::ReadInt16Le(ProductModelBytes(record), 12), 0);
}

TEST(ProductWriter, IndexLineQuotesEveryFieldAndRefusesUnwritableText) {
    ProductRecord record = SampleProduct(1, "KTA15XR71H101KA88", "");
    record.SizeCode = {"04,02", " 1005 "};
    EXPECT_EQ(ProductIndexLine(record), "\"KTA15XR71H101KA88\",\"\",\"04,02\",\" 1005 \",\"X7R\",\"B\"\r\n");

    for (const std::string bad : {"a\"b", "a\rb", "a\nb"}) {
        record.TempChar[1] = bad;
        EXPECT_THROW(ProductIndexLine(record), shared::RuntimeError) << bad;
    }
}

TEST(ProductLoader, ReadsBackWhatTheWriterWrote) {
    TemporaryFolder folder;
    std::vector<ProductRecord> written = {
        SampleProduct(1, "KTA15XR71H101KA88", "KTA15XB31H101KA88"),
        SampleProduct(2, "", "KTA18XB11A102KJ01", "", "B"),
        SampleProduct(3, "KTA21XC70J225KA88", ""),
    };
    written[1].SizeCode = {"06,03", "1608"};  // a quoted comma stays in its field
    WriteProductFiles(folder.Path(), written);

    const ProductLibrary library = LoadProducts(folder.Path(), '.');
    ASSERT_EQ(library.ProductTable.size(), 3U);
    EXPECT_EQ(ProductUpper(library), 2);
    for (std::size_t i = 0; i < written.size(); ++i) {
        const ProductRecord& read = library.ProductTable[i];
        EXPECT_EQ(read.PartNumber, written[i].PartNumber) << i;
        EXPECT_EQ(read.SizeCode, written[i].SizeCode) << i;
        EXPECT_EQ(read.TempChar, written[i].TempChar) << i;
        EXPECT_EQ(read.PolynomialModel, written[i].PolynomialModel) << i;
        EXPECT_EQ(read.CapModel, written[i].CapModel) << i;
        EXPECT_EQ(read.HeatModel, written[i].HeatModel) << i;
    }
    // Derived values come from the part number, the EIA one when there is one.
    EXPECT_FLOAT_EQ(library.ProductTable[1].NominalCapacitance, 1000.0F);
    EXPECT_FLOAT_EQ(library.ProductTable[1].RatedVoltage, 10.0F);
    EXPECT_FLOAT_EQ(library.ProductTable[2].NominalCapacitance, 2.2e6F);
    EXPECT_FLOAT_EQ(library.ProductTable[2].RatedVoltage, 6.3F);
}

TEST(ProductLoader, ReadsTheIndexAsSequentialInputDoes) {
    TemporaryFolder folder;
    std::vector<ProductRecord> records = {SampleProduct(1, "KTA15XR71H101KA88", ""),
                                          SampleProduct(2, "KTA15XR71H151KA88", "")};
    folder.Write(kProductModelFile, ProductModelFile(records));
    // Unquoted fields lose their blanks, a record may span lines, blank lines at the end
    // add nothing.
    folder.Write(kProductIndexFile,
                 "  KTA15XR71H101KA88 ,,0402, 1005,X7R,B\n"
                 "\"KTA15XR71H151KA88\",\"\",\"0402\"\n\"1005\",\"X7R\",\"B\"\r\n\r\n\n");
    const ProductLibrary library = LoadProducts(folder.Path(), '.');
    ASSERT_EQ(library.ProductTable.size(), 2U);
    EXPECT_EQ(library.ProductTable[0].PartNumber[0], "KTA15XR71H101KA88");
    EXPECT_EQ(library.ProductTable[0].SizeCode[1], "1005");
    EXPECT_EQ(library.ProductTable[1].SizeCode[1], "1005");
    EXPECT_EQ(library.ProductTable[1].TempChar[1], "B");
}

TEST(ProductLoader, EmptyFilesGiveAnEmptyTable) {
    TemporaryFolder folder;
    folder.Write(kProductIndexFile, "");
    folder.Write(kProductModelFile, "");
    const ProductLibrary library = LoadProducts(folder.Path(), '.');
    EXPECT_TRUE(library.ProductTable.empty());
    EXPECT_EQ(ProductUpper(library), -1);
}

TEST(ProductLoader, ExtraModelBytesAreIgnored) {
    TemporaryFolder folder;
    const std::vector<ProductRecord> records = {SampleProduct(1, "KTA15XR71H101KA88", "")};
    folder.Write(kProductIndexFile, ProductIndexText(records));
    folder.Write(kProductModelFile, ProductModelFile(records) + std::string(300, '\x7f'));
    EXPECT_EQ(LoadProducts(folder.Path(), '.').ProductTable.size(), 1U);
}

struct FailureCase {
    const char* name;
    std::string index;    // product.idx bytes; "-" leaves the file out
    int modelRecords;     // complete records in product.dat; -1 leaves the file out
    int extraModelBytes;  // bytes of a partial record after them
    int number;
    std::string descriptionPart;
};

class ProductLoaderFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ProductLoaderFailure, ReportsUnderTheStartTitleAndNamesTheCulprit) {
    const FailureCase& c = GetParam();
    TemporaryFolder folder;
    if (c.index != "-") {
        folder.Write(kProductIndexFile, c.index);
    }
    if (c.modelRecords >= 0) {
        std::string bytes;
        for (int i = 0; i < c.modelRecords; ++i) {
            bytes += ProductModelBytes(SampleProduct(i, "", ""));
        }
        bytes += std::string(static_cast<std::size_t>(c.extraModelBytes), '\0');
        folder.Write(kProductModelFile, bytes);
    }
    try {
        (void)LoadProducts(folder.Path(), '.');
        FAIL() << "no failure";
    } catch (const shared::StartFailure& failure) {
        EXPECT_EQ(failure.Title(), "darvo:mdlPublic.Main");
        EXPECT_EQ(failure.Number(), c.number);
        EXPECT_NE(failure.Description().find(c.descriptionPart), std::string::npos) << failure.Description();
    }
}

const std::string kLine1 = "\"KTA15XR71H101KA88\",\"\",\"0402\",\"1005\",\"X7R\",\"B\"\r\n";
const std::string kLine2 = "\"KTA15XR71H151KA88\",\"\",\"0402\",\"1005\",\"X7R\",\"B\"\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ProductLoaderFailure,
    ::testing::Values(FailureCase{"MissingIndex", "-", 1, 0, 53, "product.idx"},
                      FailureCase{"MissingModel", kLine1, -1, 0, 53, "product.dat"},
                      FailureCase{"ShortModel", kLine1 + kLine2, 1, 289, 62,
                                  "product.dat: it holds 1 complete records of 290 bytes, but product.idx "
                                  "lists 2 products."},
                      FailureCase{"EmptyModel", kLine1, 0, 0, 62, "product.dat"},
                      FailureCase{"IncompleteLastRecord", kLine1 + "\"KTA15XR71H151KA88\",\"\",\"0402\"\r\n",
                                  2, 0, 62, "product.idx: the last record has fewer than six fields"},
                      FailureCase{"UnknownVoltageCode",
                                  kLine1 + "\"KTA15XR79Z151KA88\",\"\",\"0402\",\"1005\",\"X7R\",\"B\"\r\n",
                                  2, 0, 13,
                                  "product.idx record 2: Part KTA15XR79Z151KA88: the rated-voltage code "
                                  "\"9Z\" is not known."},
                      FailureCase{"CapacitanceCodeNoNumber",
                                  "\"KTA15XR71H1X1KA88\",\"\",\"0402\",\"1005\",\"X7R\",\"B\"\r\n", 1, 0, 13,
                                  "Part KTA15XR71H1X1KA88: the capacitance code \"1X1\" is not a number."},
                      FailureCase{"NoPartNumber", "\"\",\"\",\"0402\",\"1005\",\"X7R\",\"B\"\r\n", 1, 0, 13,
                                  "product.idx record 1: A product has no part number"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(ProductLoader, RefusesMoreProductsThanTheWindowsCanCount) {
    TemporaryFolder folder;
    std::string index;
    index.reserve(32768 * 12);
    for (int i = 0; i < 32768; ++i) {
        index += "a,b,c,d,e,f\n";
    }
    folder.Write(kProductIndexFile, index);
    try {
        (void)LoadProducts(folder.Path(), '.');
        FAIL() << "no failure";
    } catch (const shared::StartFailure& failure) {
        EXPECT_EQ(failure.Number(), 6);
        EXPECT_EQ(failure.Title(), kStartFailureTitle);
    }
}

TEST(ProductLoader, CountingPassCountsSixFieldGroups) {
    TemporaryFolder folder;
    folder.Write(kProductIndexFile, "a,b,c,d,e,f,g,h,i,j,k,l\n\n");
    EXPECT_EQ(CountProductRecords(folder.Path() + "/" + kProductIndexFile), 2U);
}

}  // namespace
}  // namespace darvo
