#include "shared/parts/part_number_codes.h"

#include "shared/errors/runtime_error.h"
#include "shared/text/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace shared {

namespace {

template <std::size_t N>
bool IsOneOf(std::string_view code, const std::array<std::string_view, N>& codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool IsDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string MidText(std::string_view text, std::size_t start, std::size_t length) {
    if (start < 1 || start > text.size()) {
        return {};
    }
    return std::string(text.substr(start - 1, length));
}

int FrequencyRangeClass(std::string_view partNumber) {
    static constexpr std::array<std::string_view, 7> kClass4Characteristics = {"2C", "3C", "4C", "5C",
                                                                               "6C", "7C", "8C"};
    static constexpr std::array<std::string_view, 4> kClass4Series = {"VSK", "KTA", "KTH", "KTE"};
    static constexpr std::array<std::string_view, 15> kClass5Characteristics = {
        "R9", "L8", "R1", "R3", "R6", "R7", "C7", "D7", "E7", "C8", "D8", "B1", "B3", "F1", "F5"};
    static constexpr std::array<std::string_view, 2> kClass5Series = {"KTE", "KTA"};

    const std::string series = MidText(partNumber, 1, 3);
    const std::string characteristic = MidText(partNumber, 7, 2);
    if (IsInductorNumber(partNumber)) {
        return 1;
    }
    if (series == "VSD" || series == "KTN") {
        return 2;
    }
    if (series == "PNE" || series == "PNN" || series == "PNO") {
        return 3;
    }
    if (IsOneOf(characteristic, kClass4Characteristics) && IsOneOf(series, kClass4Series)) {
        return 4;
    }
    if (IsOneOf(characteristic, kClass5Characteristics) && IsOneOf(series, kClass5Series)) {
        return 5;
    }
    if (series == "KUX") {
        return 6;
    }
    return 0;
}

bool IsInductorNumber(std::string_view partNumber) {
    return MidText(partNumber, 1, 2) == "PW";
}

bool IsLowInductanceSize(std::string_view partNumber) {
    static constexpr std::array<std::string_view, 9> kSizes = {"PNN18", "PNN21", "PNN31", "PNE18", "PNE21",
                                                               "PNE31", "PNO18", "PNO21", "PNO31"};
    return IsOneOf(MidText(partNumber, 1, 5), kSizes);
}

std::string ParseCapacitanceCode(std::string_view partNumber, char separator) {
    const std::string code = MidText(partNumber, 11, 3);
    const std::size_t r = code.find('R');
    if (r != std::string::npos) {
        std::string text = code;
        text[r] = '.';
        if (text[0] == '.') {
            text = "0." + MidText(code, 2, 2);
        }
        if (separator == ',') {
            text = DotToComma(text);
        }
        const std::optional<float> value = ParseSingle(text, separator);
        if (!value) {
            throw RuntimeError(error::kTypeMismatch, std::string(partNumber));
        }
        return GeneralNumberTextSingle(*value, separator);
    }
    if (code.size() < 3 || !IsDigit(code[0]) || !IsDigit(code[1]) || !IsDigit(code[2])) {
        throw RuntimeError(error::kTypeMismatch, std::string(partNumber));
    }
    const double mantissa = (code[0] - '0') * 10 + (code[1] - '0');
    const float value = static_cast<float>(mantissa * std::pow(10.0, code[2] - '0'));
    return GeneralNumberTextSingle(value, separator);
}

std::string RatedVoltageFromCode(std::string_view partNumber) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kVoltages = {
        {{"2H", "500"},
         {"YD", "300"},
         {"2E", "250"},
         {"2D", "200"},
         {"2A", "100"},
         {"1H", "50"},
         {"1E", "25"},
         {"1C", "16"},
         {"1A", "10"},
         {"0J", "6.3"},
         {"0G", "4.0"}}};
    const std::string code = MidText(partNumber, 9, 2);
    for (const auto& [voltageCode, text] : kVoltages) {
        if (code == voltageCode) {
            return std::string(text);
        }
    }
    return {};
}

}  // namespace shared
