#ifndef TESTS_DARVO_APP_APP_TEST_SUPPORT_H
#define TESTS_DARVO_APP_APP_TEST_SUPPORT_H

#include "darvo/library/product_library.h"
#include "darvo/library/product_loader.h"

#include "shared/text/number_text.h"

#include <cstddef>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace darvo::testing {

// The generated sample products, read with separator and sorted for code.
inline ProductLibrary SampleProducts(shared::CodeSystem code = shared::Eia, char separator = '.') {
    ProductLibrary products = LoadProducts(DARVO_SAMPLE_LIBRARY_DIR, separator);
    if (!SortProducts(products, code, separator)) {
        products.ProductTable.clear();
    }
    return products;
}

// The first product, in table order, that passes the test; -1 when none does.
inline int FindProductWhere(const ProductLibrary& products,
                            const std::function<bool(const ProductRecord&)>& wanted) {
    for (std::size_t i = 0; i < products.ProductTable.size(); ++i) {
        if (wanted(products.ProductTable[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// A product listable for chartType in both notations.
inline int ListableInBoth(const ProductLibrary& products, int chartType) {
    return FindProductWhere(products, [chartType](const ProductRecord& part) {
        return !part.PartNumber[0].empty() && !part.PartNumber[1].empty() &&
               part.ChartAvailable[static_cast<std::size_t>(chartType)];
    });
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace darvo::testing

#endif
