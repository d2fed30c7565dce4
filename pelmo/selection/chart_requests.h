#ifndef PELMO_SELECTION_CHART_REQUESTS_H
#define PELMO_SELECTION_CHART_REQUESTS_H

#include "pelmo/engine/chart_kind.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/engine/s_parameter.h"

#include <stdexcept>
#include <string>

namespace shared {
class Cursor;
class Messages;
}  // namespace shared

namespace pelmo {

class ChartSlotTable;
class LibrarySelection;
struct Library;

// The program's chart windows, as a request sees them.
class ChartWindowHost {
public:
    virtual ~ChartWindowHost() = default;
    // After a slot was filled and the point table swept: adds the trace to the open
    // window of that kind (rectangular kinds) or opens a new window. A failure is thrown;
    // the request then gives its slot back.
    virtual void ShowChart(ChartKind kind) = 0;
};

// A failure the window layer has already reported under its own procedure name (a
// chart window that could not load): the request only undoes its slot and says no.
class ChartWindowFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The chart requests of the selection window (StartDrawChart and the Chart menu): the
// part and condition checks, the slot, the 201-point sweep into the program's point
// table, and the window. A request either shows its trace and keeps its slot, or is
// refused or fails and leaves the slot table as it found it, so a failure can never
// count towards the limits, block a later identical request, or make the Impedance &
// ESR pair go on with its second half.
//
// Everything it is given must outlive it. One GUI thread.
class ChartRequests {
public:
    // cursor, when given, shows the hourglass while the sweep runs.
    ChartRequests(LibrarySelection& selection, Library& library, ChartSlotTable& slots,
                  ChartPointTable& points, ChartWindowHost& windows, shared::Messages& messages,
                  shared::Cursor* cursor = nullptr);
    ChartRequests(const ChartRequests&) = delete;
    ChartRequests& operator=(const ChartRequests&) = delete;

    // StartDrawChart: checks, slot, sweep, window; true when a window opened or updated.
    // Refusals show their messages; any other failure is reported through the error
    // report of "pelmo:frmLibrary.StartDrawChart".
    bool StartDrawChart(ChartKind kind, SParameter sParameter);

    // What the Chart menu item of kind does. Impedance & ESR makes two requests: the
    // impedance trace, then, only when that was shown, the ESR trace of the same part
    // into the same window. The kinds with an S-parameter take sParameter (None asks
    // for S11 there); the others ignore it.
    void Request(ChartKind kind, SParameter sParameter = SParameter::None);

private:
    bool Draw(ChartKind kind, SParameter sParameter);

    LibrarySelection& selection_;
    Library& library_;
    ChartSlotTable& slots_;
    ChartPointTable& points_;
    ChartWindowHost& windows_;
    shared::Messages& messages_;
    shared::Cursor* cursor_;
};

}  // namespace pelmo

#endif
