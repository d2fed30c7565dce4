#ifndef SHARED_PARTS_KEY_COLLECTION_H
#define SHARED_PARTS_KEY_COLLECTION_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace shared {

// Part-number lookup: text key to a 32-bit table index. Keys compare without regard to
// letter case (ASCII letters; part numbers are ASCII), so a part typed in lower case is
// found, and two part numbers differing only in case are one key. The collection keeps
// the spelling each key was added with, which the windows put back into a box after a
// lookup so that later position tests see the library's own spelling.
class KeyCollection {
public:
    // Raises RuntimeError 457 (the standard "This key is already associated with an
    // element of this collection") when the key is there already in any letter case,
    // and RuntimeError 5 for an empty key, which no part number is.
    void Add(std::string_view key, std::int32_t index);

    bool Contains(std::string_view key) const;
    std::optional<std::int32_t> Find(std::string_view key) const;
    // The index of a key that must be there; RuntimeError 5 when it is not.
    std::int32_t Item(std::string_view key) const;
    // The key as it was added, or nothing when absent.
    std::optional<std::string> Spelling(std::string_view key) const;

    std::size_t Count() const noexcept { return entries_.size(); }
    void Clear() noexcept { entries_.clear(); }

private:
    struct Entry {
        std::string spelling;
        std::int32_t index;
    };
    const Entry* Lookup(std::string_view key) const;

    // Keyed by the upper-case form.
    std::unordered_map<std::string, Entry> entries_;
};

// Whether the collection holds the key (in any letter case).
bool CollectionHasKey(const KeyCollection& collection, std::string_view key);

}  // namespace shared

#endif
