#include "darvo/library/product_library.h"

#include "shared/parts/part_sort.h"

namespace darvo {

namespace {

const std::string& PartNumberOf(const ProductRecord& record, shared::CodeSystem codeSystem) {
    return record.PartNumber[codeSystem];
}

}  // namespace

std::int16_t ProductUpper(const ProductLibrary& library) noexcept {
    return static_cast<std::int16_t>(static_cast<long>(library.ProductTable.size()) - 1);
}

shared::CodeSystem GetCodeSystem(const ProductLibrary& library) noexcept {
    return library.CodeSystem;
}

bool SortProducts(ProductLibrary& library, shared::CodeSystem codeSystem, char separator,
                  std::string* diagnostic) {
    bool sorted = false;
    try {
        sorted = shared::SortByPartNumber(library.ProductTable, codeSystem, separator, PartNumberOf,
                                          library.PartIndex, diagnostic);
    } catch (...) {
        // The table is in the new order already; the notation must say so.
        library.CodeSystem = codeSystem;
        throw;
    }
    if (sorted) {
        library.CodeSystem = codeSystem;
    }
    return sorted;
}

std::optional<std::int32_t> FindProduct(const ProductLibrary& library, std::string_view partNumber) {
    return library.PartIndex[library.CodeSystem].Find(partNumber);
}

}  // namespace darvo
