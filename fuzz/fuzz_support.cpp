#include "fuzz/fuzz_support.h"

#include "darvo/engine/calculate_data_s.h"
#include "darvo/engine/calculate_data_t.h"
#include "darvo/library/derived_values.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/library_writer.h"
#include "tools/libgen/product_factory.h"
#include "tools/libgen/sample_library.h"

#include <cctype>
#include <map>
#include <stdexcept>
#include <unistd.h>

namespace fuzz {

namespace {

// The whole sample makes every window step walk thousands of parts; a slice of it keeps
// every kind of part (the generator cycles through series, sizes and characteristics)
// and lets a target run its million inputs in minutes.
constexpr std::size_t kCapacitorStride = 61;
constexpr std::size_t kInductorStride = 11;
constexpr std::size_t kProductStride = 11;

template <class Record>
std::vector<Record> EveryNth(const std::vector<Record>& records, std::size_t stride) {
    std::vector<Record> slice;
    for (std::size_t i = 0; i < records.size(); i += stride) slice.push_back(records[i]);
    return slice;
}

}  // namespace

std::filesystem::path ScratchFolder(std::string_view name) {
    auto path = std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
}

const pelmo::Library& SamplePelmoLibrary(char decimalSeparator) {
    static std::map<char, pelmo::Library> libraries;
    auto found = libraries.find(decimalSeparator);
    if (found == libraries.end()) {
        static const std::filesystem::path folder = [] {
            const std::filesystem::path path = ScratchFolder("pelmo-sample");
            const pelmo::libgen::SampleLibrary sample = pelmo::libgen::GenerateSampleLibrary();
            pelmo::WriteLibraryFiles(path.string(), EveryNth(sample.capacitors, kCapacitorStride),
                                     EveryNth(sample.inductors, kInductorStride));
            return path;
        }();
        pelmo::Library library = pelmo::LoadLibrary(folder.string(), decimalSeparator);
        if (!pelmo::SortCapacitors(library, shared::Eia, decimalSeparator))
            throw std::runtime_error("sample does not sort");
        found = libraries.emplace(decimalSeparator, std::move(library)).first;
    }
    return found->second;
}

const darvo::ProductLibrary& SampleProducts() {
    static const darvo::ProductLibrary library = [] {
        darvo::ProductLibrary products;
        products.ProductTable = EveryNth(darvo::libgen::GenerateProducts(), kProductStride);
        for (darvo::ProductRecord& record : products.ProductTable) {
            darvo::DeriveProductValues(record, shared::Eia, '.');
            darvo::SetChartAvailability(record);
        }
        if (!darvo::SortProducts(products, shared::Eia, '.'))
            throw std::runtime_error("products do not sort");
        return products;
    }();
    return library;
}

bool PrepareDarvoCurve(darvo::ChartTable& table, const darvo::ProductRecord& part, std::int32_t productIndex,
                       const darvo::ChartIdentity& identity, const darvo::ConditionTexts& texts,
                       char separator, shared::Messages& messages) {
    darvo::ChartDataRecord& record = table.Prepare();
    record = darvo::ChartRequestHeader(identity, productIndex, texts, separator);
    if (identity.ChartType == darvo::TemperatureRise || identity.ChartType == darvo::AllowablePower) {
        return darvo::CalculateDataT(table, part, messages, separator);
    }
    return darvo::CalculateDataS(table, part, shared::Eia, messages);
}

bool HasNonFiniteText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (!std::isalpha(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        std::string word;
        while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i++])));
        }
        if (word == "nan" || word == "inf" || word == "infinity") return true;
    }
    return false;
}

std::uint8_t InputReader::Byte() noexcept {
    if (text_.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(text_.front());
    text_.remove_prefix(1);
    return byte;
}

std::string InputReader::Line() {
    const std::size_t end = text_.find('\n');
    std::string line(text_.substr(0, end));
    text_.remove_prefix(end == std::string_view::npos ? text_.size() : end + 1);
    return line;
}

std::string InputReader::Rest() {
    std::string rest(text_);
    text_ = {};
    return rest;
}

}  // namespace fuzz
