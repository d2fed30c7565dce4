#ifndef PELMO_SELECTION_SELECTION_HOST_H
#define PELMO_SELECTION_SELECTION_HOST_H

#include <cstdint>
#include <vector>

namespace pelmo {

// What the selection model needs from the windows around it. The desktop program
// answers with the Select dialog and its list of chart windows; tests script it.
class SelectionHost {
public:
    virtual ~SelectionHost() = default;
    // Several parts match a complete filter choice: the user picks one. On return the
    // first entry of candidates is the part to use (the dialog leaves only the chosen
    // index; closed without a choice, the list stays as it was and the first entry
    // counts).
    virtual void ChooseCandidate(std::vector<std::int32_t>& candidates) = 0;
    // The chart windows open now.
    virtual int OpenChartWindowCount() const = 0;
    // Closes every chart window, the last opened first.
    virtual void CloseAllChartWindows() = 0;
};

}  // namespace pelmo

#endif
