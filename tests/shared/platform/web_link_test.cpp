#include "shared/platform/web_link.h"

#include "shared/errors/runtime_error.h"

#include <gtest/gtest.h>

namespace shared {
namespace {

const std::string kBase = std::string(kProductSearchHost) + "/cgi-bin/design-tool/search_product.pl?";

WebLinkRequest Request(int kind, const std::string& box = "GRM155R71C104KA88",
                       WebLinkProgram program = WebLinkProgram::Pelmo) {
    WebLinkRequest request;
    request.kind = kind;
    request.program = program;
    request.version = {2, 1, 14};
    request.helpLanguage = 1;
    request.partNumberText = box;
    request.codeSystem = 1;
    return request;
}

TEST(WebLinkTest, BuildsTheThreeAddressesOfEachProgram) {
    // clang-format off
    struct Row { WebLinkRequest request; std::string query; };
    const Row rows[] = {
        {Request(1), "lt=0&i=1&v=2.1.14&l=1&nkey=GRM155R71C104KA88&okey=GRM155R71C104KA88&lan=1&t=1"},
        {Request(2), "lt=1&i=1&v=2.1.14&l=1"},
        {Request(3), "lt=2&i=1&v=2.1.14&l=1"},
        {Request(1, "C1005X7R", WebLinkProgram::Darvo), "lt=0&i=0&v=2.1.14&l=1&nkey=C1005X7R&okey=C1005X7R&lan=1&t=1"},
        {Request(2, "", WebLinkProgram::Darvo), "lt=1&i=0&v=2.1.14&l=1"},
        {Request(3, "", WebLinkProgram::Darvo), "lt=2&i=0&v=2.1.14&l=1"},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(BuildWebLinkUrl(row.request), kBase + row.query);
    }
}

TEST(WebLinkTest, CatalogueKeysAreCutAtTheFirstUnderscore) {
    // clang-format off
    struct Row { std::string box; std::string key; };
    const Row rows[] = {
        {"GRM155R71C104KA88_D", "GRM155R71C104KA88"},
        {"LQW15AN_10N_00", "LQW15AN"},
        {"_LEADING", ""},
        {"NOUNDERSCORE", "NOUNDERSCORE"},
        {"", ""},
    };
    // clang-format on
    for (const Row& row : rows) {
        const std::string url = BuildWebLinkUrl(Request(1, row.box));
        EXPECT_NE(url.find("&nkey=" + row.key + "&okey=" + row.key + "&lan="), std::string::npos) << url;
    }
}

TEST(WebLinkTest, EiaWithEnglishHelpCarriesTwoForLanguageAndNotation) {
    WebLinkRequest request = Request(1, "X");
    request.helpLanguage = 2;
    request.codeSystem = 0;
    EXPECT_EQ(BuildWebLinkUrl(request), kBase + "lt=0&i=1&v=2.1.14&l=2&nkey=X&okey=X&lan=2&t=1");
}

TEST(WebLinkTest, TypedTextIsEncodedSoItCannotAddKeys) {
    const std::string url = BuildWebLinkUrl(Request(1, "A&lt=2 #x"));
    EXPECT_EQ(url, kBase +
                       "lt=0&i=1&v=2.1.14&l=1&nkey=A%26lt%3D2%20%23x&okey=A%26lt%3D2%20%23x"
                       "&lan=1&t=1");
    // clang-format off
    struct Row { std::string raw; std::string encoded; };
    const Row rows[] = {
        {"AZaz09", "AZaz09"}, {"-._~", "-._~"}, {"/?+%", "%2F%3F%2B%25"},
        {"\xC2\xB0", "%C2%B0"}, {std::string("a\0b", 3), "a%00b"},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(PercentEncode(row.raw), row.encoded);
    }
}

TEST(WebLinkTest, AnyOtherKindIsAnInvalidCall) {
    for (const int kind : {0, 4, -1}) {
        try {
            BuildWebLinkUrl(Request(kind));
            ADD_FAILURE() << "kind " << kind << " accepted";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), 5);
        }
    }
}

}  // namespace
}  // namespace shared
