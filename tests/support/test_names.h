#ifndef TESTS_SUPPORT_TEST_NAMES_H
#define TESTS_SUPPORT_TEST_NAMES_H

#include <cctype>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace shared::testing {

// Names of the rows of parameterised suites. GoogleTest names a row by its index and
// prints the row's bytes beside it; ctest lists the tests by those names, so a row
// names itself from what it holds: "Shape1", "Records32767", "Class5_20GHz".
// Only letters, digits and underscores are allowed, and the names of one suite must
// differ.

// A text as a name part: letters and digits stay, a minus sign, a point or a comma
// before a digit becomes "m", "p" or "c" ("-2.5" is "m2p5", "1,5" is "1c5"), anything
// else separates words with one underscore. A text with nothing to keep is "Empty".
inline std::string NameOfText(std::string_view text) {
    std::string name;
    bool separate = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const bool digitFollows =
            i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1])) != 0;
        char kept = 0;
        if (std::isalnum(c) != 0)
            kept = static_cast<char>(c);
        else if (c == '-' && digitFollows)
            kept = 'm';
        else if (c == '.' && digitFollows)
            kept = 'p';
        else if (c == ',' && digitFollows)
            kept = 'c';
        if (kept == 0) {
            separate = !name.empty();
            continue;
        }
        if (separate) name += '_';
        separate = false;
        name += kept;
    }
    return name.empty() ? "Empty" : name;
}

// A text whose every character matters, as in a typed number: each sign is spelled
// out, so " 1,5" and "1.5" keep different names ("Space1Comma5", "1Point5").
inline std::string SpelledText(std::string_view text) {
    std::string name;
    for (const char c : text) {
        switch (c) {
            case ' ':
                name += "Space";
                break;
            case '\t':
                name += "Tab";
                break;
            case '.':
                name += "Point";
                break;
            case ',':
                name += "Comma";
                break;
            case '-':
                name += "Minus";
                break;
            case '+':
                name += "Plus";
                break;
            default:
                name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? std::string(1, c)
                                                                         : "Sign" + std::to_string(+c);
        }
    }
    return name.empty() ? "Empty" : name;
}

// The decimal separator a row runs under.
inline std::string NameOfSeparator(char separator) {
    return separator == '.' ? "Point" : separator == ',' ? "Comma" : NameOfText({&separator, 1});
}

// Any value of a row as a name part: numbers in their shortest exact-enough form
// ("0.5" is "0p5", "1e+06" is "1e06"), truth values as Yes/No, texts as above and lists
// of texts word by word.
template <class T>
std::string NamePart(const T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        return value ? "Yes" : "No";
    } else if constexpr (std::is_arithmetic_v<T>) {
        std::ostringstream text;
        if constexpr (std::is_floating_point_v<T>) text.precision(std::numeric_limits<T>::digits10);
        text << +value;
        std::string written = text.str();
        if (const auto plus = written.find('+'); plus != std::string::npos) written.erase(plus, 1);
        return NameOfText(written);
    } else if constexpr (std::is_convertible_v<T, std::string_view>) {
        return NameOfText(std::string_view(value));
    } else {
        std::string joined;
        for (const auto& item : value) joined += std::string(item) + ' ';
        return NameOfText(joined);
    }
}

// The parts of a row's name joined with underscores.
template <class... Parts>
std::string TestName(const Parts&... parts) {
    std::string name;
    ((name += (name.empty() ? "" : "_") + NamePart(parts)), ...);
    return name;
}

}  // namespace shared::testing

#endif
