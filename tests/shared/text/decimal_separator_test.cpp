#include "shared/text/number_text.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace shared {
namespace {

TEST(DecimalSeparator, TheGivenSeparatorReachesEveryConversion) {
    EXPECT_EQ(Format(1234.5, "#,##0.00", ','), "1.234,50");
    EXPECT_EQ(GeneralNumberText(0.5, ','), "0,5");
    EXPECT_EQ(ParseNumber("0,5", ','), 0.5);
    EXPECT_FALSE(IsNumeric("0.5", ','));
    EXPECT_TRUE(IsNumeric("0,5", ','));
    EXPECT_EQ(Format(1234.5, "#,##0.00", '.'), "1,234.50");
    EXPECT_TRUE(IsNumeric("0.5", '.'));
    EXPECT_FALSE(IsNumeric("0,5", '.'));
}

TEST(GroupSeparatorFor, NeverEqualsTheDecimalSeparator) {
    EXPECT_EQ(GroupSeparatorFor('.'), ',');
    EXPECT_EQ(GroupSeparatorFor(','), '.');
}

TEST(DotToComma, ReplacesEveryDot) {
    EXPECT_EQ(DotToComma("1.5"), "1,5");
    EXPECT_EQ(DotToComma("a.b.c."), "a,b,c,");
    EXPECT_EQ(DotToComma("1,5"), "1,5");
    EXPECT_EQ(DotToComma(""), "");
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            had_ = true;
            old_ = old;
        }
        setenv(name, value, 1);
    }
    ~ScopedEnvironment() {
        if (had_) {
            setenv(name_, old_.c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

TEST(DecimalSeparatorFromEnvironment, ReadsTheLocaleAndLeavesTheCLibraryAsItWas) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    {
        ScopedEnvironment all("LC_ALL", "C");
        EXPECT_EQ(DecimalSeparatorFromEnvironment(), '.');
    }
    EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), before);
}

TEST(DecimalSeparatorFromEnvironment, CommaLocale) {
    const char* candidates[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"};
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : candidates) {
        if (std::setlocale(LC_NUMERIC, name) == nullptr) {
            continue;
        }
        std::setlocale(LC_NUMERIC, before.c_str());
        ScopedEnvironment all("LC_ALL", name);
        EXPECT_EQ(DecimalSeparatorFromEnvironment(), ',');
        EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), before);
        // The toolkit sets the C library locale from the environment at start; none of
        // our texts may change with it.
        std::setlocale(LC_NUMERIC, name);
        EXPECT_EQ(Format(1.5, "0.00", '.'), "1.50");
        EXPECT_EQ(GeneralNumberText(1.5, '.'), "1.5");
        EXPECT_EQ(ParseNumber("1.5", '.'), 1.5);
        EXPECT_EQ(ParseFileSingle("2.5"), 2.5f);
        std::setlocale(LC_NUMERIC, before.c_str());
        return;
    }
    GTEST_SKIP() << "no comma locale installed on this machine";
}

}  // namespace
}  // namespace shared
