#include "shared/platform/web_link.h"

#include "shared/errors/runtime_error.h"

namespace shared {

namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

void AppendQueryValue(std::string& url, const char* key, std::string_view value) {
    url += key;
    url += '=';
    url += PercentEncode(value);
}

}  // namespace

std::string PercentEncode(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(value.size());
    for (char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnreserved(c)) {
            encoded += ch;
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0x0F];
        }
    }
    return encoded;
}

std::string CatalogPartNumber(std::string_view boxText) {
    return std::string(boxText.substr(0, boxText.find('_')));
}

std::string BuildWebLinkUrl(const WebLinkRequest& request) {
    const char* linkType = nullptr;
    switch (request.kind) {
        case 1:
            linkType = "0";
            break;
        case 2:
            linkType = "1";
            break;
        case 3:
            linkType = "2";
            break;
        default:
            throw RuntimeError(error::kInvalidProcedureCall, "WebLink");
    }
    const std::string version = std::to_string(request.version.major) + "." +
                                std::to_string(request.version.minor) + "." +
                                std::to_string(request.version.revision);

    std::string url = std::string(kProductSearchHost) + kProductSearchPath + "?";
    AppendQueryValue(url, "lt", linkType);
    url += '&';
    AppendQueryValue(url, "i", request.program == WebLinkProgram::Pelmo ? "1" : "0");
    url += '&';
    AppendQueryValue(url, "v", version);
    url += '&';
    AppendQueryValue(url, "l", std::to_string(request.helpLanguage));
    if (request.kind == 1) {
        const std::string part = CatalogPartNumber(request.partNumberText);
        url += '&';
        AppendQueryValue(url, "nkey", part);
        url += '&';
        AppendQueryValue(url, "okey", part);
        url += '&';
        AppendQueryValue(url, "lan", request.codeSystem == 1 ? "1" : "2");
        url += '&';
        AppendQueryValue(url, "t", "1");
    }
    return url;
}

}  // namespace shared
