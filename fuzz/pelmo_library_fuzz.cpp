// The four library files made of any bytes: a loaded library or a load failure, never a
// crash, a hang or a half-built table that the sort then trips over.
#include "fuzz/fuzz_support.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"

#include "shared/errors/runtime_error.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = fuzz::ScratchFolder("pelmo-fuzz");
    return folder;
}

void WritePart(const char* name, const std::uint8_t*& data, std::size_t& size, std::size_t length) {
    length = std::min(length, size);
    std::ofstream(Folder() / name, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(length));
    data += length;
    size -= length;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    // The first three bytes split the rest between the files; ind.dat takes what is left.
    const std::size_t capIdx = data[0] * 8u, capDat = data[1] * 8u, indIdx = data[2] * 4u;
    data += 3;
    size -= 3;
    WritePart("cap.idx", data, size, capIdx);
    WritePart("cap.dat", data, size, capDat);
    WritePart("ind.idx", data, size, indIdx);
    WritePart("ind.dat", data, size, size);
    try {
        pelmo::Library library = pelmo::LoadLibrary(Folder().string(), '.');
        (void)pelmo::SortCapacitors(library, shared::CodeSystem::Eia, '.');
        (void)pelmo::SortCapacitors(library, shared::CodeSystem::Jis, '.');
    } catch (const shared::RuntimeError&) {
    }
    return 0;
}
