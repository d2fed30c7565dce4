#ifndef SHARED_CANVAS_RGB_H
#define SHARED_CANVAS_RGB_H

#include <cstdint>

namespace shared {

// A 24-bit colour. A struct rather than a packed integer so that red and blue can never
// be swapped by a byte-order convention (the classic 0x00BBGGRR long invites exactly that).
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// Colours every chart names; kept here so drawing code and tests spell them once.
namespace colors {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
}  // namespace colors

}  // namespace shared

#endif
