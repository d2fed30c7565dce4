#ifndef TESTS_PELMO_APP_APP_TEST_SUPPORT_H
#define TESTS_PELMO_APP_APP_TEST_SUPPORT_H

#include "pelmo/app/testing/fake_program.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/selection_host.h"

#include "shared/parts/part_number_codes.h"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace pelmo::testing {

// A selection host without windows: one chart window count the test sets.
class NoWindowsHost : public SelectionHost {
public:
    void ChooseCandidate(std::vector<std::int32_t>&) override {}
    int OpenChartWindowCount() const override { return 0; }
    void CloseAllChartWindows() override {}
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs pelmo-cli over the sample library with arguments; its exit status.
inline int RunPelmoCli(const std::string& arguments) {
    const std::string command = std::string("LC_ALL=C.UTF-8 '") + PELMO_CLI_PATH + "' " + arguments +
                                " --library '" + PELMO_SAMPLE_LIBRARY_DIR + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The first capacitor of the table (in its current order) whose EIA part number passes
// the test, or an empty text.
inline std::string FindCapacitor(const Library& library,
                                 const std::function<bool(const CapacitorRecord&, int rangeClass)>& wanted) {
    for (const CapacitorRecord& record : library.CapacitorTable) {
        const std::string& partNumber = record.PartNumber[shared::Eia];
        if (!partNumber.empty() && wanted(record, shared::FrequencyRangeClass(partNumber))) {
            return partNumber;
        }
    }
    return {};
}

}  // namespace pelmo::testing

#endif
