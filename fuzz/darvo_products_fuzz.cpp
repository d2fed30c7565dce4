// darvo's two product files made of any bytes: a loaded, sorted table or a start
// failure, never a crash, a hang or a table the notation switch then trips over.
#include "darvo/library/product_loader.h"
#include "fuzz/fuzz_support.h"

#include "shared/errors/runtime_error.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = fuzz::ScratchFolder("darvo-fuzz");
    return folder;
}

void WriteFile(const char* name, const std::uint8_t* data, std::size_t length) {
    std::ofstream(Folder() / name, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(length));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first two bytes give product.idx's length; product.dat takes what is left, so
    // a mutation of either file keeps the other in place.
    const std::size_t indexLength = std::min<std::size_t>(size - 2, data[0] * 256u + data[1]);
    WriteFile("product.idx", data + 2, indexLength);
    WriteFile("product.dat", data + 2 + indexLength, size - 2 - indexLength);
    try {
        const char separator = (data[0] & 1) != 0 ? ',' : '.';
        darvo::ProductLibrary library = darvo::LoadProducts(Folder().string(), separator);
        if (darvo::SortProducts(library, shared::Jis, separator)) {
            (void)darvo::SortProducts(library, shared::Eia, separator);
        }
        for (const darvo::ProductRecord& record : library.ProductTable) {
            (void)darvo::FindProduct(library, record.PartNumber[0]);
        }
    } catch (const shared::RuntimeError&) {
    }
    return 0;
}
