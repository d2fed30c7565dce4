#ifndef PELMO_CHARTS_CHART_SLOT_H
#define PELMO_CHARTS_CHART_SLOT_H

#include "pelmo/engine/chart_kind.h"
#include "pelmo/engine/circuit_mode.h"
#include "pelmo/engine/s_parameter.h"
#include "pelmo/library/product_kind.h"

#include <cstdint>
#include <optional>

namespace pelmo {

// One charted trace: what was requested, for which part and at which conditions. The
// fields stay as the request wrote them until the window showing the trace closes, so
// every later check (limits, duplicates) and every redraw or print reads the request's
// own values, not whatever the selection window shows by then.
struct ChartSlot {
    // A free slot has no product, kind or connection, so it never matches a request.
    std::optional<ProductKind> Product;
    std::int32_t PartIndexPlusOne = 0;        // index in the part's library table + 1; 0 when free
    std::optional<ChartKind> Kind;            // the request's chart kind
    SParameter Parameter = SParameter::None;  // None unless HasSParameter(Kind)
    std::optional<CircuitMode> Connection;    // only where HasSParameter(Kind)
    float Temperature = 0.0F;                 // [C] at request time
    float DcBias = 0.0F;                      // [V] at request time
    std::int16_t SlotNumber = 0;              // the slot's own number while in use; 0 when free
    float Srf = 0.0F;                         // [MHz] readout when the trace was copied; 0 if none
    float UpperFrequency = 0.0F;              // [Hz] data limit, recorded for class 4 only

    bool InUse() const noexcept { return SlotNumber != 0; }
};

}  // namespace pelmo

#endif
