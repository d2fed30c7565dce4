#include "tools/libgen/split_mix64.h"

namespace pelmo::libgen {

std::uint64_t SplitMix64::Next() noexcept {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

double SplitMix64::NextUnit() noexcept {
    return static_cast<double>(Next() >> 11U) * 0x1.0p-53;
}

double SplitMix64::Between(double low, double high) noexcept {
    return low + (high - low) * NextUnit();
}

double SplitMix64::Scatter(double spread) noexcept {
    return Between(1.0 - spread, 1.0 + spread);
}

}  // namespace pelmo::libgen
