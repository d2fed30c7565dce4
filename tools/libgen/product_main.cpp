// libgen_products: writes darvo's sample product files beside the program.

#include "darvo/library/product_writer.h"
#include "tools/libgen/product_factory.h"

#include "shared/errors/runtime_error.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kProductUsage =
    "usage: libgen_products --out DIR\n"
    "  Writes product.idx and product.dat of the sample products into DIR.\n";

}  // namespace

int main(int argc, char* argv[]) {
    std::string outFolder;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << kProductUsage;
            return 0;
        }
        if (argument == "--out" && i + 1 < argc && outFolder.empty()) {
            outFolder = argv[++i];
            continue;
        }
        std::cerr << "libgen_products: unexpected argument \"" << argument << "\"\n" << kProductUsage;
        return 1;
    }
    if (outFolder.empty()) {
        std::cerr << "libgen_products: no output folder\n" << kProductUsage;
        return 1;
    }
    try {
        const auto products = darvo::libgen::GenerateProducts();
        std::filesystem::create_directories(outFolder);
        darvo::WriteProductFiles(outFolder, products);
        std::cout << "libgen_products: wrote " << products.size() << " products to " << outFolder << "\n";
        return 0;
    } catch (const shared::RuntimeError& error) {
        std::cerr << "libgen_products: " << error.Description() << " (error " << error.Number() << ")\n";
    } catch (const std::exception& error) {
        std::cerr << "libgen_products: " << error.what() << "\n";
    }
    return 1;
}
