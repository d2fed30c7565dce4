// Renders pelmo's chart windows to PNG files for a person to look at:
//   pelmo-charts-screenshots OUTPUT_FOLDER [LIBRARY_FOLDER]
// Every chart kind is requested through the chart requests as the Chart menu makes
// them, several traces per rectangular kind, into real chart windows of an MDI area;
// each window is saved with its frame, legend and status bar. Two more pictures show
// the cursor readout over a trace.
#include "chart_windows_session.h"
#include "pelmo/charts/chart_axis.h"
#include "pelmo/charts/qt/frm_graph.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"
#include "tools/screenshots/output_folder.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/parts/part_number_codes.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>

#include <cmath>
#include <cstdio>
#include <exception>
#include <functional>
#include <string>

namespace {

using pelmo::ChartKind;

// One part of the sample library, as the user would type it.
struct Part {
    std::string Number;
    bool Inductor = false;
};

Part Capacitor(const pelmo::Library& library, int rangeClass, bool model, int skip = 0) {
    for (const pelmo::CapacitorRecord& record : library.CapacitorTable) {
        const std::string& number = record.PartNumber[shared::Eia];
        if (!number.empty() && shared::FrequencyRangeClass(number) == rangeClass &&
            pelmo::HasConditionModel(record) == model && skip-- == 0)
            return Part{number, false};
    }
    return Part{};
}

Part Inductor(const pelmo::Library& library, const std::string& prefix, int skip = 0) {
    for (const pelmo::InductorRecord& record : library.InductorTable) {
        if (record.PartNumber.rfind(prefix, 0) == 0 && record.SelfResonance > 0 && skip-- == 0)
            return Part{record.PartNumber, true};
    }
    return Part{};
}

class ChartScreens {
public:
    explicit ChartScreens(const std::string& libraryFolder)
        : session_(pelmo::LoadLibrary(libraryFolder, '.'), QSize(1600, 1000)) {}

    const pelmo::Library& Parts() const { return session_.library; }

    // Chooses the part, its connection, and requests the chart.
    void Request(const Part& part, ChartKind kind, pelmo::SParameter sParameter = pelmo::SParameter::None,
                 int mode = 0) {
        if (part.Number.empty()) return;
        session_.Choose(part.Number, part.Inductor);
        if (!part.Inductor) session_.selection.optMode_Click(mode);
        shared::FakeMessages& messages = session_.fake.messages;
        messages.Clear();
        session_.requests->Request(kind, sParameter);
        for (const shared::RecordedMessage& message : messages.Shown())
            std::printf("  %s %s: %s\n", part.Number.c_str(), std::string(pelmo::ChartName(kind)).c_str(),
                        message.text.c_str());
        messages.Clear();
    }

    std::vector<pelmo::FrmGraph*> Windows() const { return session_.windows->Windows(); }
    void CloseAll() {
        session_.windows->CloseAll();
        QApplication::processEvents();
    }

    // Moves the mouse onto point of the window's first trace, as a user would.
    static void Hover(pelmo::FrmGraph& window, int point) {
        const pelmo::ChartWindowModel& model = window.Model();
        const pelmo::TraceStore& store = model.Store();
        const int slot = model.SlotNumber();
        const auto log10 = [](double v) { return std::log10(v); };
        double x = 0;
        double y = 0;
        if (model.IsSmith()) {
            const int s = model.SParameter() == pelmo::SParameter::S21 ? 1 : 0;
            x = 1000.0 * store.Value(slot, 2 * s + 1, point);
            y = 1000.0 * store.Value(slot, 2 * s + 2, point);
        } else {
            x = pelmo::FrequencyX(model.Axis(), store.Value(slot, 0, point), log10);
            y = pelmo::ValueY(model.Kind(), model.Axis(), store.Value(slot, 1, point), log10);
        }
        shared::CanvasWidget& picture = window.Picture();
        const QPointF at(picture.Canvas().ToPixelX(x), picture.Canvas().ToPixelY(y));
        QMouseEvent event(QEvent::MouseMove, at, picture.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&picture, &event);
    }

private:
    pelmo::testing::ChartWindowsSession session_;
};

QString FileName(const pelmo::FrmGraph& window, int index) {
    QString name = window.windowTitle().section(QLatin1Char('-'), 0, 0).toLower();
    name.replace(QStringLiteral(" & "), QStringLiteral("-and-"));
    name.replace(QLatin1Char(' '), QLatin1Char('-'));
    return QStringLiteral("charts-%1-%2.png").arg(index, 2, 10, QLatin1Char('0')).arg(name);
}

bool Save(pelmo::FrmGraph& window, const QDir& folder, const QString& name) {
    QWidget* frame = window.parentWidget() != nullptr ? window.parentWidget() : &window;
    const QString path = folder.filePath(name);
    if (!frame->grab().save(path)) {
        std::fprintf(stderr, "pelmo-charts-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::optional<QDir> outputFolder = OutputFolder(argc, argv, "pelmo-charts-screenshots");
    if (!outputFolder) {
        return 2;
    }
    const QDir& folder = *outputFolder;
    try {
        ChartScreens screens(argc > 2 ? argv[2] : PELMO_SAMPLE_LIBRARY_FOLDER);
        const pelmo::Library& library = screens.Parts();
        const Part class5 = Capacitor(library, 5, true);
        const Part class5b = Capacitor(library, 5, true, 40);
        const Part class3 = Capacitor(library, 3, true);
        const Part class2 = Capacitor(library, 2, false);
        const Part class4 = Capacitor(library, 4, false, 30);
        const Part inductor = Inductor(library, "PWL");
        const Part helpNote = Inductor(library, "PWT15DZ");

        // Twenty slots hold two batches' worth of traces: save the first, close it.
        bool ok = true;
        int index = 0;
        const auto saveAll = [&] {
            for (pelmo::FrmGraph* window : screens.Windows())
                ok = Save(*window, folder, FileName(*window, ++index)) && ok;
        };
        screens.Request(inductor, ChartKind::Smith, pelmo::SParameter::S11);
        screens.Request(class5, ChartKind::Smith, pelmo::SParameter::S21, 1);
        screens.Request(inductor, ChartKind::Magnitude, pelmo::SParameter::S11);
        screens.Request(inductor, ChartKind::Magnitude, pelmo::SParameter::S21);
        screens.Request(class5, ChartKind::Magnitude, pelmo::SParameter::S21, 1);
        screens.Request(class3, ChartKind::Phase, pelmo::SParameter::S11);
        screens.Request(class3, ChartKind::Phase, pelmo::SParameter::S21);
        for (const Part& part : {class5, class2, inductor}) screens.Request(part, ChartKind::Impedance);
        for (const Part& part : {class5, class3, helpNote}) screens.Request(part, ChartKind::Esr);
        for (const Part& part : {class5, class4}) screens.Request(part, ChartKind::Reactance);
        saveAll();
        // The readout over a trace: a rectangular chart and a Smith chart.
        for (pelmo::FrmGraph* window : screens.Windows()) {
            if (window->Model().Kind() == ChartKind::Impedance) {
                ChartScreens::Hover(*window, 120);
                ok = Save(*window, folder, QStringLiteral("charts-readout-impedance.png")) && ok;
            } else if (window->Model().IsSmith() && window->Model().SParameter() == pelmo::SParameter::S11) {
                ChartScreens::Hover(*window, 150);
                ok = Save(*window, folder, QStringLiteral("charts-readout-smith.png")) && ok;
            }
        }
        screens.CloseAll();

        for (const Part& part : {class2, inductor}) screens.Request(part, ChartKind::Q);
        for (const Part& part : {class5, class3}) screens.Request(part, ChartKind::DF);
        for (const Part& part : {class5, class5b}) screens.Request(part, ChartKind::ApparentCapacitance);
        for (const Part& part : {inductor, class4}) screens.Request(part, ChartKind::ApparentInductance);
        for (const Part& part : {class2, class5}) screens.Request(part, ChartKind::ImpedanceAndEsr);
        saveAll();
        return ok ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "pelmo-charts-screenshots: %s\n", failure.what());
        return 1;
    }
}
