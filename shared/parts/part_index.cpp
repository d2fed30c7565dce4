#include "shared/parts/part_index.h"

#include <cstdint>
#include <utility>

namespace shared {

void PartIndex::Rebuild(std::size_t count,
                        const std::function<std::string(std::size_t, CodeSystem)>& partNumberOf) {
    Clear();
    std::array<KeyCollection, 2> rebuilt;
    for (std::size_t u = 0; u < count; ++u) {
        for (const CodeSystem notation : {Eia, Jis}) {
            const std::string partNumber = partNumberOf(u, notation);
            if (!partNumber.empty()) {
                rebuilt[notation].Add(partNumber, static_cast<std::int32_t>(u));
            }
        }
    }
    lookups_ = std::move(rebuilt);
}

void PartIndex::Clear() noexcept {
    lookups_[Eia].Clear();
    lookups_[Jis].Clear();
}

}  // namespace shared
