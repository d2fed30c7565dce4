// The typed texts of both selection windows' condition boxes, in either decimal
// separator: each check passes or shows its message, and a plot request made with texts
// that passed computes or refuses, never crashes or reads a number the text does not
// hold. Driven through the window models without widgets.
#include "darvo/engine/chart_table.h"
#include "darvo/selection/condition_checks.h"
#include "darvo/selection/library_selection.h"
#include "darvo/selection/testing/scripted_selection_host.h"
#include "fuzz/fuzz_support.h"
#include "pelmo/selection/library_selection.h"
#include "pelmo/selection/operating_conditions.h"
#include "pelmo/selection/selection_host.h"

#include "shared/errors/runtime_error.h"
#include "shared/parts/part_number_codes.h"
#include "shared/platform/testing/fake_cursor.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/text/number_text.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

class PelmoHost : public pelmo::SelectionHost {
public:
    void ChooseCandidate(std::vector<std::int32_t>& candidates) override {
        if (!candidates.empty()) candidates.resize(1);
    }
    int OpenChartWindowCount() const override { return 0; }
    void CloseAllChartWindows() override {}
};

void FuzzPelmo(fuzz::InputReader& input, char separator) {
    const std::uint8_t choice = input.Byte();
    const std::string frequency = input.Line();
    const std::string temperature = input.Line();
    const std::string bias = input.Line();
    const pelmo::Library& library = fuzz::SamplePelmoLibrary(separator);
    const std::size_t index = (choice * 131u + input.Byte() * 7u) % library.CapacitorTable.size();
    const pelmo::CapacitorRecord& part = library.CapacitorTable[index];
    const std::string& partNumber = part.PartNumber[shared::Eia];

    // The checks the window runs, with the separator given.
    if (const auto range = pelmo::FrequencyRangeOf(shared::FrequencyRangeClass(partNumber),
                                                   part.UpperFrequency, separator)) {
        double typed = 0.0;
        if (!pelmo::FrequencyCheckMessage(frequency, *range, separator, &typed) &&
            (!std::isfinite(typed) || typed < range->Lower)) {
            std::fprintf(stderr, "a frequency outside the range passed the check\n");
            std::abort();
        }
    }
    if (!partNumber.empty()) {
        (void)pelmo::OperatingConditionMessage(library, part, partNumber, shared::Eia, temperature, bias,
                                               separator);
    }

    pelmo::Library model = library;
    shared::FakeMessages messages;
    shared::FakeCursor cursor;
    PelmoHost host;
    pelmo::LibrarySelection selection(model, messages, cursor, host, separator);
    selection.Form_Load(2);
    if ((choice & 1) != 0 && !model.InductorTable.empty()) {
        selection.optProduct_Click(1);
        selection.SetPartNumberText(model.InductorTable[index % model.InductorTable.size()].PartNumber);
    } else {
        selection.SetPartNumberText(partNumber);
    }
    selection.ApplyPartNumber();
    selection.optMode_Click((choice >> 1) & 1);
    selection.SetFrequencyText(frequency);
    selection.SetTemperatureText(temperature);
    selection.SetBiasText(bias);
    switch ((choice >> 2) & 3) {
        case 0:
            selection.txtFreq_KeyPress('\r');
            break;
        case 1:
            selection.txtTemp_KeyPress('\r');
            break;
        case 2:
            selection.txtDC_KeyPress('\r');
            break;
        default:
            (void)selection.RefreshReadoutsForExport();
            break;
    }
}

void FuzzDarvo(fuzz::InputReader& input, char separator) {
    const std::uint8_t choice = input.Byte();
    const std::uint8_t partChoice = input.Byte();
    darvo::ConditionTexts texts;
    texts.DCBiasVoltage = input.Line();
    texts.Frequency = input.Line();
    texts.HeatResistance = input.Line();
    texts.AmbientTemperature = input.Line();
    texts.ParameterValue = input.Line();
    const auto chartType = static_cast<darvo::ChartType>(choice % darvo::kChartTypeCount);
    const darvo::ProductLibrary& sample = fuzz::SampleProducts();
    const auto& table = sample.ProductTable;
    std::size_t index = (partChoice * 97u) % table.size();
    for (std::size_t tried = 0; tried < table.size(); ++tried, index = (index + 1) % table.size()) {
        if (table[index].ChartAvailable[chartType] && !table[index].PartNumber[shared::Eia].empty()) break;
    }
    const darvo::ProductRecord& part = table[index];

    shared::FakeMessages messages;
    darvo::ConditionChecks checks(part, chartType, shared::Eia, messages, separator);
    // A text a check lets through is a finite number the chart can use.
    const auto passes = [separator](bool passed, const std::string& text) {
        const std::optional<double> value = shared::ParseNumber(text, separator);
        if (passed && (!value || !std::isfinite(*value))) {
            std::fprintf(stderr, "a condition check let \"%s\" through\n", text.c_str());
            std::abort();
        }
    };
    passes(checks.CheckDCBiasVol(texts.DCBiasVoltage), texts.DCBiasVoltage);
    passes(checks.CheckFrequency(texts.Frequency), texts.Frequency);
    passes(checks.CheckHeatResistance(texts.HeatResistance), texts.HeatResistance);
    passes(checks.CheckParameter1(texts.ParameterValue), texts.ParameterValue);
    passes(checks.CheckAmbientTemp1(texts.AmbientTemperature), texts.AmbientTemperature);
    passes(checks.CheckAmbientTemp2(texts.AmbientTemperature), texts.AmbientTemperature);

    // The window: the part typed, the boxes filled, then the plot request.
    darvo::ProductLibrary library = sample;
    darvo::ChartTable charts;
    shared::FakeCursor cursor;
    darvo::testing::ScriptedSelectionHost host(library, charts, separator);
    darvo::LibrarySelection selection(library, charts, messages, cursor, host, separator);
    host.Attach(&selection);
    selection.Form_Load(2);
    selection.optChartType_Click(static_cast<int>(chartType));
    selection.cmbPartNum_Change(part.PartNumber[shared::Eia]);
    const auto& xItems = selection.State().XAxis.Items;
    if (!xItems.empty()) selection.cmbXaxis_Click(xItems[(choice >> 3) % xItems.size()]);
    const auto& yItems = selection.State().YAxis.Items;
    if (!yItems.empty()) selection.cmbYaxis_Click(yItems[(choice >> 5) % yItems.size()]);
    selection.optParameter_Click((partChoice >> 6) & 3);
    selection.SetDCBiasVolText(texts.DCBiasVoltage);
    selection.SetFrequencyText(texts.Frequency);
    selection.SetHeatResistanceText(texts.HeatResistance);
    selection.SetAmbientTempText(texts.AmbientTemperature);
    selection.SetParameterText(texts.ParameterValue);
    (void)selection.CheckConditions();
    selection.cmdPlot_Click();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::uint8_t mode = input.Byte();
    const char separator = (mode & 1) != 0 ? ',' : '.';
    try {
        if ((mode & 2) != 0) {
            FuzzDarvo(input, separator);
        } else {
            FuzzPelmo(input, separator);
        }
    } catch (const shared::RuntimeError&) {
        // A refusal the models report through their callers.
    }
    return 0;
}
