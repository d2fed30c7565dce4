#ifndef TESTS_PELMO_SELECTION_SELECTION_TEST_LIBRARY_H
#define TESTS_PELMO_SELECTION_SELECTION_TEST_LIBRARY_H

#include "pelmo/library/records.h"
#include "pelmo/selection/selection_host.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pelmo::testing {

// Part numbers of the small library the selection tests run on.
inline constexpr const char* kClass5A = "KTA155R70J104KA88";  // X7R 100 n 6.3 V, 8.5 GHz
inline constexpr const char* kClass5AJis = "KTA155R70J104";
inline constexpr const char* kTwinA = "KTA155R71A104KA88";    // X7R 100 n 10 V
inline constexpr const char* kTwinB = "KTA155R71A104KA99";    // the same filters as kTwinA
inline constexpr const char* kClass2 = "KTN1855C1H101JA01";   // C0G 100 p 50 V, no model
inline constexpr const char* kClass3 = "PNE185R71C104KA01";   // X7R 100 n 16 V
inline constexpr const char* kJisOnly = "KTA155R71C103";      // JIS name only
inline constexpr const char* kOddTcc = "KTA155R61A105KA88";   // characteristic without range
inline constexpr const char* kNoClass = "KTW155R71A105KA88";  // a series no class covers
inline constexpr const char* kInductorA = "PWL1005C10NJ";
inline constexpr const char* kInductorB = "PWL1005C10NK";      // the same filters as A
inline constexpr const char* kInductorNoSrf = "PWL1005C22NJ";  // SelfResonance 0

// Capacitors in no particular order (the model sorts them) and three inductors, with
// both part-number lookups built.
Library SelectionTestLibrary();

// The windows around the model: a scripted Select dialog and a list of chart windows.
class FakeSelectionHost : public SelectionHost {
public:
    void ChooseCandidate(std::vector<std::int32_t>& candidates) override;
    int OpenChartWindowCount() const override { return chartWindows; }
    void CloseAllChartWindows() override { chartWindows = 0; }

    // The entry the dialog leaves (0-based); nothing: closed without a choice.
    std::optional<std::size_t> choice;
    // When offered, this table index is chosen instead (the part a test is after).
    std::optional<std::int32_t> preferred;
    std::vector<std::vector<std::int32_t>> offered;
    int chartWindows = 0;
};

}  // namespace pelmo::testing

#endif
