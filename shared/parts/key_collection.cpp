#include "shared/parts/key_collection.h"

#include "shared/errors/runtime_error.h"

namespace shared {

namespace {

std::string FoldCase(std::string_view key) {
    std::string folded(key);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return folded;
}

}  // namespace

void KeyCollection::Add(std::string_view key, std::int32_t index) {
    if (key.empty()) {
        throw RuntimeError(error::kInvalidProcedureCall);
    }
    const auto [it, added] = entries_.try_emplace(FoldCase(key), Entry{std::string(key), index});
    if (!added) {
        throw RuntimeError(error::kDuplicateKey, std::string(key));
    }
}

const KeyCollection::Entry* KeyCollection::Lookup(std::string_view key) const {
    const auto it = entries_.find(FoldCase(key));
    return it == entries_.end() ? nullptr : &it->second;
}

bool KeyCollection::Contains(std::string_view key) const {
    return Lookup(key) != nullptr;
}

std::optional<std::int32_t> KeyCollection::Find(std::string_view key) const {
    const Entry* entry = Lookup(key);
    return entry ? std::optional<std::int32_t>(entry->index) : std::nullopt;
}

std::int32_t KeyCollection::Item(std::string_view key) const {
    const Entry* entry = Lookup(key);
    if (!entry) {
        throw RuntimeError(error::kInvalidProcedureCall, std::string(key));
    }
    return entry->index;
}

std::optional<std::string> KeyCollection::Spelling(std::string_view key) const {
    const Entry* entry = Lookup(key);
    return entry ? std::optional<std::string>(entry->spelling) : std::nullopt;
}

bool CollectionHasKey(const KeyCollection& collection, std::string_view key) {
    return collection.Contains(key);
}

}  // namespace shared
