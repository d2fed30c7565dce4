// Both command-line tools on any command line: the documented exit status, every
// message on the two streams, never a crash. The words come from the input, one per
// line, the first byte choosing the tool and the locale's separator. The tools run on a
// slice of the sample library in a scratch folder; every file they write goes to an
// in-memory sink, and a word that could name a place outside the scratch folder (an
// absolute path or "..") skips the input, so a run never touches anything else.
#include "darvo/cli/darvo_cli.h"
#include "darvo/library/product_writer.h"
#include "fuzz/fuzz_support.h"
#include "pelmo/cli/pelmo_cli.h"
#include "pelmo/library/library_writer.h"
#include "tools/libgen/product_factory.h"
#include "tools/libgen/sample_library.h"

#include "shared/cli/cli_program.h"
#include "shared/platform/testing/memory_file_sink.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kMaxWords = 24;

// The parts of the recorded command lines, so the seeds reach the commands' work.
const std::set<std::string> kNamedParts = {
    "KTA216R71H152KA88", "KTA1557C1H681JA88", "KTA188B31H683KA88", "PWW15HN1N0S",       "PWT15DZ1N5S",
    "PWL03LS33NK",       "KTA15XR71H101KA88", "KTA153F11C223ZA88", "KTA155B10J105KA88",
};

template <class Record, class Name>
std::vector<Record> Slice(const std::vector<Record>& records, std::size_t stride, Name name) {
    std::vector<Record> slice;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i % stride == 0 || kNamedParts.count(name(records[i])) != 0) slice.push_back(records[i]);
    }
    return slice;
}

// The tools' folder, with a small library beside them.
const std::string& ProgramFolder() {
    static const std::string folder = [] {
        const std::filesystem::path path = fuzz::ScratchFolder("cli-fuzz-program");
        const pelmo::libgen::SampleLibrary sample = pelmo::libgen::GenerateSampleLibrary();
        const auto both = [](const auto& record) {
            return kNamedParts.count(record.PartNumber[0]) != 0 ? record.PartNumber[0] : record.PartNumber[1];
        };
        pelmo::WriteLibraryFiles(
            path.string(), Slice(sample.capacitors, 200, both),
            Slice(sample.inductors, 30, [](const auto& record) { return record.PartNumber; }));
        darvo::WriteProductFiles(path.string(), Slice(darvo::libgen::GenerateProducts(), 30, both));
        return path.string();
    }();
    return folder;
}

// The working folder the tools run in, emptied after every input. The process moves
// there only while a tool runs: libFuzzer reads its corpus and writes its reproducers
// by the paths it was given.
const std::filesystem::path& WorkFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path path = fuzz::ScratchFolder("cli-fuzz-work");
        return path;
    }();
    return folder;
}

bool Confined(const std::string& word) {
    return word.empty() || (word.front() != '/' && word.find("=/") == std::string::npos &&
                            word.find("..") == std::string::npos && word.find('~') == std::string::npos);
}

struct MemoryFiles {
    std::vector<std::shared_ptr<const shared::MemoryFileSink>> Sinks;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& programFolder = ProgramFolder();
    const std::filesystem::path& work = WorkFolder();
    fuzz::InputReader input(data, size);
    const std::uint8_t choice = input.Byte();
    std::vector<std::string> words;
    while (!input.Empty() && words.size() < kMaxWords) words.push_back(input.Line());
    if (!std::all_of(words.begin(), words.end(), Confined)) return 0;

    MemoryFiles files;
    const shared::FileSinkOpener open = [&files](const std::string&) -> std::unique_ptr<shared::FileSink> {
        auto sink = std::make_shared<shared::MemoryFileSink>();
        files.Sinks.push_back(sink);
        return std::make_unique<fuzz::KeptSink>(sink);
    };
    const char separator = (choice & 2) != 0 ? ',' : '.';
    std::ostringstream out;
    std::ostringstream err;
    int status = 0;
    const std::filesystem::path home = std::filesystem::current_path();
    if (chdir(work.c_str()) != 0) std::abort();
    if ((choice & 1) == 0) {
        pelmo::CliEnvironment environment;
        environment.ProgramFolder = programFolder;
        environment.DecimalSeparator = separator;
        environment.Open = open;
        status = pelmo::RunPelmoCli(words, out, err, environment);
    } else {
        darvo::CliEnvironment environment;
        environment.ProgramFolder = programFolder;
        environment.DecimalSeparator = separator;
        environment.Open = open;
        environment.Clock = [] { return std::chrono::system_clock::time_point(std::chrono::hours(500000)); };
        status = darvo::RunDarvoCli(words, out, err, environment);
    }
    if (chdir(home.c_str()) != 0) std::abort();
    if (status != shared::kCliDone && status != shared::kCliFailed && status != shared::kCliRefused) {
        std::fprintf(stderr, "undocumented exit status %d\n", status);
        std::abort();
    }
    if (status == shared::kCliRefused && err.str().empty()) {
        std::fprintf(stderr, "a refusal without a message\n");
        std::abort();
    }
    for (const auto& sink : files.Sinks) {
        if (sink->Committed() && fuzz::HasNonFiniteText(sink->Bytes())) {
            std::fprintf(stderr, "a written file holds a NaN or infinity text\n");
            std::abort();
        }
    }
    // The export of every part may have made folders here.
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(work, ignored)) {
        std::filesystem::remove_all(entry.path(), ignored);
    }
    return 0;
}
