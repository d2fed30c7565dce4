// Renders every pelmo chart kind with a few traces of the sample library to PNG files
// through the painter canvas, for a person to look at:
//   pelmo-chart-screenshots OUTPUT_FOLDER [LIBRARY_FOLDER]
// Each picture is the chart as the window's picture shows it, with the window caption
// above and the legend frames' texts beside it in their colours.
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/chart_style.h"
#include "pelmo/charts/chart_window_model.h"
#include "pelmo/charts/slot_reservation.h"
#include "pelmo/engine/capacitor_evaluation.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/library/capacitor_order.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/program_identity.h"
#include "tools/screenshots/output_folder.h"

#include "shared/canvas/qt/painter_canvas.h"
#include "shared/parts/part_number_codes.h"
#include "shared/text/number_text.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cctype>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

using pelmo::ChartKind;

// The window's picture at twice the screen resolution: 5438.4 x 3625.6 twips.
constexpr double kDotsPerInch = 192.0;
constexpr int kChartWidth = 725;
constexpr int kChartHeight = 483;
constexpr int kLegendWidth = 420;
constexpr int kCaptionHeight = 40;

struct PartChoice {
    pelmo::ProductKind productKind = pelmo::ProductKind::Capacitor;
    int index = -1;
};

struct TraceRequest {
    PartChoice part;
    std::string sParameter;
};

class ChartRenderer {
public:
    explicit ChartRenderer(const pelmo::Library& library) : library_(library) {}

    // Requests every trace in turn into one window of the kind and returns the picture.
    std::optional<QImage> Render(ChartKind kind, const std::vector<TraceRequest>& requests) {
        pelmo::ChartSlotTable slotTable;
        pelmo::ChartPointTable points{};
        pelmo::ChartContext context{slotTable,           points, library_, shared::Eia, "\xC2\xB0", nullptr,
                                    pelmo::kProgramTitle};
        const bool smith = kind == ChartKind::Smith;
        shared::PainterCanvas canvas(smith ? kChartHeight : kChartWidth, kChartHeight, kDotsPerInch);
        std::optional<pelmo::ChartWindowModel> window;
        std::vector<std::string> legends;
        for (const TraceRequest& request : requests) {
            const int passes = kind == ChartKind::ImpedanceAndEsr ? 2 : 1;
            for (int pass = 0; pass < passes; ++pass) {
                slotTable.SetImpedanceEsrSecondPass(pass == 1);
                std::string srf;
                if (!Sweep(kind, request, slotTable, points, srf)) break;
                if (!window) window.emplace(slotTable, pelmo::CircuitMode::Series, '.');
                legends = window->Draw(canvas, true, context, srf);
            }
            slotTable.SetImpedanceEsrSecondPass(false);
        }
        if (!window) return std::nullopt;
        return Compose(canvas.Image(), window->Caption(context), legends, smith);
    }

private:
    // One chart request: plan, take a slot, sweep into the point table.
    bool Sweep(ChartKind kind, const TraceRequest& request, pelmo::ChartSlotTable& slotTable,
               pelmo::ChartPointTable& points, std::string& srf) {
        const std::string chartName(pelmo::ChartName(kind));
        pelmo::ChartSlot slot;
        slot.Product = request.part.productKind;
        slot.PartIndexPlusOne = request.part.index + 1;
        slot.Kind = kind;
        slot.Parameter = pelmo::SParameterFromName(request.sParameter).value();
        if (!request.sParameter.empty()) slot.Connection = pelmo::CircuitMode::Series;
        slot.Temperature = 25.0F;
        pelmo::OperatingPointResult result;
        pelmo::ChartSweepPlan plan;
        const bool capacitor = request.part.productKind == pelmo::ProductKind::Capacitor;
        const std::size_t index = static_cast<std::size_t>(request.part.index);
        pelmo::CapacitorConditions conditions;
        if (capacitor) {
            const pelmo::CapacitorRecord& record = library_.CapacitorTable[index];
            conditions.PartNumber = record.PartNumber[shared::Eia];
            plan = pelmo::PlanCapacitorChart(record, conditions, kind, result);
            if (plan.RangeClass == 4) slot.UpperFrequency = record.UpperFrequency;
        } else {
            plan = pelmo::PlanInductorChart(library_.InductorTable[index], kind);
        }
        if (plan.Refusal != pelmo::ChartSweepRefusal::None ||
            slotTable.CheckChartOpen(slot) != pelmo::ChartOpenRefusal::None) {
            std::printf("  skipped a %s trace (refused)\n", chartName.c_str());
            return false;
        }
        pelmo::SlotReservation reservation(slotTable, slot);
        if (capacitor)
            pelmo::SweepCapacitorChart(library_.CapacitorTable[index], conditions, plan, result, points);
        else
            pelmo::SweepInductorChart(library_.InductorTable[index], plan, result, points);
        reservation.Commit();
        srf = result.ResonantFrequency > 0 ? shared::Format(result.ResonantFrequency / 1e6, "0.00", '.') : "";
        return true;
    }

    static QImage Compose(const QImage& chart, const std::string& caption,
                          const std::vector<std::string>& legends, bool smith) {
        QImage image(chart.width() + kLegendWidth, chart.height() + kCaptionHeight, QImage::Format_RGB32);
        image.fill(QColor(240, 240, 240));
        QPainter painter(&image);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(18);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(10, 26, QString::fromStdString(caption));
        painter.drawImage(0, kCaptionHeight, chart);
        font.setPixelSize(15);
        painter.setFont(font);
        for (std::size_t k = 0; k < legends.size() && k < 6; ++k) {
            const shared::Rgb rgb = smith ? shared::colors::kBlue : pelmo::kTraceColors[k];
            painter.setPen(QColor(rgb.red, rgb.green, rgb.blue));
            const int top = kCaptionHeight + 10 + static_cast<int>(k) * 58;
            const QString frame = smith ? QString() : QStringLiteral("No.%1").arg(k + 1);
            painter.drawRect(chart.width() + 10, top, kLegendWidth - 20, 50);
            painter.drawText(chart.width() + 16, top + 16, frame);
            painter.drawText(chart.width() + 16, top + 38, QString::fromStdString(legends[k]));
        }
        return image;
    }

    const pelmo::Library& library_;
};

// The first capacitor of a frequency class, preferring one with the condition model.
PartChoice FindCapacitor(const pelmo::Library& library, int rangeClass, bool wantModel) {
    PartChoice fallback;
    for (std::size_t i = 0; i < library.CapacitorTable.size(); ++i) {
        const pelmo::CapacitorRecord& record = library.CapacitorTable[i];
        if (record.PartNumber[shared::Eia].empty() ||
            shared::FrequencyRangeClass(record.PartNumber[shared::Eia]) != rangeClass)
            continue;
        if (pelmo::HasConditionModel(record) == wantModel)
            return {pelmo::ProductKind::Capacitor, static_cast<int>(i)};
        if (fallback.index < 0) fallback = {pelmo::ProductKind::Capacitor, static_cast<int>(i)};
    }
    return fallback;
}

PartChoice FindInductor(const pelmo::Library& library, bool helpNoteSeries) {
    for (std::size_t i = 0; i < library.InductorTable.size(); ++i) {
        const bool note = library.InductorTable[i].PartNumber.find("PWT15DZ") != std::string::npos;
        if (note == helpNoteSeries && library.InductorTable[i].SelfResonance > 0)
            return {pelmo::ProductKind::Inductor, static_cast<int>(i)};
    }
    return {};
}

std::string FileName(ChartKind kind) {
    std::string name = "pelmo-chart-";
    for (const char c : pelmo::ChartName(kind)) {
        if (c == ' ' || c == '&') {
            if (name.back() != '-') name += '-';
        } else {
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const std::optional<QDir> outputFolder = OutputFolder(argc, argv, "pelmo-chart-screenshots");
    if (!outputFolder) {
        return 2;
    }
    const QDir& folder = *outputFolder;
    const std::string libraryFolder = argc > 2 ? argv[2] : PELMO_SAMPLE_LIBRARY_FOLDER;
    try {
        pelmo::Library library = pelmo::LoadLibrary(libraryFolder, '.');
        if (!pelmo::SortCapacitors(library, shared::Eia, '.')) {
            std::fprintf(stderr, "the sample library does not sort\n");
            return 1;
        }
        const PartChoice wide = FindCapacitor(library, 5, true);
        const PartChoice mid = FindCapacitor(library, 3, false);
        const PartChoice high = FindCapacitor(library, 2, false);
        const PartChoice coil = FindInductor(library, false);
        const PartChoice noted = FindInductor(library, true);

        const std::vector<std::pair<ChartKind, std::vector<TraceRequest>>> charts = {
            {ChartKind::Smith, {{mid, "S11"}}},
            {ChartKind::Magnitude, {{mid, "S11"}, {mid, "S21"}, {coil, "S21"}}},
            {ChartKind::Phase, {{mid, "S11"}, {mid, "S21"}, {coil, "S21"}}},
            {ChartKind::Impedance, {{wide, ""}, {mid, ""}, {noted, ""}}},
            {ChartKind::Esr, {{wide, ""}, {mid, ""}, {coil, ""}}},
            {ChartKind::Reactance, {{wide, ""}, {mid, ""}, {high, ""}}},
            {ChartKind::Q, {{high, ""}, {coil, ""}}},
            {ChartKind::DF, {{wide, ""}, {mid, ""}}},
            {ChartKind::ApparentCapacitance, {{mid, ""}, {high, ""}}},
            {ChartKind::ApparentInductance, {{mid, ""}, {coil, ""}}},
            {ChartKind::ImpedanceAndEsr, {{mid, ""}, {coil, ""}}},
        };
        ChartRenderer renderer(library);
        bool ok = true;
        for (const auto& [kind, requests] : charts) {
            const std::optional<QImage> image = renderer.Render(kind, requests);
            const QString path =
                folder.filePath(QString::fromStdString(FileName(kind)) + QStringLiteral(".png"));
            const bool saved = image.has_value() && image->save(path);
            std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
            ok &= saved;
        }
        return ok ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pelmo-chart-screenshots: %s\n", error.what());
        return 1;
    }
}
