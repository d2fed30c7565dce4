#ifndef TESTS_DARVO_LIBRARY_PRODUCT_FIXTURES_H
#define TESTS_DARVO_LIBRARY_PRODUCT_FIXTURES_H

#include "darvo/library/product_record.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace darvo::testing {

// A product whose coefficients all differ from each other and from its neighbours', so
// a value read from the wrong offset or in the wrong order shows.
inline ProductRecord SampleProduct(int n, const std::string& eia, const std::string& jis,
                                   const std::string& eiaChar = "X7R", const std::string& jisChar = "B") {
    ProductRecord r;
    r.PartNumber = {eia, jis};
    r.SizeCode = {"0402", "1005"};
    r.TempChar = {eiaChar, jisChar};
    r.PolynomialModel = n % 2 == 1;
    const float base = static_cast<float>(n) * 1000.0F;
    for (std::size_t k = 0; k < r.CapModel.size(); ++k) {
        r.CapModel[k] = base + 0.5F + static_cast<float>(k);
    }
    for (std::size_t k = 0; k < r.HeatModel.size(); ++k) {
        r.HeatModel[k] = -base - 0.25F - static_cast<float>(k);
    }
    return r;
}

// A fresh folder under the system's temporary folder, removed with the object.
class ProductFolder {
public:
    ProductFolder() {
        static int serial = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("darvo_library_test_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ProductFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ProductFolder(const ProductFolder&) = delete;
    ProductFolder& operator=(const ProductFolder&) = delete;

    std::string Path() const { return path_.string(); }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    void Remove(const std::string& name) const { std::filesystem::remove(path_ / name); }

private:
    std::filesystem::path path_;
};

}  // namespace darvo::testing

#endif
