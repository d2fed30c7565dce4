#include "shared/parts/sort_key.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/log10.h"
#include "shared/parts/part_number_codes.h"
#include "shared/text/number_text.h"

#include <array>
#include <cmath>
#include <optional>

namespace shared {

namespace {

constexpr std::array<std::string_view, 35> kSeriesAndSize = {
    "KTA02", "KTA03", "KTA15", "KTW15", "KTA18", "KTA21", "KTA31", "KTA32", "KTA43",
    "KTA55", "KTE15", "KTE18", "KTE21", "KTE31", "KTH03", "KTH15", "KTN18", "KTN21",
    "KTN32", "VSD18", "VSD21", "VSD32", "VSK1D", "VSK22", "PNN15", "PNN18", "PNN21",
    "PNN31", "PNE18", "PNE21", "PNE31", "PNO18", "PNO21", "PNO31", "KUX05"};

constexpr std::array<std::string_view, 22> kCharacteristic = {"2C", "3C", "4C", "5C", "6C", "7C", "8C", "R9",
                                                              "L8", "R1", "R3", "R7", "C7", "D7", "E7", "C8",
                                                              "D8", "R6", "B1", "B3", "F1", "F5"};

constexpr std::array<std::string_view, 11> kRatedVoltage = {"2H", "YD", "2E", "2D", "2A", "1H",
                                                            "1E", "1C", "1A", "0J", "0G"};

// Appends the zero-padded weight of code, or explains why there is none.
bool AppendWeight(std::span<const std::string_view> table, std::string_view code, const char* what,
                  std::string& key, std::string& message) {
    const int weight = WeightOf(table, code);
    if (weight < 0) {
        message = std::string(what) + " \"" + std::string(code) + "\" is not in its weight table";
        return false;
    }
    std::string digits = std::to_string(weight);
    const auto width = static_cast<std::size_t>(WeightDigits(table));
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    key += digits;
    return true;
}

}  // namespace

std::span<const std::string_view> SeriesAndSizeWeights() noexcept {
    return kSeriesAndSize;
}
std::span<const std::string_view> CharacteristicWeights() noexcept {
    return kCharacteristic;
}
std::span<const std::string_view> RatedVoltageWeights() noexcept {
    return kRatedVoltage;
}

int WeightOf(std::span<const std::string_view> table, std::string_view code) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int WeightDigits(std::span<const std::string_view> table) {
    const double digits = Log10(static_cast<double>(table.size()), nullptr, std::string()) + 0.001;
    return static_cast<int>(std::ceil(digits));
}

bool BuildSortKey(std::string_view partNumber, char separator, std::string& key, std::string& message) {
    key.clear();
    message.clear();
    if (!AppendWeight(kSeriesAndSize, MidText(partNumber, 1, 5), "Series and size", key, message) ||
        !AppendWeight(kCharacteristic, MidText(partNumber, 7, 2), "Characteristic", key, message)) {
        return false;
    }

    std::string capacitance;
    try {
        capacitance = ParseCapacitanceCode(partNumber, separator);
    } catch (const RuntimeError&) {
        message = "Capacitance code \"" + MidText(partNumber, 11, 3) + "\" is not a number";
        return false;
    }
    const std::optional<double> value = ParseNumber(capacitance, separator);
    if (!value) {
        message = "Capacitance \"" + capacitance + "\" is not a number";
        return false;
    }
    const std::string formatted = Format(*value, "000000000000.00", separator);
    const std::optional<double> readBack = ParseNumber(formatted, separator);
    if (!readBack || *readBack != *value) {
        message = "Capacitance " + capacitance + " does not fit 12 digits and 2 decimals";
        return false;
    }
    key += formatted;

    if (!AppendWeight(kRatedVoltage, MidText(partNumber, 9, 2), "Rated voltage", key, message)) {
        return false;
    }
    key += MidText(partNumber, 6, 1) + MidText(partNumber, 14, 1) + MidText(partNumber, 15, 3);
    return true;
}

}  // namespace shared
