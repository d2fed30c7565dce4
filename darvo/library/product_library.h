#ifndef DARVO_LIBRARY_PRODUCT_LIBRARY_H
#define DARVO_LIBRARY_PRODUCT_LIBRARY_H

#include "darvo/library/product_record.h"

#include "shared/parts/code_system.h"
#include "shared/parts/part_index.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace darvo {

// The products the program charts, read once at start and afterwards only reordered,
// and the notation that order and the lookups follow. The program owns one and hands
// it to its windows; tests build several side by side.
//
// CodeSystem is the notation in force: EIA at start, changed only by SortProducts, so
// the table order, PartIndex and GetCodeSystem never disagree.
struct ProductLibrary {
    std::vector<ProductRecord> ProductTable;
    shared::PartIndex PartIndex;
    shared::CodeSystem CodeSystem = shared::Eia;
};

// The upper bound of ProductTable: the count minus one, -1 when it is empty. The
// loader refuses more than 32767 products, so the value fits the 16 bits the windows
// count in.
std::int16_t ProductUpper(const ProductLibrary& library) noexcept;

// The notation in force (0 EIA, 1 JIS).
shared::CodeSystem GetCodeSystem(const ProductLibrary& library) noexcept;

// Puts ProductTable into catalogue order for codeSystem, rebuilds both lookups and makes
// codeSystem the notation in force; at the selection window's start and on every
// notation change. Products without a part number in that notation come first. The
// derived values are left as the start computed them. The sort keys write the
// capacitance with separator.
//
// Returns false when a part number has no sort key; table, lookups and notation are
// then as they were, and the caller shows shared::kSortErrorMessage ("Sort Error!") and
// ends. The reason, for developers only, goes to diagnostic when given.
//
// A part number that occurs twice in one notation (letter case ignored) raises
// shared::RuntimeError 457 from the rebuild: the second part could never be chosen.
// The table has then been reordered and both lookups are empty.
[[nodiscard]] bool SortProducts(ProductLibrary& library, shared::CodeSystem codeSystem, char separator,
                                std::string* diagnostic = nullptr);

// The table index of a part number (any letter case) in the notation in force.
std::optional<std::int32_t> FindProduct(const ProductLibrary& library, std::string_view partNumber);

}  // namespace darvo

#endif
