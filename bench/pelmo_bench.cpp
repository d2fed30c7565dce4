// pelmo's waits: a chart request sweeps 201 points, a save command writes 201 or 402
// rows, and export-all does that for every part. The figures are per request (sweeps,
// one export) and per library (export-all, real time with its worker threads).

#include "pelmo/cli/export_all.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/export/export_command.h"
#include "pelmo/export/export_evaluators.h"
#include "pelmo/export/touchstone_writer.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"

#include "shared/parts/part_number_codes.h"
#include "shared/platform/atomic_file_writer.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/memory_file_sink.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

namespace pelmo {
namespace {

const Library& SampleLibrary() {
    static const Library library = [] {
        Library loaded = LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, '.');
        if (!SortCapacitors(loaded, shared::Eia, '.')) {
            throw std::runtime_error("the sample library does not sort");
        }
        return loaded;
    }();
    return library;
}

// A class-3 capacitor with a temperature and bias model: the full evaluation.
const CapacitorRecord& ModelCapacitor() {
    for (const CapacitorRecord& record : SampleLibrary().CapacitorTable) {
        if (HasConditionModel(record) && shared::FrequencyRangeClass(record.PartNumber[shared::Eia]) == 3) {
            return record;
        }
    }
    throw std::runtime_error("no class-3 capacitor with a model");
}

CapacitorConditions ConditionsOf(const CapacitorRecord& record) {
    CapacitorConditions conditions;
    conditions.Temperature = 85.0;
    conditions.Bias = 1.0;
    conditions.PartNumber = record.PartNumber[shared::Eia];
    return conditions;
}

void CapacitorSweep(benchmark::State& state) {
    const CapacitorRecord& record = ModelCapacitor();
    const CapacitorConditions conditions = ConditionsOf(record);
    OperatingPointResult result;
    ChartPointTable points;
    for (auto _ : state) {
        const ChartSweepPlan plan = PlanCapacitorChart(record, conditions, ChartKind::Impedance, result);
        SweepCapacitorChart(record, conditions, plan, result, points);
        benchmark::DoNotOptimize(points);
    }
    state.SetItemsProcessed(state.iterations() * kChartPointCount);
}
BENCHMARK(CapacitorSweep)->Unit(benchmark::kMicrosecond);

void InductorSweep(benchmark::State& state) {
    const InductorRecord& record = SampleLibrary().InductorTable.at(0);
    OperatingPointResult result;
    ChartPointTable points;
    for (auto _ : state) {
        const ChartSweepPlan plan = PlanInductorChart(record, ChartKind::Impedance);
        SweepInductorChart(record, plan, result, points);
        benchmark::DoNotOptimize(points);
    }
    state.SetItemsProcessed(state.iterations() * kChartPointCount);
}
BENCHMARK(InductorSweep)->Unit(benchmark::kMicrosecond);

void TouchstoneExportToMemory(benchmark::State& state) {
    const CapacitorRecord& record = ModelCapacitor();
    ExportSelection selection;
    selection.PartNumber = record.PartNumber[shared::Eia];
    selection.TemperatureText = "85";
    selection.BiasText = "1";
    shared::FakeMessages messages;
    const std::optional<ExportPlan> plan = PrepareExport(SampleLibrary(), selection, {}, messages);
    if (!plan) {
        state.SkipWithError("the export was refused");
        return;
    }
    OperatingPointResult result;
    for (auto _ : state) {
        const GridPointEvaluator evaluate =
            SubjectEvaluator(SampleLibrary(), plan->Subject, 85.0, 1.0, shared::Eia, '.', result);
        shared::MemoryFileSink sink;
        WriteTouchstone(plan->Subject, plan->Grid, evaluate, sink);
        benchmark::DoNotOptimize(sink.Bytes().data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(plan->Grid.Frequencies.size()));
}
BENCHMARK(TouchstoneExportToMemory)->Unit(benchmark::kMicrosecond);

// Every capacitor of the sample library into a fresh temporary folder, each file
// through the atomic writer (temporary file, fsync, rename), one worker per core.
void ExportAllCapacitors(benchmark::State& state) {
    const std::filesystem::path base = std::filesystem::temp_directory_path() / "pelmo-bench-export-all";
    ExportAllRequest request;
    request.Jobs = std::max(1U, std::thread::hardware_concurrency());
    std::size_t files = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(base);
        std::filesystem::create_directories(base);
        request.Folder = base.string();
        state.ResumeTiming();
        const ExportAllOutcome outcome =
            ExportAllParts(SampleLibrary(), request, shared::OpenAtomicFileWriter);
        if (!outcome.Failures.empty()) {
            state.SkipWithError("a part could not be exported");
            break;
        }
        files = outcome.FileNames.size();
    }
    std::filesystem::remove_all(base);
    state.counters["files"] = static_cast<double>(files);
    state.counters["workers"] = request.Jobs;
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files));
}
BENCHMARK(ExportAllCapacitors)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace pelmo

BENCHMARK_MAIN();
