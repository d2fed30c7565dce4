#ifndef PELMO_CHARTS_CHART_WINDOW_MODEL_H
#define PELMO_CHARTS_CHART_WINDOW_MODEL_H

#include "pelmo/charts/chart_axis.h"
#include "pelmo/charts/trace_store.h"
#include "pelmo/engine/chart_kind.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/engine/circuit_mode.h"
#include "pelmo/engine/s_parameter.h"

#include "shared/parts/code_system.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace shared {
class ChartCanvas;
class Messages;
}  // namespace shared

namespace pelmo {

class ChartSlotTable;
struct Library;

// What a chart window reads of the program while it draws.
struct ChartContext {
    ChartSlotTable& Slots;
    const ChartPointTable& Points;  // the sweep of the current slot
    const Library& Parts;
    shared::CodeSystem CodeSystem = shared::Eia;
    std::string DegreeSign;  // "\u00B0" or empty
    shared::Messages* Messages = nullptr;
    std::string Title;  // program title for "Error at Log10"
};

// The Qt-free side of one chart window: its state from the slot that created it, its
// own copy of the traces, its axis layout, and the drawing sequence. The window class
// owns one and hands it the canvas of its picture, a printer page or a clipboard picture.
class ChartWindowModel {
public:
    // Loads from the current slot. Charts without an S-parameter record no connection
    // in their slot, and the window records the connection chosen in the selection
    // window (selectionConnection) instead. RuntimeError 5 when the current slot is
    // not in use or names no chart kind. decimalSeparator is the one the window's
    // numbers (labels, legends, readouts, the SRF text it reads) use.
    ChartWindowModel(const ChartSlotTable& slots, CircuitMode selectionConnection, char decimalSeparator);

    ChartKind Kind() const noexcept { return kind_; }
    bool IsSmith() const noexcept { return kind_ == ChartKind::Smith; }
    std::string_view ChartName() const noexcept { return pelmo::ChartName(kind_); }
    pelmo::SParameter SParameter() const noexcept { return sParameter_; }
    CircuitMode Connection() const noexcept { return connection_; }
    int SlotNumber() const noexcept { return slotNumber_; }
    const TraceStore& Store() const noexcept { return store_; }
    const ChartAxis& Axis() const noexcept { return axis_; }
    char Separator() const noexcept { return separator_; }

    // "Smith Chart-..." for a Smith window, "<name> Chart" otherwise.
    std::string Caption(const ChartContext& context) const;

    // Draws the window's chart and returns the legend texts (six for a Smith window,
    // one per trace otherwise). ownPicture is true only for the window's own picture:
    // then, if the current slot is this window's (of its kind; for Smith its own slot)
    // and not yet copied, its sweep is copied from the point table, and on rectangular
    // charts srfReadout (the selection window's SRF text, MHz) is recorded in that
    // slot, 0 when it is no number. Prints and clipboard pictures only read the copy,
    // so they never change a slot.
    std::vector<std::string> Draw(shared::ChartCanvas& canvas, bool ownPicture, ChartContext& context,
                                  std::string_view srfReadout);

    // The window closes: its slots are freed (a Smith window frees only its own).
    void Close(ChartSlotTable& slots) const;

private:
    void CopyCurrentSlot(ChartContext& context, std::string_view srfReadout);

    ChartKind kind_ = ChartKind::Smith;
    pelmo::SParameter sParameter_ = pelmo::SParameter::None;
    CircuitMode connection_ = CircuitMode::Series;
    int slotNumber_ = 0;
    char separator_;
    TraceStore store_;
    ChartAxis axis_;
};

}  // namespace pelmo

#endif
