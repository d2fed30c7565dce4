#ifndef DARVO_LIBRARY_PRODUCT_FILES_H
#define DARVO_LIBRARY_PRODUCT_FILES_H

#include <cstddef>

namespace darvo {

// The two product files beside the program. Their layout is fixed by the data the maker
// delivers, so the reader and the writer share these numbers and nothing else may
// invent its own.
inline constexpr const char* kProductIndexFile = "product.idx";
inline constexpr const char* kProductModelFile = "product.dat";

// Fields of one index record; a record may span lines, so the reader counts fields.
inline constexpr std::size_t kProductIndexFields = 6;

// Bytes of one model record (little-endian, no header) and its blocks.
inline constexpr std::size_t kProductModelSize = 290;
inline constexpr std::size_t kProductUnreadBytes = 12;
inline constexpr std::size_t kPolynomialFlagOffset = 12;  // 16-bit integer, -1 / 0
inline constexpr std::size_t kCapModelOffset = 14;        // 31 singles
inline constexpr std::size_t kHeatModelOffset = 138;      // 38 singles

inline constexpr std::size_t kCapModelCount = 31;
inline constexpr std::size_t kHeatModelCount = 38;
// The capacitance coefficients that the temperature and DC-voltage charts use; the
// rest belong to the AC-voltage chart alone.
inline constexpr std::size_t kCapModelStaticCount = 25;

// The table's bound is a 16-bit upper index, so it holds at most this many products.
inline constexpr long kMaxProducts = 32767;

}  // namespace darvo

#endif
