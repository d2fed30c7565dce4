#ifndef SHARED_PARTS_CODE_SYSTEM_H
#define SHARED_PARTS_CODE_SYSTEM_H

namespace shared {

// The notation part numbers, size codes and temperature characteristics are shown in.
// The values index every two-notation field and the two part-number lookups, so they
// are kept as plain integers 0 and 1; the View menu check mark decides which is in
// force and the program state holds it.
enum CodeSystem : int { Eia = 0, Jis = 1 };

// The other notation: a record whose part number is empty in one notation takes its
// codes from the other.
constexpr CodeSystem OtherCodeSystem(CodeSystem codeSystem) noexcept {
    return codeSystem == Eia ? Jis : Eia;
}

}  // namespace shared

#endif
