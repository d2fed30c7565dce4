#ifndef TESTS_PELMO_PRINTING_SAMPLE_CHARTS_H
#define TESTS_PELMO_PRINTING_SAMPLE_CHARTS_H

#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/chart_window_model.h"
#include "pelmo/engine/chart_kind.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/library/records.h"

#include "shared/canvas/recording_canvas.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace pelmo::testing {

// The chart windows of a program session over the generated sample library, as the
// print and clipboard commands find them: each request plans and sweeps a real part,
// takes a slot, and draws into the window of its kind (a new one for every Smith chart)
// on the window's own picture, which copies the trace and yields the legend texts.
class SampleCharts {
public:
    // Loads the library of folder with the program's decimal separator and sorts it in
    // codeSystem, which builds the lookups the printed tables read. The windows write
    // their captions with the same separator. Throws when the library cannot be loaded
    // or sorted.
    explicit SampleCharts(const std::string& folder, shared::CodeSystem codeSystem = shared::Eia,
                          char separator = '.');
    SampleCharts(const SampleCharts&) = delete;
    SampleCharts& operator=(const SampleCharts&) = delete;

    // Library indexes of parts with the wanted traits; -1 when the library has none.
    // rangeClass 0 accepts any class.
    int Capacitor(bool withConditionModel, int rangeClass = 0) const;
    int Inductor(bool helpNoteSeries) const;
    std::string CapacitorNumber(int index) const;
    std::string InductorNumber(int index) const;

    // One chart request. Impedance & ESR makes both passes of the pair. Returns false
    // (nothing changed) when the request is refused by the plan or the slot checks.
    bool Request(ChartKind kind, ProductKind productKind, int index, const std::string& sParameter = "",
                 const std::string& connection = "Series", float temperature = 25.0F, float bias = 0.0F);

    // The window of a rectangular kind, or the last Smith window opened.
    ChartWindowModel& Window(ChartKind kind);
    // The legend texts the window shows after its last drawing.
    const std::vector<std::string>& Legend(ChartKind kind) const;
    std::string Caption(ChartKind kind);
    // The window's own picture, as a RecordingCanvas.
    shared::RecordingCanvas& Picture(ChartKind kind);

    Library& Parts() noexcept { return library_; }
    ChartSlotTable& Slots() noexcept { return slots_; }
    ChartContext& Context() noexcept { return context_; }

private:
    struct OpenWindow {
        std::unique_ptr<ChartWindowModel> Model;
        shared::RecordingCanvas Picture{522, 348, 96.0};
        std::vector<std::string> Legend;
    };
    bool RequestOnePass(ChartKind kind, ProductKind productKind, int index, const std::string& sParameter,
                        const std::string& connection, float temperature, float bias);
    OpenWindow& WindowOf(ChartKind kind);
    const OpenWindow& WindowOf(ChartKind kind) const;

    Library library_;
    shared::CodeSystem codeSystem_;
    char separator_;
    ChartSlotTable slots_;
    ChartPointTable points_{};
    ChartContext context_;
    std::map<ChartKind, std::unique_ptr<OpenWindow>> windows_;
};

}  // namespace pelmo::testing

#endif
