// Libraries whose numbers are the worst a file can hold: every model value of a part is
// drawn by the input from NaN, both infinities, zeros, negatives, the largest and the
// smallest (denormal) floats, or kept; number texts likewise. The library goes through
// the files and the loader, then every step the programs take with a part: pelmo
// evaluates it, sweeps a chart over frequency and exports it (Touchstone, impedance
// table, SPICE model) into memory; darvo checks the conditions, computes a chart, draws
// it and writes its .dvx text. A failure must be a reported error (RuntimeError or a
// refusal with its message), never a crash, undefined behaviour, a non-finite chart
// point or a NaN or infinity text in an output.
#include "darvo/charts/chart_window_model.h"
#include "darvo/export/dvx_writer.h"
#include "darvo/library/product_loader.h"
#include "darvo/library/product_writer.h"
#include "darvo/selection/condition_checks.h"
#include "fuzz/fuzz_support.h"
#include "pelmo/cli/export_job.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/engine/inductor_evaluation.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/library_writer.h"

#include "shared/canvas/recording_canvas.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/memory_file_sink.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Fault(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// A value the input picks, or the part's own when the input says so or has run out.
class Extremes {
public:
    explicit Extremes(fuzz::InputReader& input) : input_(input) {}

    float Single(float own) {
        if (input_.Empty()) return own;
        static constexpr float kValues[] = {
            std::numeric_limits<float>::quiet_NaN(),
            std::numeric_limits<float>::infinity(),
            -std::numeric_limits<float>::infinity(),
            0.0F,
            -0.0F,
            -1.0F,
            FLT_MAX,
            -FLT_MAX,
            1e30F,
            std::numeric_limits<float>::denorm_min(),
            -std::numeric_limits<float>::denorm_min(),
            FLT_MIN,
            1e-30F,
        };
        const std::uint8_t pick = input_.Byte() % 16;
        return pick < std::size(kValues) ? kValues[pick] : own;
    }

    double Double(double own) {
        if (input_.Empty()) return own;
        static constexpr double kValues[] = {
            std::numeric_limits<double>::quiet_NaN(),
            std::numeric_limits<double>::infinity(),
            -std::numeric_limits<double>::infinity(),
            0.0,
            -1.0,
            1e308,
            -1e308,
            FLT_MAX,
            std::numeric_limits<double>::denorm_min(),
            1e-300,
        };
        const std::uint8_t pick = input_.Byte() % 16;
        return pick < std::size(kValues) ? kValues[pick] : own;
    }

    // numbersOnly leaves out the texts that are no number: a part without a condition
    // model takes any typed text, and its export header repeats the text as typed.
    std::string Text(const std::string& own, bool numbersOnly = false) {
        if (input_.Empty()) return own;
        static const char* const kTexts[] = {"0",     "-1",       "1E+308", "1E+39", "3.402823E+38",
                                             "1E-45", "4.9E-324", "nan",    "inf",   ""};
        const std::uint8_t pick = input_.Byte() % 16;
        if (numbersOnly && pick >= 7) return own;
        return pick < std::size(kTexts) ? kTexts[pick] : own;
    }

    template <std::size_t N>
    void Singles(std::array<float, N>& values) {
        for (float& value : values) value = Single(value);
    }

private:
    fuzz::InputReader& input_;
};

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void CheckFiles(const std::vector<std::shared_ptr<shared::MemoryFileSink>>& sinks) {
    for (const auto& sink : sinks) {
        if (sink->Committed() && fuzz::HasNonFiniteText(sink->Bytes())) {
            std::fprintf(stderr, "%.3000s\n", sink->Bytes().c_str());
            Fault("an export holds a NaN or infinity text");
        }
    }
}

bool FinitePoint(const pelmo::ChartPoint& p) {
    for (const double value :
         {p.Frequency, p.S11Real, p.S11Imag, p.S21Real, p.S21Imag, p.S11MagnitudeDb, p.S21MagnitudeDb,
          p.S11PhaseDeg, p.S21PhaseDeg, p.ImpedanceMagnitude, p.Esr, p.Reactance, p.Capacitance, p.Q, p.DF,
          p.ApparentCapacitance, p.ApparentInductance}) {
        if (!std::isfinite(value)) return false;
    }
    return true;
}

void FuzzPelmo(fuzz::InputReader& input, std::uint8_t choice) {
    const char separator = (choice & 2) != 0 ? ',' : '.';
    const pelmo::Library& sample = fuzz::SamplePelmoLibrary('.');
    pelmo::CapacitorRecord capacitor = sample.CapacitorTable[input.Byte() % sample.CapacitorTable.size()];
    pelmo::InductorRecord inductor = sample.InductorTable[input.Byte() % sample.InductorTable.size()];
    const std::uint8_t work = input.Byte();
    Extremes pick(input);
    for (float* value : {&capacitor.C1, &capacitor.L1, &capacitor.Ra, &capacitor.Rb, &capacitor.Rc,
                         &capacitor.C2, &capacitor.L2, &capacitor.R2, &capacitor.C3, &capacitor.L3,
                         &capacitor.R3, &capacitor.UpperFrequency, &capacitor.RcExponent}) {
        *value = pick.Single(*value);
    }
    pick.Singles(capacitor.BiasCoef);
    pick.Singles(capacitor.TempCoef);
    pick.Singles(capacitor.ResTempB);
    pick.Singles(capacitor.ResTempA);
    for (float* value :
         {&capacitor.PeakAmplitude, &capacitor.PeakOffset, &capacitor.PeakTempV2, &capacitor.PeakTempV1,
          &capacitor.PeakTemp0, &capacitor.SharpBelowV2, &capacitor.SharpBelowV1, &capacitor.SharpBelow0,
          &capacitor.SharpAboveV2, &capacitor.SharpAboveV1, &capacitor.SharpAbove0, &capacitor.ExpBelow,
          &capacitor.ExpAbove}) {
        *value = pick.Single(*value);
    }
    capacitor.NominalCapacitance = pick.Text(capacitor.NominalCapacitance);
    capacitor.RatedVoltage = pick.Text(capacitor.RatedVoltage);
    for (float* value :
         {&inductor.L0, &inductor.L0Exponent, &inductor.RsCoef, &inductor.RsExponent, &inductor.Cp,
          &inductor.L1, &inductor.R1, &inductor.R0, &inductor.SelfResonance, &inductor.UpperFrequency}) {
        *value = pick.Single(*value);
    }
    pelmo::CapacitorConditions conditions;
    conditions.Temperature = pick.Double(25.0);
    conditions.Bias = pick.Double(0.0);
    conditions.Connection = (work & 0x40) != 0 ? pelmo::CircuitMode::Shunt : pelmo::CircuitMode::Series;
    const double omega = pick.Double(2.0 * M_PI * 1e8);
    // The texts of the window's fields for the export.
    const std::string frequencyText = pick.Text("100", true);
    const std::string temperatureText = pick.Text("25", true);
    const std::string biasText = pick.Text("0", true);

    // Through the files and the loader, as the program meets them.
    static const std::filesystem::path folder = fuzz::ScratchFolder("extreme-pelmo");
    pelmo::Library library;
    try {
        WriteFile(folder / "cap.idx", pelmo::CapacitorIndexText({capacitor}));
        WriteFile(folder / "cap.dat", pelmo::CapacitorModelFile({capacitor}));
        WriteFile(folder / "ind.idx", pelmo::InductorIndexText({inductor}));
        WriteFile(folder / "ind.dat", pelmo::InductorModelFile({inductor}));
        library = pelmo::LoadLibrary(folder.string(), separator);
        if (!pelmo::SortCapacitors(library, shared::Eia, separator)) return;
    } catch (const shared::RuntimeError&) {
        return;  // refused by the writer or the loader: reported at start
    }
    const pelmo::CapacitorRecord& loadedCapacitor = library.CapacitorTable.front();
    const pelmo::InductorRecord& loadedInductor = library.InductorTable.front();
    conditions.PartNumber = loadedCapacitor.PartNumber[shared::Eia];

    shared::FakeMessages messages;
    pelmo::OperatingPointResult result;
    try {
        if ((work & 1) == 0) {
            pelmo::EvaluateCapacitor(loadedCapacitor, omega, conditions, result, &messages);
        } else {
            pelmo::EvaluateInductor(loadedInductor, omega, result, &messages);
        }
    } catch (const shared::RuntimeError&) {
    }

    const auto chart = static_cast<pelmo::ChartKind>((work >> 1) % pelmo::kChartKindCount);
    try {
        pelmo::ChartPointTable points{};
        pelmo::OperatingPointResult sweep;
        if ((work & 0x20) == 0) {
            const pelmo::ChartSweepPlan plan =
                pelmo::PlanCapacitorChart(loadedCapacitor, conditions, chart, sweep, &messages);
            if (plan.Refusal == pelmo::ChartSweepRefusal::None) {
                pelmo::SweepCapacitorChart(loadedCapacitor, conditions, plan, sweep, points, &messages);
                for (const pelmo::ChartPoint& point : points) {
                    if (!FinitePoint(point)) Fault("a capacitor chart point is not finite");
                }
            }
        } else {
            const pelmo::ChartSweepPlan plan = pelmo::PlanInductorChart(loadedInductor, chart);
            if (plan.Refusal == pelmo::ChartSweepRefusal::None) {
                pelmo::SweepInductorChart(loadedInductor, plan, sweep, points, &messages);
                for (const pelmo::ChartPoint& point : points) {
                    if (!FinitePoint(point)) Fault("an inductor chart point is not finite");
                }
            }
        }
    } catch (const shared::RuntimeError&) {
    }

    // The export of the part at those conditions, as the window's save command writes
    // it (one format per input keeps the work small).
    std::vector<std::shared_ptr<shared::MemoryFileSink>> sinks;
    pelmo::ExportJob job;
    job.Format = static_cast<pelmo::ExportFormat>((work >> 5) % 3);
    const bool ofInductor = (work & 0x80) != 0;
    job.Selection.Product = ofInductor ? pelmo::ProductKind::Inductor : pelmo::ProductKind::Capacitor;
    job.Selection.PartNumber = ofInductor ? loadedInductor.PartNumber : conditions.PartNumber;
    job.Selection.Connection = conditions.Connection;
    job.Selection.TemperatureText = temperatureText;
    job.Selection.BiasText = biasText;
    job.FrequencyText = frequencyText;
    try {
        (void)pelmo::RunExportJob(
            library, job, [](const pelmo::ExportSubject&) { return std::string("memory"); }, separator,
            [&sinks](const std::string&) -> std::unique_ptr<shared::FileSink> {
                sinks.push_back(std::make_shared<shared::MemoryFileSink>());
                return std::make_unique<fuzz::KeptSink>(sinks.back());
            },
            messages);
    } catch (const shared::RuntimeError&) {
    }
    CheckFiles(sinks);
}

void FuzzDarvo(fuzz::InputReader& input, std::uint8_t choice) {
    const char separator = (choice & 2) != 0 ? ',' : '.';
    const darvo::ProductLibrary& sample = fuzz::SampleProducts();
    darvo::ProductRecord product = sample.ProductTable[input.Byte() % sample.ProductTable.size()];
    const std::uint8_t work = input.Byte();
    Extremes pick(input);
    pick.Singles(product.CapModel);
    pick.Singles(product.HeatModel);

    static const std::filesystem::path folder = fuzz::ScratchFolder("extreme-darvo");
    darvo::ProductLibrary library;
    try {
        WriteFile(folder / "product.idx", darvo::ProductIndexText({product}));
        WriteFile(folder / "product.dat", darvo::ProductModelFile({product}));
        library = darvo::LoadProducts(folder.string(), separator);
        if (!darvo::SortProducts(library, shared::Eia, separator)) return;
    } catch (const shared::RuntimeError&) {
        return;
    }
    const darvo::ProductRecord& part = library.ProductTable.front();
    const auto chartType = static_cast<darvo::ChartType>(work % darvo::kChartTypeCount);
    if (!part.ChartAvailable[chartType]) return;  // never listed for that chart
    const auto& xs = darvo::XAxisQuantities(chartType);
    const auto& ys = darvo::YAxisQuantities(chartType);
    const darvo::ChartIdentity identity{chartType, xs[(work >> 3) % xs.size()], ys[(work >> 5) % ys.size()]};

    // The condition boxes: the window's defaults (a heat resistance that has no text
    // is a reported failure already) or the input's texts, checked as the plot request
    // checks them; then the chart, its drawing and its data file.
    try {
        darvo::ConditionTexts texts = darvo::DefaultConditions(part, shared::Eia, separator);
        texts.DCBiasVoltage = pick.Text(texts.DCBiasVoltage);
        texts.Frequency = pick.Text(texts.Frequency);
        texts.HeatResistance = pick.Text(texts.HeatResistance);
        texts.AmbientTemperature = pick.Text(texts.AmbientTemperature);
        texts.ParameterValue = pick.Text(texts.ParameterValue);
        shared::FakeMessages messages;
        darvo::ConditionChecks checks(part, chartType, shared::Eia, messages, separator);
        if (!checks.CheckAllConditions(texts, identity.XAxis)) return;

        darvo::ChartTable table;
        if (!fuzz::PrepareDarvoCurve(table, part, 0, identity, texts, separator, messages)) return;
        const darvo::ChartDataRecord record = table.Prepared();
        shared::RecordingCanvas picture(8, 8);  // the drawing steps, not its pixels
        darvo::ChartWindowModel window(identity);
        window.Load(table, picture, {});
        const std::string dvx =
            darvo::DvxFileText(record, {"1/2/2026 3:04:05", part.PartNumber[0]}, separator);
        if (fuzz::HasNonFiniteText(dvx)) Fault("a .dvx text holds a NaN or infinity text");
    } catch (const shared::RuntimeError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::uint8_t choice = input.Byte();
    if ((choice & 1) == 0) {
        FuzzPelmo(input, choice);
    } else {
        FuzzDarvo(input, choice);
    }
    return 0;
}
