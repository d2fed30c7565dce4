#include "shared/files/little_endian.h"

#include "shared/errors/runtime_error.h"

#include <bit>

namespace shared {

namespace {

std::uint64_t ReadUnsignedLe(std::string_view bytes, std::size_t offset, std::size_t size) {
    if (offset > bytes.size() || bytes.size() - offset < size) {
        throw RuntimeError(error::kSubscriptOutOfRange);
    }
    std::uint64_t value = 0;
    for (std::size_t i = size; i > 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i - 1]);
    }
    return value;
}

void AppendUnsignedLe(std::string& bytes, std::uint64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>(value & 0xFFu));
        value >>= 8;
    }
}

}  // namespace

std::int16_t ReadInt16Le(std::string_view bytes, std::size_t offset) {
    return std::bit_cast<std::int16_t>(static_cast<std::uint16_t>(ReadUnsignedLe(bytes, offset, 2)));
}

std::int32_t ReadInt32Le(std::string_view bytes, std::size_t offset) {
    return std::bit_cast<std::int32_t>(static_cast<std::uint32_t>(ReadUnsignedLe(bytes, offset, 4)));
}

float ReadSingleLe(std::string_view bytes, std::size_t offset) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(ReadUnsignedLe(bytes, offset, 4)));
}

double ReadDoubleLe(std::string_view bytes, std::size_t offset) {
    return std::bit_cast<double>(ReadUnsignedLe(bytes, offset, 8));
}

void AppendInt16Le(std::string& bytes, std::int16_t value) {
    AppendUnsignedLe(bytes, std::bit_cast<std::uint16_t>(value), 2);
}

void AppendInt32Le(std::string& bytes, std::int32_t value) {
    AppendUnsignedLe(bytes, std::bit_cast<std::uint32_t>(value), 4);
}

void AppendSingleLe(std::string& bytes, float value) {
    AppendUnsignedLe(bytes, std::bit_cast<std::uint32_t>(value), 4);
}

void AppendDoubleLe(std::string& bytes, double value) {
    AppendUnsignedLe(bytes, std::bit_cast<std::uint64_t>(value), 8);
}

}  // namespace shared
