// The axis-range dialog's four typed texts against a window's curves: refused with a
// message, or a range inside the full one that the window then draws magnified, never a
// crash, a range holding NaN or infinity, or a drawing that does not end.
#include "darvo/charts/axis_range_check.h"
#include "darvo/charts/chart_drawing.h"
#include "darvo/charts/chart_window_model.h"
#include "darvo/selection/plot_conditions.h"
#include "fuzz/fuzz_support.h"

#include "shared/canvas/recording_canvas.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/fake_messages.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Window {
    darvo::ChartIdentity Identity;
    darvo::ChartTable Table;  // one curve, prepared for the window's Load
};

// One window of every identity the selection offers, each with a curve of the first
// sample part the engine computes for it.
const std::vector<Window>& Windows() {
    static const std::vector<Window> windows = [] {
        std::vector<Window> made;
        const darvo::ProductLibrary& library = fuzz::SampleProducts();
        shared::FakeMessages messages;
        for (std::size_t type = 0; type < darvo::kChartTypeCount; ++type) {
            const auto chartType = static_cast<darvo::ChartType>(type);
            for (const darvo::Quantity x : darvo::XAxisQuantities(chartType)) {
                for (const darvo::Quantity y : darvo::YAxisQuantities(chartType)) {
                    Window window{{chartType, x, y}, {}};
                    for (std::size_t i = 0; i < library.ProductTable.size(); ++i) {
                        const darvo::ProductRecord& part = library.ProductTable[i];
                        if (!part.ChartAvailable[type] || part.PartNumber[shared::Eia].empty()) continue;
                        darvo::ConditionTexts texts = darvo::DefaultConditions(part, shared::Eia, '.');
                        texts.ParameterValue = "0.01";
                        try {
                            if (fuzz::PrepareDarvoCurve(window.Table, part, static_cast<std::int32_t>(i),
                                                        window.Identity, texts, '.', messages)) {
                                made.push_back(std::move(window));
                                break;
                            }
                        } catch (const shared::RuntimeError&) {
                        }
                    }
                }
            }
        }
        return made;
    }();
    return windows;
}

bool Finite(const darvo::AxisRange& range) {
    return std::isfinite(range.Xmin) && std::isfinite(range.Xmax) && std::isfinite(range.Ymin) &&
           std::isfinite(range.Ymax);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::vector<Window>& windows = Windows();
    const std::uint8_t choice = input.Byte();
    const Window& chosen = windows[(choice >> 1) % windows.size()];
    const char separator = (choice & 1) != 0 ? ',' : '.';
    darvo::ChartTable table = chosen.Table;
    shared::RecordingCanvas picture(8, 8);  // the drawing steps, not its pixels
    darvo::ChartWindowModel window(chosen.Identity);
    window.Load(table, picture, {});

    // The dialog shows the window's range; a frequency axis cannot be edited, so its
    // texts stay as shown.
    const darvo::AxisDialogTexts shown =
        darvo::AxisDialogFor(chosen.Identity, window.Range(), "\u00B0", separator);
    std::array<std::string, 2> x = shown.X;
    if (shown.XEditable) x = {input.Line(), input.Line()};
    const std::array<std::string, 2> y = {input.Line(), input.Line()};

    shared::FakeMessages messages;
    const darvo::AxisDialogOutcome outcome =
        darvo::ConfirmAxisDialog(table, chosen.Identity, x, y, separator, messages, "darvo");
    if (!outcome.Accepted) {
        if (messages.Shown().empty()) std::abort();  // a refusal always says why
        return 0;
    }
    if (!Finite(outcome.Range)) {
        std::fprintf(stderr, "accepted a range that is not finite\n");
        std::abort();
    }
    window.WriteMagnification(table, picture, outcome.Range, outcome.Result, {});
    return 0;
}
