// Renders pelmo's chart windows to PNG files for a person to look at:
//   pelmo-charts-screenshots OUTPUT_FOLDER [LIBRARY_FOLDER]
// Every chart kind is requested through the chart requests as the Chart menu makes
// them, several traces per rectangular kind, into real chart windows of an MDI area;
// each window is saved with its frame, legend and status bar. Two more pictures show
// the cursor readout over a trace.
#include "pelmo/app/program_services.h"
#include "pelmo/charts/chart_axis.h"
#include "pelmo/charts/chart_slot_table.h"
#include "pelmo/charts/qt/chart_windows.h"
#include "pelmo/charts/qt/frm_graph.h"
#include "pelmo/engine/chart_sweep.h"
#include "pelmo/engine/condition_model.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"
#include "pelmo/selection/chart_requests.h"
#include "pelmo/selection/library_selection.h"
#include "pelmo/selection/selection_host.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/parts/part_number_codes.h"
#include "shared/platform/testing/fake_clipboard.h"
#include "shared/platform/testing/fake_cursor.h"
#include "shared/platform/testing/fake_messages.h"
#include "shared/platform/testing/fake_printer.h"
#include "shared/platform/testing/fake_shell.h"
#include "shared/platform/testing/memory_settings.h"
#include "shared/platform/testing/scripted_common_dialog_backend.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPixmap>

#include <cmath>
#include <cstdio>
#include <exception>
#include <functional>
#include <string>

namespace {

using pelmo::ChartKind;

class ScreenshotHost : public pelmo::SelectionHost {
public:
    void ChooseCandidate(std::vector<std::int32_t>& candidates) override { candidates.resize(1); }
    int OpenChartWindowCount() const override { return windows != nullptr ? windows->OpenCount() : 0; }
    void CloseAllChartWindows() override {
        if (windows != nullptr)
            windows->CloseAll();
    }
    pelmo::ChartWindows* windows = nullptr;
};

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
        : library_(pelmo::LoadLibrary(libraryFolder, '.')), selection_(library_, messages_, cursor_, host_) {
        area_ = new QMdiArea;
        main_.setCentralWidget(area_);
        main_.resize(1600, 1000);
        main_.show();
        windows_ = std::make_unique<pelmo::ChartWindows>(*area_, selection_, library_, slots_, points_, services_,
                                                         &main_);
        host_.windows = windows_.get();
        requests_ = std::make_unique<pelmo::ChartRequests>(selection_, library_, slots_, points_, *windows_,
                                                           messages_, &cursor_);
        selection_.Form_Load(2);
    }

    const pelmo::Library& Parts() const { return library_; }

    // Chooses the part, its connection, and requests the chart.
    void Request(const Part& part, ChartKind kind, const std::string& sParameter = "", int mode = 0) {
        if (part.Number.empty())
            return;
        if ((selection_.State().Product == pelmo::ProductKind::Inductor) != part.Inductor)
            selection_.optProduct_Click(part.Inductor ? 1 : 0);
        selection_.SetPartNumberText(part.Number);
        selection_.cboPartNumber_KeyPress('\r');
        if (!part.Inductor)
            selection_.optMode_Click(mode);
        messages_.Clear();
        requests_->Request(kind, sParameter);
        for (const shared::RecordedMessage& message : messages_.Shown())
            std::printf("  %s %s: %s\n", part.Number.c_str(), std::string(pelmo::ChartName(kind)).c_str(),
                        message.text.c_str());
        messages_.Clear();
    }

    std::vector<pelmo::FrmGraph*> Windows() const { return windows_->Windows(); }
    void CloseAll() {
        windows_->CloseAll();
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
            const int s = model.SParameter() == "S21" ? 1 : 0;
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
    pelmo::Library library_;
    shared::FakeMessages messages_;
    shared::FakeCursor cursor_;
    shared::ScriptedCommonDialogBackend dialogs_;
    shared::FakePrinter printer_;
    shared::FakeClipboard clipboard_;
    shared::FakeShell shell_;
    shared::MemorySettings settings_;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
    pelmo::ProgramServices services_{.Messages = messages_,
                                     .Cursor = cursor_,
                                     .Dialogs = dialogs_,
                                     .Printer = printer_,
                                     .Clipboard = clipboard_,
                                     .Shell = shell_,
                                     .Settings = settings_,
                                     .ProgramFolder = "./"};
#pragma GCC diagnostic pop
    ScreenshotHost host_;
    pelmo::LibrarySelection selection_;
    pelmo::ChartSlotTable slots_;
    pelmo::ChartPointTable points_{};
    QMainWindow main_;
    QMdiArea* area_ = nullptr;
    std::unique_ptr<pelmo::ChartWindows> windows_;
    std::unique_ptr<pelmo::ChartRequests> requests_;
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pelmo-charts-screenshots OUTPUT_FOLDER [LIBRARY_FOLDER]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "pelmo-charts-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
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
        screens.Request(inductor, ChartKind::Smith, "S11");
        screens.Request(class5, ChartKind::Smith, "S21", 1);
        screens.Request(inductor, ChartKind::Magnitude, "S11");
        screens.Request(inductor, ChartKind::Magnitude, "S21");
        screens.Request(class5, ChartKind::Magnitude, "S21", 1);
        screens.Request(class3, ChartKind::Phase, "S11");
        screens.Request(class3, ChartKind::Phase, "S21");
        for (const Part& part : {class5, class2, inductor})
            screens.Request(part, ChartKind::Impedance);
        for (const Part& part : {class5, class3, helpNote})
            screens.Request(part, ChartKind::Esr);
        for (const Part& part : {class5, class4})
            screens.Request(part, ChartKind::Reactance);
        saveAll();
        // The readout over a trace: a rectangular chart and a Smith chart.
        for (pelmo::FrmGraph* window : screens.Windows()) {
            if (window->Model().Kind() == ChartKind::Impedance) {
                ChartScreens::Hover(*window, 120);
                ok = Save(*window, folder, QStringLiteral("charts-readout-impedance.png")) && ok;
            } else if (window->Model().IsSmith() && window->Model().SParameter() == "S11") {
                ChartScreens::Hover(*window, 150);
                ok = Save(*window, folder, QStringLiteral("charts-readout-smith.png")) && ok;
            }
        }
        screens.CloseAll();

        for (const Part& part : {class2, inductor})
            screens.Request(part, ChartKind::Q);
        for (const Part& part : {class5, class3})
            screens.Request(part, ChartKind::DF);
        for (const Part& part : {class5, class5b})
            screens.Request(part, ChartKind::ApparentCapacitance);
        for (const Part& part : {inductor, class4})
            screens.Request(part, ChartKind::ApparentInductance);
        for (const Part& part : {class2, class5})
            screens.Request(part, ChartKind::ImpedanceAndEsr);
        saveAll();
        return ok ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "pelmo-charts-screenshots: %s\n", failure.what());
        return 1;
    }
}
