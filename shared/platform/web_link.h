#ifndef SHARED_PLATFORM_WEB_LINK_H
#define SHARED_PLATFORM_WEB_LINK_H

#include "program_version.h"

#include <string>
#include <string_view>

namespace shared {

// Where both programs find the product-search page. One constant, not a user
// setting; a neutral host of our own until the product has its site.
inline constexpr const char* kProductSearchHost = "https://products.example.com";
inline constexpr const char* kProductSearchPath = "/cgi-bin/design-tool/search_product.pl";

// Which program asks: the two send a different "i" value and otherwise build the same
// address.
enum class WebLinkProgram { Pelmo, Darvo };

// What one web link is built from. kind: 1 catalogue page of the chosen part, 2 contact
// page, 3 version check.
struct WebLinkRequest {
    int kind = 1;
    WebLinkProgram program = WebLinkProgram::Pelmo;
    ProgramVersion version = kProgramVersion;
    int helpLanguage = 2;        // 1 Japanese, 2 English
    std::string partNumberText;  // the part-number box as typed (kind 1 only)
    int codeSystem = 0;          // 0 EIA, 1 JIS (kind 1 only)
};

// The full, percent-encoded address. Each query value is encoded on its own, so typed
// "&", "=", "#" or blanks can neither add keys nor cut the address short; letters and
// digits pass unchanged, so ordinary part numbers give the plain address. A kind other
// than 1, 2 or 3 is a program error and raises RuntimeError 5.
std::string BuildWebLinkUrl(const WebLinkRequest& request);

// The catalogue key: the box text cut before its first "_" (the whole text without one).
std::string CatalogPartNumber(std::string_view boxText);

// Percent-encodes every byte except the unreserved ones (letters, digits, "-", ".",
// "_", "~"), with upper-case hex digits.
std::string PercentEncode(std::string_view value);

}  // namespace shared

#endif
