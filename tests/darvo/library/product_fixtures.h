#ifndef TESTS_DARVO_LIBRARY_PRODUCT_FIXTURES_H
#define TESTS_DARVO_LIBRARY_PRODUCT_FIXTURES_H

#include "darvo/library/product_record.h"
#include "support/temporary_folder.h"

#include <string>

namespace darvo::testing {

// A product whose coefficients all differ from each other and from its neighbours', so
// a value read from the wrong offset or in the wrong order shows.
inline ProductRecord SampleProduct(int n, const std::string& eia, const std::string& jis,
                                   const std::string& eiaChar = "X7R", const std::string& jisChar = "B") {
    ProductRecord r;
    r.PartNumber = {eia, jis};
    r.SizeCode = {"0402", "1005"};
    r.TempChar = {eiaChar, jisChar};
    r.PolynomialModel = n % 2 == 1;
    const float base = static_cast<float>(n) * 1000.0F;
    for (std::size_t k = 0; k < r.CapModel.size(); ++k) {
        r.CapModel[k] = base + 0.5F + static_cast<float>(k);
    }
    for (std::size_t k = 0; k < r.HeatModel.size(); ++k) {
        r.HeatModel[k] = -base - 0.25F - static_cast<float>(k);
    }
    return r;
}

using shared::testing::TemporaryFolder;

}  // namespace darvo::testing

#endif
