#ifndef PELMO_LIBRARY_LIBRARY_FILES_H
#define PELMO_LIBRARY_LIBRARY_FILES_H

#include <cstddef>

namespace pelmo {

// The four library files beside the program. Their layouts are fixed by the data the
// maker delivers, so the reader and the writer share these numbers and nothing else
// may invent its own.
inline constexpr const char* kCapacitorIndexFile = "cap.idx";
inline constexpr const char* kCapacitorModelFile = "cap.dat";
inline constexpr const char* kInductorIndexFile = "ind.idx";
inline constexpr const char* kInductorModelFile = "ind.dat";

// Fields of one index record; a record may span lines, so the reader counts fields.
inline constexpr std::size_t kCapacitorIndexFields = 30;
inline constexpr std::size_t kInductorIndexFields = 10;

// Bytes of one model record (little-endian, no padding).
inline constexpr std::size_t kCapacitorModelSize = 178;
inline constexpr std::size_t kInductorModelSize = 44;

// Byte offsets of the three blocks of a capacitor model record.
inline constexpr std::size_t kCapacitorBranchOffset = 0;       // 11 singles
inline constexpr std::size_t kCapacitorModelTypeOffset = 44;   // 16-bit integer
inline constexpr std::size_t kCapacitorPolynomialOffset = 46;  // 20 singles
inline constexpr std::size_t kCapacitorPeakOffset = 126;       // 13 singles

// The record counters of the windows are 16-bit, so a library holds at most this many
// records of a kind; one more stops the start.
inline constexpr long kMaxLibraryRecords = 32767;

}  // namespace pelmo

#endif
