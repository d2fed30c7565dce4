#ifndef TOOLS_LIBGEN_SAMPLE_LIBRARY_H
#define TOOLS_LIBGEN_SAMPLE_LIBRARY_H

#include "pelmo/library/records.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace pelmo::libgen {

// The fixed seeds of the sample library. Capacitors and inductors draw from separate
// streams so that a change to one catalogue leaves the other's bytes alone.
inline constexpr std::uint64_t kCapacitorSeed = 0x70656C6D6F434150ULL;
inline constexpr std::uint64_t kInductorSeed = 0x70656C6D6F494E44ULL;

// The most records of a kind the program can load (its counters are 16-bit).
inline constexpr std::size_t kMaxRecords = 32767;

struct SampleLibrary {
    std::vector<CapacitorRecord> capacitors;
    std::vector<InductorRecord> inductors;
};

// The whole sample library, the same on every run. With capacitorCount the capacitor
// table is cut or repeated to exactly that many parts (scale tests); the inductors are
// the usual catalogue either way. A count above kMaxRecords raises RuntimeError 6.
SampleLibrary GenerateSampleLibrary(std::optional<std::size_t> capacitorCount = std::nullopt);

}  // namespace pelmo::libgen

#endif
