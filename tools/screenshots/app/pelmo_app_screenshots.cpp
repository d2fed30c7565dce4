// Renders pelmo's main window to PNG files for a person to look at:
//   pelmo-app-screenshots OUTPUT_FOLDER [LIBRARY_FOLDER]
// The frame with the selection window (a capacitor chosen; an inductor chosen), and with
// several chart windows open, each with the menu bar of its active window, over the
// generated sample library.
#include "pelmo/app/public.h"
#include "pelmo/app/qt/frm_main.h"
#include "pelmo/app/qt/program_menus.h"
#include "pelmo/app/testing/fake_program.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/selection/qt/frm_library.h"
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
        std::fprintf(stderr, "pelmo-app-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

QString Entry(const std::vector<std::string>& items, std::size_t preferred) {
    if (items.empty()) {
        return {};
    }
    return QString::fromStdString(items[std::min(preferred, items.size() - 1)]);
}

// A menu of the shown bar, opened beside the frame, for a picture of its items.
bool SaveMenu(pelmo::FrmMain& window, pelmo::MenuBarKind bar, const char* name, const QDir& folder,
              const QString& file) {
    QMenu* menu = window.Menus().Menu(bar, QString::fromLatin1(name));
    if (menu == nullptr) {
        return false;
    }
    emit menu->aboutToShow();
    menu->adjustSize();
    return Save(*menu, folder, file);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const std::optional<QDir> outputFolder = OutputFolder(argc, argv, "pelmo-app-screenshots");
    if (!outputFolder) {
        return 2;
    }
    const QDir& folder = *outputFolder;
    try {
        const std::string libraryFolder = argc > 2 ? argv[2] : PELMO_SAMPLE_LIBRARY_FOLDER;
        pelmo::testing::FakeProgram fake(libraryFolder + "/", "pelmoehlp.pdf");
        pelmo::Public program(pelmo::LoadLibrary(libraryFolder, '.'), fake.messages, fake.cursor, '.');
        pelmo::FrmMain window(program, fake.services, fake.facts);
        window.SetExitHandler([]() {});
        // The size the frame opens with on an ordinary desktop; the offscreen screen is
        // smaller than that and would shrink it.
        window.resize(1000, 700);
        window.show();
        window.MDIForm_Load();
        pelmo::FrmLibrary& selection = window.SelectionWindow();
        const pelmo::SelectionWindowState& state = window.Selection().State();

        if (!Save(window, folder, QStringLiteral("pelmo-app-start.png"))) {
            return 1;
        }

        // A capacitor through its size and TCC, then the part number picked from the list.
        selection.cboItemA_Click(Entry(state.ItemA.Items, 2));
        selection.cboItemB_Click(Entry(state.ItemB.Items, 1));
        selection.cboPartNumber_Click(Entry(state.PartNumber.Items, 0));
        if (!Save(window, folder, QStringLiteral("pelmo-app-capacitor.png")) ||
            !SaveMenu(window, pelmo::MenuBarKind::Selection, "mnuGraph", folder,
                      QStringLiteral("pelmo-app-capacitor-chart-menu.png")) ||
            !SaveMenu(window, pelmo::MenuBarKind::Selection, "mnuFile", folder,
                      QStringLiteral("pelmo-app-file-menu.png"))) {
            return 1;
        }

        // Several chart windows of that capacitor: two traces of Magnitude, Impedance &
        // ESR and a Smith chart.
        window.RunCommand(pelmo::MenuCommand::GraphMagS11);
        window.RunCommand(pelmo::MenuCommand::GraphMagS21);
        window.RunCommand(pelmo::MenuCommand::GraphImpESR);
        window.RunCommand(pelmo::MenuCommand::GraphSmithS11);
        if (!Save(window, folder, QStringLiteral("pelmo-app-charts.png")) ||
            !SaveMenu(window, pelmo::MenuBarKind::Chart, "mnuFile", folder,
                      QStringLiteral("pelmo-app-chart-file-menu.png"))) {
            return 1;
        }
        window.RunCommand(pelmo::MenuCommand::WindowClose);

        // An inductor through its three filters.
        selection.optProduct_Click(1);
        selection.cboItemA_Click(Entry(state.ItemA.Items, 0));
        selection.cboItemB_Click(Entry(state.ItemB.Items, 3));
        selection.cboItemC_Click(Entry(state.ItemC.Items, 0));
        if (!Save(window, folder, QStringLiteral("pelmo-app-inductor.png")) ||
            !SaveMenu(window, pelmo::MenuBarKind::Selection, "mnuGraph", folder,
                      QStringLiteral("pelmo-app-inductor-chart-menu.png"))) {
            return 1;
        }
        for (const shared::RecordedMessage& shown : fake.messages.Shown()) {
            std::fprintf(stderr, "message: %s\n", shown.text.c_str());
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "pelmo-app-screenshots: %s\n", failure.what());
        return 1;
    }
    return 0;
}
