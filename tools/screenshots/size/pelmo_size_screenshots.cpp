// Writes the chip size sheet of the generated sample library for every outline shape and
// for an inductor, plus each outline drawing on its own at three times the size, so a
// person can check that every letter is legible and nothing is cut off.
//
//   pelmo-size-screenshots OUTPUT_FOLDER [LIBRARY_FOLDER]
#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"
#include "pelmo/size/chip_outline_drawing.h"
#include "pelmo/size/qt/frm_size.h"
#include "tools/screenshots/output_folder.h"

#include "shared/canvas/qt/painter_canvas.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPixmap>

#include <cstdio>
#include <exception>
#include <string>

namespace {

// The first capacitor of a shape, preferring one that may be wave soldered so that the
// flow column shows figures.
std::int32_t CapacitorOfShape(const pelmo::Library& library, int shape) {
    std::int32_t found = -1;
    for (std::size_t i = 0; i < library.CapacitorTable.size(); ++i) {
        const pelmo::CapacitorRecord& record = library.CapacitorTable[i];
        if (record.ChipShape != static_cast<float>(shape)) {
            continue;
        }
        if (found < 0) {
            found = static_cast<std::int32_t>(i);
        }
        if (record.SizeSheet[15] != "-" && !record.SizeSheet[15].empty()) {
            return static_cast<std::int32_t>(i);
        }
    }
    return found;
}

bool SaveSheet(const pelmo::Library& library, pelmo::ProductKind kind, std::int32_t index,
               const QString& path) {
    pelmo::FrmSize sheet(library, kind, index, shared::Eia);
    sheet.show();
    QApplication::processEvents();
    const bool saved = sheet.grab().save(path);
    sheet.close();
    return saved;
}

bool SaveOutline(int shape, const QString& path) {
    shared::PainterCanvas canvas(3 * 219, 3 * 207, 3 * 96);
    pelmo::DrawChipOutline(canvas, shape);
    return canvas.Image().save(path);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    const std::optional<QDir> outputFolder = OutputFolder(argc, argv, "pelmo-size-screenshots");
    if (!outputFolder) {
        return 2;
    }
    const QString folder = outputFolder->path();
    const std::string libraryFolder = argc > 2 ? argv[2] : PELMO_SAMPLE_LIBRARY_FOLDER;
    try {
        const pelmo::Library library = pelmo::LoadLibrary(libraryFolder, '.');
        bool ok = true;
        for (const int shape : {1, 2, 3, 5, 6}) {
            const std::int32_t index = CapacitorOfShape(library, shape);
            if (index < 0) {
                std::fprintf(stderr, "no capacitor of shape %d in the library\n", shape);
                ok = false;
                continue;
            }
            ok &= SaveSheet(library, pelmo::ProductKind::Capacitor, index,
                            folder + QStringLiteral("/size-sheet-shape%1.png").arg(shape));
        }
        if (!library.InductorTable.empty()) {
            ok &= SaveSheet(library, pelmo::ProductKind::Inductor, 0,
                            folder + QStringLiteral("/size-sheet-inductor.png"));
        }
        for (int shape = 1; shape <= 6; ++shape) {
            ok &= SaveOutline(shape, folder + QStringLiteral("/size-outline-shape%1.png").arg(shape));
        }
        return ok ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "pelmo-size-screenshots: %s\n", failure.what());
        return 1;
    }
}
