#include "cli_test_support.h"

#include "pelmo/cli/pelmo_cli.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/library_writer.h"
#include "pelmo/library/records.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <sys/wait.h>

namespace pelmo::testing {

CliRun RunCli(const std::vector<std::string>& arguments, const std::string& folder, char separator) {
    std::ostringstream out;
    std::ostringstream err;
    CliEnvironment environment;
    environment.ProgramFolder = folder;
    environment.DecimalSeparator = separator;
    CliRun run;
    run.Exit = RunPelmoCli(arguments, out, err, environment);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

namespace {

std::string ShellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

CliRun RunCliProcess(const std::vector<std::string>& arguments, const std::string& stdoutPath) {
    const TemporaryFolder streams;
    std::string command = ShellQuoted(PELMO_CLI_PROGRAM);
    for (const std::string& argument : arguments) {
        command += " " + ShellQuoted(argument);
    }
    const std::string out = stdoutPath.empty() ? streams.File("out") : stdoutPath;
    command += " >" + ShellQuoted(out) + " 2>" + ShellQuoted(streams.File("err")) + " </dev/null";
    const int status = std::system(command.c_str());
    CliRun run;
    run.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = stdoutPath.empty() ? ReadBytes(streams.File("out")) : std::string();
    run.Err = ReadBytes(streams.File("err"));
    return run;
}

std::string SampleLibraryFolder() {
    return PELMO_SAMPLE_LIBRARY_DIR;
}

namespace {

class SmallLibrary {
public:
    SmallLibrary() {
        const Library sample = LoadLibrary(SampleLibraryFolder(), '.');
        std::vector<CapacitorRecord> capacitors;
        for (std::size_t i = 0; i < sample.CapacitorTable.size(); i += 97) {
            capacitors.push_back(sample.CapacitorTable[i]);
        }
        std::vector<InductorRecord> inductors;
        for (std::size_t i = 0; i < sample.InductorTable.size(); i += 22) {
            inductors.push_back(sample.InductorTable[i]);
        }
        WriteLibraryFiles(folder_.Path(), capacitors, inductors);
    }

    const std::string& Path() const noexcept { return folder_.Path(); }

private:
    TemporaryFolder folder_;
};

}  // namespace

std::string SmallLibraryFolder() {
    static const SmallLibrary library;
    return library.Path();
}

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pelmo-cli-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TemporaryFolder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace pelmo::testing
