// Ordering the product table in both notations and the part-number lookups.

#include "darvo/library/derived_values.h"
#include "darvo/library/product_library.h"
#include "tests/darvo/library/product_fixtures.h"

#include "shared/parts/part_sort.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace darvo {
namespace {

using testing::SampleProduct;

// A: both notations; B: both, larger value; C: JIS only; D: both, another size;
// E: EIA only, a characteristic that sorts after A's.
ProductLibrary SampleLibrary() {
    ProductLibrary library;
    library.ProductTable = {
        SampleProduct(1, "KTA18XR61A105KA88", "KTA18XB11A105KA88", "X5R", "B"),  // D
        SampleProduct(2, "KTA15XC70J225KA88", "", "X7S", ""),                    // E
        SampleProduct(3, "KTA15XR71C103KA88", "KTA15XB31C103KA88"),              // B
        SampleProduct(4, "", "KTA18XB11A102KJ01", "", "B"),                      // C
        SampleProduct(5, "KTA15XR71H101KA88", "KTA15XB31H101KA88"),              // A
    };
    for (ProductRecord& record : library.ProductTable) {
        DeriveProductValues(record, shared::Eia, '.');
    }
    return library;
}

std::vector<std::string> Order(const ProductLibrary& library, shared::CodeSystem codeSystem) {
    std::vector<std::string> numbers;
    for (const ProductRecord& record : library.ProductTable) {
        numbers.push_back(record.PartNumber[codeSystem].empty()
                              ? "(" + record.PartNumber[shared::OtherCodeSystem(codeSystem)] + ")"
                              : record.PartNumber[codeSystem]);
    }
    return numbers;
}

TEST(ProductOrder, BothNotationsWithEmptyPartNumbersFirst) {
    ProductLibrary library = SampleLibrary();
    EXPECT_EQ(GetCodeSystem(library), shared::Eia);

    ASSERT_TRUE(SortProducts(library, shared::Eia, '.'));
    EXPECT_EQ(Order(library, shared::Eia),
              (std::vector<std::string>{"(KTA18XB11A102KJ01)", "KTA15XR71H101KA88", "KTA15XR71C103KA88",
                                        "KTA15XC70J225KA88", "KTA18XR61A105KA88"}));
    EXPECT_EQ(GetCodeSystem(library), shared::Eia);

    ASSERT_TRUE(SortProducts(library, shared::Jis, '.'));
    EXPECT_EQ(Order(library, shared::Jis),
              (std::vector<std::string>{"(KTA15XC70J225KA88)", "KTA15XB31H101KA88", "KTA15XB31C103KA88",
                                        "KTA18XB11A102KJ01", "KTA18XB11A105KA88"}));
    EXPECT_EQ(GetCodeSystem(library), shared::Jis);
}

TEST(ProductOrder, LookupsPointAtTheMovedRecords) {
    ProductLibrary library = SampleLibrary();
    for (const shared::CodeSystem codeSystem : {shared::Jis, shared::Eia, shared::Jis}) {
        ASSERT_TRUE(SortProducts(library, codeSystem, '.'));
        for (const shared::CodeSystem notation : {shared::Eia, shared::Jis}) {
            EXPECT_EQ(library.PartIndex[notation].Count(), 4U);
            for (std::size_t i = 0; i < library.ProductTable.size(); ++i) {
                const std::string& number = library.ProductTable[i].PartNumber[notation];
                if (!number.empty()) {
                    EXPECT_EQ(library.PartIndex[notation].Find(number), static_cast<std::int32_t>(i));
                }
            }
        }
    }
    // FindProduct resolves in the notation in force, in any letter case.
    const auto found = FindProduct(library, "kta18xb11a102kj01");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(library.ProductTable[static_cast<std::size_t>(*found)].PartNumber[shared::Jis],
              "KTA18XB11A102KJ01");
    EXPECT_FALSE(FindProduct(library, "KTA15XR71H101KA88").has_value());
}

TEST(ProductOrder, DerivedValuesStayAsTheStartComputedThem) {
    ProductLibrary library;
    // A polynomial-model Y5V part is plain in EIA but would be peaked as "F" in JIS.
    ProductRecord record = SampleProduct(1, "KTA18XF51E105ZA88", "KTA18XF51E105ZA88", "Y5V", "F");
    record.PolynomialModel = true;
    DeriveProductValues(record, shared::Eia, '.');
    library.ProductTable = {record};
    ASSERT_TRUE(SortProducts(library, shared::Jis, '.'));
    EXPECT_EQ(library.ProductTable[0].CapacitanceBasis, static_cast<float>(static_cast<double>(1e6F) * 1.05));
}

TEST(ProductOrder, UnsortablePartNumberLeavesEverythingAsItWas) {
    ProductLibrary library = SampleLibrary();
    ASSERT_TRUE(SortProducts(library, shared::Eia, '.'));
    library.ProductTable[2].PartNumber[shared::Jis] = "ZZZ15XB31H101KA88";
    const std::vector<std::string> before = Order(library, shared::Eia);

    std::string diagnostic;
    EXPECT_FALSE(SortProducts(library, shared::Jis, '.', &diagnostic));
    EXPECT_FALSE(diagnostic.empty());
    EXPECT_EQ(Order(library, shared::Eia), before);
    EXPECT_EQ(GetCodeSystem(library), shared::Eia);
    EXPECT_EQ(library.PartIndex[shared::Eia].Count(), 4U);
}

TEST(ProductOrder, DuplicatePartNumberStopsWithEmptyLookups) {
    ProductLibrary library = SampleLibrary();
    library.ProductTable[4].PartNumber[shared::Eia] = "KTA15XC70J225KA88";
    try {
        (void)SortProducts(library, shared::Eia, '.');
        FAIL() << "no failure";
    } catch (const shared::RuntimeError& error) {
        EXPECT_EQ(error.Number(), 457);
    }
    EXPECT_EQ(library.PartIndex[shared::Eia].Count(), 0U);
    EXPECT_EQ(library.PartIndex[shared::Jis].Count(), 0U);
    EXPECT_EQ(GetCodeSystem(library), shared::Eia);
}

TEST(ProductOrder, EqualEmptyKeysKeepTheClassicQuicksortOrder) {
    ProductLibrary library;
    for (int i = 0; i < 5; ++i) {
        library.ProductTable.push_back(
            SampleProduct(i, "", "KTA18XB11A10" + std::to_string(i) + "KJ01", "", "B"));
    }
    std::vector<std::string> keys(5);
    const std::vector<std::size_t> expected = shared::QuickSortOrder(keys);
    std::vector<std::string> expectedOrder;
    for (const std::size_t former : expected) {
        expectedOrder.push_back(library.ProductTable[former].PartNumber[shared::Jis]);
    }
    ASSERT_TRUE(SortProducts(library, shared::Eia, '.'));
    std::vector<std::string> order;
    for (const ProductRecord& record : library.ProductTable) {
        order.push_back(record.PartNumber[shared::Jis]);
    }
    EXPECT_EQ(order, expectedOrder);
}

}  // namespace
}  // namespace darvo
