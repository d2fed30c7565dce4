#ifndef TESTS_PELMO_CLI_CLI_TEST_SUPPORT_H
#define TESTS_PELMO_CLI_CLI_TEST_SUPPORT_H

#include <string>
#include <vector>

namespace pelmo::testing {

// What one run of pelmo-cli gave.
struct CliRun {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

// Runs the program's main logic with the library in folder (unless the arguments name
// one) and the given decimal separator.
CliRun RunCli(const std::vector<std::string>& arguments, const std::string& folder, char separator = '.');

// Runs the built pelmo-cli as its own process (its library beside it unless the
// arguments name one), so exit status and streams are the ones a script sees. The
// standard output goes to stdoutPath when given (and is then not read back).
CliRun RunCliProcess(const std::vector<std::string>& arguments, const std::string& stdoutPath = {});

// The sample library the build writes beside the programs.
std::string SampleLibraryFolder();

// A library of about thirty capacitors (with and without a temperature and bias model,
// several classes) and ten inductors cut from the sample library, written once per test
// run into a temporary folder: small enough to export whole in a unit test.
std::string SmallLibraryFolder();

// A fresh, empty temporary folder, removed with the object.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const noexcept { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // The names in the folder, sorted.
    std::vector<std::string> Names() const;

private:
    std::string path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// The lines of a text split at "\n".
std::vector<std::string> Lines(const std::string& text);

}  // namespace pelmo::testing

#endif
