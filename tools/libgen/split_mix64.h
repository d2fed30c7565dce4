#ifndef TOOLS_LIBGEN_SPLIT_MIX64_H
#define TOOLS_LIBGEN_SPLIT_MIX64_H

#include <cstdint>

namespace pelmo::libgen {

// The generator's only source of variation. The sample library must come out byte for
// byte the same on every machine and compiler, so the numbers are made here with plain
// integer arithmetic instead of the standard distributions, whose algorithms are left
// to each library vendor.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) noexcept : state_(seed) {}

    std::uint64_t Next() noexcept;
    // Uniform in [0, 1), from the top 53 bits, so every double is exactly reproducible.
    double NextUnit() noexcept;
    // Uniform in [low, high).
    double Between(double low, double high) noexcept;
    // A factor in [1 - spread, 1 + spread): the part-to-part scatter of a parameter.
    double Scatter(double spread) noexcept;

private:
    std::uint64_t state_;
};

}  // namespace pelmo::libgen

#endif
