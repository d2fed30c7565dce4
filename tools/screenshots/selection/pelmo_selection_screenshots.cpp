// Renders pelmo's selection window to PNG files for a person to look at:
//   pelmo-selection-screenshots OUTPUT_FOLDER [LIBRARY_FOLDER]
// One picture with a capacitor chosen through its part number, one with an inductor
// chosen through its three filters, both over the generated sample library.
#include "pelmo/app/testing/fake_program.h"
#include "pelmo/library/library_loader.h"
#include "pelmo/selection/library_selection.h"
#include "pelmo/selection/qt/frm_library.h"
#include "pelmo/selection/selection_host.h"
#include "tools/screenshots/output_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <exception>
#include <string>

namespace {

// No chart windows and no dialog: the first candidate is the part.
class ScreenshotHost : public pelmo::SelectionHost {
public:
    void ChooseCandidate(std::vector<std::int32_t>&) override {}
    int OpenChartWindowCount() const override { return 0; }
    void CloseAllChartWindows() override {}
};

bool Save(pelmo::FrmLibrary& window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "pelmo-selection-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The first entry of a list that the window offers, as a user would pick it.
QString FirstOf(const std::vector<std::string>& items, std::size_t preferred = 0) {
    if (items.empty()) return {};
    return QString::fromStdString(items[std::min(preferred, items.size() - 1)]);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::optional<QDir> outputFolder = OutputFolder(argc, argv, "pelmo-selection-screenshots");
    if (!outputFolder) {
        return 2;
    }
    const QDir& folder = *outputFolder;
    try {
        pelmo::Library library = pelmo::LoadLibrary(argc > 2 ? argv[2] : PELMO_SAMPLE_LIBRARY_FOLDER, '.');
        pelmo::testing::FakeProgram fake;
        ScreenshotHost host;
        pelmo::LibrarySelection model(library, fake.messages, fake.cursor, host, '.');
        pelmo::FrmLibrary window(model, fake.services, fake.facts);
        window.Form_Load();
        window.show();

        // A capacitor: the size and TCC of a typical part, then its part number typed.
        window.cboItemA_Click(FirstOf(model.State().ItemA.Items, 2));
        window.cboItemB_Click(FirstOf(model.State().ItemB.Items, 1));
        const std::string partNumber =
            model.State().PartNumber.Items.empty() ? std::string() : model.State().PartNumber.Items.front();
        window.findChild<QComboBox*>(QStringLiteral("cboPartNumber"))
            ->setEditText(QString::fromStdString(partNumber));
        window.cboPartNumber_KeyPress();
        window.optMode_Click(1);
        if (!Save(window, folder, QStringLiteral("pelmo-selection-capacitor.png"))) return 1;

        // An inductor through its three filters.
        window.optProduct_Click(1);
        window.cboItemA_Click(FirstOf(model.State().ItemA.Items));
        window.cboItemB_Click(FirstOf(model.State().ItemB.Items, 3));
        window.cboItemC_Click(FirstOf(model.State().ItemC.Items));
        if (!Save(window, folder, QStringLiteral("pelmo-selection-inductor.png"))) return 1;
        for (const shared::RecordedMessage& shown : fake.messages.Shown())
            std::fprintf(stderr, "message: %s\n", shown.text.c_str());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "pelmo-selection-screenshots: %s\n", failure.what());
        return 1;
    }
    return 0;
}
