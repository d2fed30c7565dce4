#ifndef FUZZ_FUZZ_SUPPORT_H
#define FUZZ_FUZZ_SUPPORT_H

#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"
#include "darvo/selection/plot_conditions.h"
#include "pelmo/library/records.h"

#include "shared/platform/testing/memory_file_sink.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace shared {
class Messages;
}

namespace fuzz {

// A folder of its own for this process under the system's temporary folder, created on
// first use: the only place a target may write files.
std::filesystem::path ScratchFolder(std::string_view name);

// Slices of the generated sample libraries, sorted in EIA as the programs start: pelmo's written
// to a scratch folder and loaded with decimalSeparator, darvo's products derived and
// sorted in memory. Each is built once per process and separator.
const pelmo::Library& SamplePelmoLibrary(char decimalSeparator);
const darvo::ProductLibrary& SampleProducts();

// Prepares a record of identity for part (table index productIndex) under texts and
// lets the engine compute it, as a plot request does: false when the engine refused
// (its message shown, the record removed again).
bool PrepareDarvoCurve(darvo::ChartTable& table, const darvo::ProductRecord& part, std::int32_t productIndex,
                       const darvo::ChartIdentity& identity, const darvo::ConditionTexts& texts,
                       char separator, shared::Messages& messages);

// Whether text holds a word a number written from NaN or an infinity gives ("nan",
// "inf", "infinity", any letter case): such a text in an output
// is a fault even when nothing crashed.
bool HasNonFiniteText(std::string_view text);

// Takes the fuzzer's bytes apart: single bytes for choices, texts up to a line end.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) noexcept
        : text_(reinterpret_cast<const char*>(data), size) {}

    bool Empty() const noexcept { return text_.empty(); }
    // The next byte, 0 when none is left.
    std::uint8_t Byte() noexcept;
    // The bytes up to the next '\n' (dropped), or the rest.
    std::string Line();
    std::string Rest();

private:
    std::string_view text_;
};

// A file sink that lives on in the caller's list after the writer lets go of it, so
// the written bytes can be checked.
class KeptSink : public shared::FileSink {
public:
    explicit KeptSink(std::shared_ptr<shared::MemoryFileSink> sink) : sink_(std::move(sink)) {}
    void Write(std::string_view bytes) override { sink_->Write(bytes); }
    void Commit() override { sink_->Commit(); }

private:
    std::shared_ptr<shared::MemoryFileSink> sink_;
};

}  // namespace fuzz

#endif
