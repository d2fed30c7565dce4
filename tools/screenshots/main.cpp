// Renders the shared windows (and a canvas sample) to PNG files for visual review:
//   shared-screenshots OUTPUT_FOLDER
#include "tools/screenshots/output_folder.h"

#include "shared/canvas/qt/canvas_sample.h"
#include "shared/dialogs/frm_about.h"
#include "shared/dialogs/frm_printing.h"
#include "shared/dialogs/frm_select.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include <cstdio>
#include <vector>

namespace {

bool Save(QWidget& window, const QDir& folder, const QString& name) {
    window.show();
    window.adjustSize();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    window.hide();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::optional<QDir> outputFolder = OutputFolder(argc, argv, "shared-screenshots", "OUTPUT_FOLDER");
    if (!outputFolder) {
        return 2;
    }
    const QDir& folder = *outputFolder;

    bool ok = true;
    shared::frmAbout aboutPelmo(
        {QStringLiteral("About Pelmo"), QStringLiteral("Quenzar"), {}, shared::kProgramVersion});
    ok &= Save(aboutPelmo, folder, QStringLiteral("shared-about-pelmo"));
    shared::frmAbout aboutDarvo(
        {QStringLiteral("About darvo"), QStringLiteral("Tervalon"), {}, shared::kProgramVersion});
    ok &= Save(aboutDarvo, folder, QStringLiteral("shared-about-darvo"));

    std::vector<std::int32_t> candidates{0, 1, 2};
    const QStringList names{QStringLiteral("KTA188B11C104KA01"), QStringLiteral("KTA188B11C104KA88"),
                            QStringLiteral("KTA188B11C104MA01")};
    shared::frmSelect select(
        candidates, [&](std::int32_t i) { return names.value(i); },
        shared::SelectListSizing::FitToCandidates);
    ok &= Save(select, folder, QStringLiteral("shared-select"));

    shared::frmPrinting printing;
    ok &= Save(printing, folder, QStringLiteral("shared-printing"));

    QImage sample;
    shared::RenderCanvasSample(sample);
    const QString samplePath = folder.filePath(QStringLiteral("shared-canvas-sample.png"));
    const bool sampleOk = sample.save(samplePath);
    std::printf("%s %s\n", sampleOk ? "wrote" : "FAILED", qPrintable(samplePath));
    ok &= sampleOk;
    return ok ? 0 : 1;
}
