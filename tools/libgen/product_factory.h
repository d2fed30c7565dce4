#ifndef TOOLS_LIBGEN_PRODUCT_FACTORY_H
#define TOOLS_LIBGEN_PRODUCT_FACTORY_H

#include "darvo/library/product_record.h"
#include "tools/libgen/part_number_claims.h"
#include "tools/libgen/product_catalog.h"
#include "tools/libgen/split_mix64.h"

#include <cstdint>
#include <string>
#include <vector>

namespace darvo::libgen {

// The fixed seed of the product sample: its own stream, so a change to the capacitor
// catalogue of the other program leaves these bytes alone.
inline constexpr std::uint64_t kProductSeed = 0x646172766F505244ULL;

// Builds darvo's sample products from the product catalogue, the same on every run.
// Only the fields the product files hold are filled; the program derives the rest.
class ProductFactory {
public:
    ProductFactory() : random_(kProductSeed) {}

    std::vector<ProductRecord> BuildCatalogue();

private:
    void AddRow(const ProductRow& row, std::vector<ProductRecord>& records);
    // Reserves the record's part numbers; false when one is taken already (a fixed
    // thickness row repeating a value of the automatic row).
    bool Claim(const ProductRecord& record);

    pelmo::libgen::SplitMix64 random_;
    pelmo::libgen::PartNumberClaims claims_;
};

// The whole product sample.
std::vector<ProductRecord> GenerateProducts();

}  // namespace darvo::libgen

#endif
