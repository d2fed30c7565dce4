#include "tools/libgen/sample_library.h"

#include "tools/libgen/capacitor_factory.h"
#include "tools/libgen/inductor_factory.h"
#include "tools/libgen/split_mix64.h"

#include "shared/errors/runtime_error.h"

namespace pelmo::libgen {

SampleLibrary GenerateSampleLibrary(std::optional<std::size_t> capacitorCount) {
    if (capacitorCount && *capacitorCount > kMaxRecords) {
        throw shared::RuntimeError(shared::error::kOverflow, "libgen",
                                   "A library holds at most 32767 capacitors.");
    }
    SampleLibrary library;
    SplitMix64 capacitorRandom(kCapacitorSeed);
    library.capacitors = CapacitorFactory(capacitorRandom).BuildCatalogue();
    if (capacitorCount) {
        library.capacitors = ResizeCatalogue(library.capacitors, *capacitorCount);
    }
    SplitMix64 inductorRandom(kInductorSeed);
    library.inductors = InductorFactory(inductorRandom).BuildCatalogue();
    return library;
}

}  // namespace pelmo::libgen
