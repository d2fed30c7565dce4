#include "shared/text/decimal_digits.h"

#include <array>
#include <charconv>

namespace shared {

namespace {

// Large enough for "-d.dddddddddddddddde-308" with any precision we ask for.
constexpr std::size_t kScientificBufferSize = 64;

}  // namespace

DecimalDigits DecimalDigits::FromDouble(double value, int significant) {
    std::array<char, kScientificBufferSize> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, significant - 1);
    return FromScientific(buffer.data(), result.ptr);
}

DecimalDigits DecimalDigits::FromFloat(float value, int significant) {
    std::array<char, kScientificBufferSize> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, significant - 1);
    return FromScientific(buffer.data(), result.ptr);
}

// Reads the "-d.ddde+xx" form that std::to_chars writes (never locale-dependent).
DecimalDigits DecimalDigits::FromScientific(const char* begin, const char* end) {
    DecimalDigits number;
    const char* p = begin;
    if (p != end && *p == '-') {
        number.negative_ = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            number.digits_.push_back(*p);
        }
    }
    int exponent = 0;
    if (p != end) {
        ++p;  // 'e'
        const bool negativeExponent = (p != end && *p == '-');
        if (p != end && (*p == '-' || *p == '+')) {
            ++p;
        }
        std::from_chars(p, end, exponent);
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    number.point_ = exponent + 1;
    number.StripTrailingZeros();
    return number;
}

void DecimalDigits::StripTrailingZeros() {
    const auto last = digits_.find_last_not_of('0');
    if (last == std::string::npos) {
        digits_.clear();
        point_ = 0;
        return;
    }
    digits_.erase(last + 1);
}

void DecimalDigits::Shift(int count) noexcept {
    if (!IsZero()) {
        point_ += count;
    }
}

int DecimalDigits::NormaliseTo(int position) noexcept {
    if (IsZero()) {
        return 0;
    }
    const int moved = point_ - position;
    point_ = position;
    return moved;
}

void DecimalDigits::RoundToDecimals(int decimals) {
    if (IsZero()) {
        return;
    }
    const long keep = static_cast<long>(point_) + decimals;
    if (keep >= static_cast<long>(digits_.size())) {
        return;
    }
    if (keep < 0) {
        // Even the first digit lies more than one place beyond the last kept one.
        digits_.clear();
        point_ = 0;
        return;
    }
    const bool roundUp = digits_[static_cast<std::size_t>(keep)] >= '5';
    digits_.erase(static_cast<std::size_t>(keep));
    if (roundUp) {
        auto i = digits_.size();
        while (i > 0 && digits_[i - 1] == '9') {
            digits_[i - 1] = '0';
            --i;
        }
        if (i == 0) {
            digits_.insert(digits_.begin(), '1');
            ++point_;
        } else {
            ++digits_[i - 1];
        }
    }
    StripTrailingZeros();
}

void DecimalDigits::RoundToSignificant(int significant) {
    if (!IsZero()) {
        RoundToDecimals(significant - point_);
    }
}

std::string DecimalDigits::IntegerDigits() const {
    if (IsZero() || point_ <= 0) {
        return {};
    }
    const auto count = static_cast<std::size_t>(point_);
    std::string text = digits_.substr(0, count);
    text.append(count - text.size(), '0');
    return text;
}

std::string DecimalDigits::FractionDigits(int count) const {
    std::string text;
    text.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (int i = 0; i < count; ++i) {
        // Digit i after the point is significant digit point_ + i (0-based).
        const long index = static_cast<long>(point_) + i;
        const bool inside = !IsZero() && index >= 0 && index < static_cast<long>(digits_.size());
        text.push_back(inside ? digits_[static_cast<std::size_t>(index)] : '0');
    }
    return text;
}

}  // namespace shared
