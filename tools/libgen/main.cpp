// libgen: writes the sample component library and product files the two programs read
// at start.

#include "darvo/library/product_writer.h"
#include "pelmo/library/library_writer.h"
#include "tools/libgen/command_line.h"
#include "tools/libgen/product_factory.h"
#include "tools/libgen/sample_library.h"

#include "shared/errors/runtime_error.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    std::vector<std::string_view> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
    }
    try {
        const pelmo::libgen::CommandLine line = pelmo::libgen::ParseCommandLine(arguments);
        if (line.help) {
            std::cout << pelmo::libgen::kUsage;
            return 0;
        }
        const pelmo::libgen::SampleLibrary library = pelmo::libgen::GenerateSampleLibrary(line.records);
        std::filesystem::create_directories(line.outFolder);
        pelmo::WriteLibraryFiles(line.outFolder, library.capacitors, library.inductors);
        const auto products = darvo::libgen::GenerateProducts();
        darvo::WriteProductFiles(line.outFolder, products);
        std::cout << "libgen: wrote " << library.capacitors.size() << " capacitors, "
                  << library.inductors.size() << " inductors and " << products.size() << " products to "
                  << line.outFolder << "\n";
        return 0;
    } catch (const shared::RuntimeError& error) {
        std::cerr << "libgen: " << error.Description() << " (error " << error.Number() << ")\n";
        if (error.Number() == shared::error::kInvalidProcedureCall) {
            std::cerr << pelmo::libgen::kUsage;
        }
    } catch (const std::exception& error) {
        std::cerr << "libgen: " << error.what() << "\n";
    }
    return 1;
}
