// Renders darvo's main window to PNG files for a person to look at:
//   darvo-app-screenshots OUTPUT_FOLDER [LIBRARY_FOLDER]
// The frame with the selection window at start and with a part chosen, its File menu,
// and with chart windows of several chart types open, each with the menu bar of its
// active window, over the generated sample products.
#include "darvo/app/public.h"
#include "darvo/app/qt/frm_main.h"
#include "darvo/app/qt/program_menus.h"
#include "darvo/app/testing/fake_program.h"
#include "darvo/library/product_loader.h"
#include "darvo/selection/library_selection.h"
#include "darvo/selection/qt/frm_library.h"
#include "tools/screenshots/output_folder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPixmap>

#include <cstdio>
#include <exception>
#include <string>

namespace {

bool Save(QWidget& window, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "darvo-app-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A menu of a bar, opened beside the frame, for a picture of its items.
bool SaveMenu(darvo::FrmMain& window, darvo::MenuBarKind bar, const char* name, const QDir& folder,
              const QString& file) {
    QMenu* menu = window.Menus().Menu(bar, QString::fromLatin1(name));
    if (menu == nullptr) {
        return false;
    }
    emit menu->aboutToShow();
    menu->adjustSize();
    return Save(*menu, folder, file);
}

// Chooses the nth listed part of a chart type and plots it with the default conditions.
void Plot(darvo::FrmMain& window, int chartType, std::size_t nth, const char* xAxis = nullptr) {
    darvo::FrmLibrary& selection = window.SelectionWindow();
    selection.optChartType_Click(chartType);
    const darvo::SelectionWindowState& state = window.State().Selection().State();
    if (state.PartNum.Items.empty()) {
        return;
    }
    selection.cmbPartNum_Click(
        QString::fromStdString(state.PartNum.Items[std::min(nth, state.PartNum.Items.size() - 1)]));
    if (xAxis != nullptr) {
        selection.cmbXaxis_Click(QString::fromLatin1(xAxis));
    }
    selection.cmdPlot_Click();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const std::optional<QDir> outputFolder = OutputFolder(argc, argv, "darvo-app-screenshots");
    if (!outputFolder) {
        return 2;
    }
    const QDir& folder = *outputFolder;
    try {
        const std::string libraryFolder = argc > 2 ? argv[2] : DARVO_SAMPLE_LIBRARY_FOLDER;
        darvo::testing::FakeProgram fake(libraryFolder + "/", "darvoehlp.pdf");
        darvo::ProductLibrary products = darvo::LoadProducts(libraryFolder, '.');
        darvo::Public program(std::move(products), fake.facts, fake.messages, fake.cursor, '.');
        darvo::FrmMain window(program, fake.services);
        window.SetExitHandler([]() {});
        // The size the frame opens with on an ordinary desktop; the offscreen screen is
        // smaller than that and would shrink it.
        window.resize(1300, 900);
        window.show();
        window.MDIForm_Load();
        if (!Save(window, folder, QStringLiteral("darvo-app-start.png"))) {
            return 1;
        }

        darvo::FrmLibrary& selection = window.SelectionWindow();
        const darvo::SelectionWindowState& state = program.Selection().State();
        selection.cmbPartNum_Click(QString::fromStdString(state.PartNum.Items.at(3)));
        if (!Save(window, folder, QStringLiteral("darvo-app-part-chosen.png")) ||
            !SaveMenu(window, darvo::MenuBarKind::Main, "mnuFile", folder,
                      QStringLiteral("darvo-app-file-menu.png")) ||
            !SaveMenu(window, darvo::MenuBarKind::Main, "mnuView", folder,
                      QStringLiteral("darvo-app-view-menu.png"))) {
            return 1;
        }

        // Two curves of a temperature rise over current, an allowable power and two
        // capacitance-DC voltage curves, each in its own window.
        Plot(window, darvo::TemperatureRise, 3);
        Plot(window, darvo::TemperatureRise, 40);
        Plot(window, darvo::AllowablePower, 3);
        Plot(window, darvo::CapacitanceDcVoltage, 3);
        Plot(window, darvo::CapacitanceDcVoltage, 60);
        if (!Save(window, folder, QStringLiteral("darvo-app-charts.png")) ||
            !SaveMenu(window, darvo::MenuBarKind::Chart, "mnuFile", folder,
                      QStringLiteral("darvo-app-chart-file-menu.png")) ||
            !SaveMenu(window, darvo::MenuBarKind::Chart, "mnuWindow", folder,
                      QStringLiteral("darvo-app-window-menu.png"))) {
            return 1;
        }

        // The notation switch closes the chart windows and keeps the part.
        window.mnuViewCode_Click(1);
        if (!Save(window, folder, QStringLiteral("darvo-app-jis.png"))) {
            return 1;
        }
        for (const shared::RecordedMessage& shown : fake.messages.Shown()) {
            std::fprintf(stderr, "message: %s\n", shown.text.c_str());
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "darvo-app-screenshots: %s\n", failure.what());
        return 1;
    }
    return 0;
}
