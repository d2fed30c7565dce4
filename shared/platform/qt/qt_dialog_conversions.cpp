#include "shared/platform/qt/qt_dialog_conversions.h"

#include "shared/platform/file_filter.h"

#include <cmath>

namespace shared {

QStringList NameFilters(const std::string& filter) {
    QStringList filters;
    for (const FileFilter& pair : ParseFileFilters(filter)) {
        filters << QString::fromStdString(NameFilterText(pair));
    }
    return filters;
}

QFileDialog::Options FileDialogOptions(std::int32_t flags, bool save) {
    QFileDialog::Options options = QFileDialog::HideNameFilterDetails;
    if (save && (flags & file_dialog_flag::kOverwritePrompt) == 0) {
        options |= QFileDialog::DontConfirmOverwrite;
    }
    return options;
}

QFileDialog::FileMode FileDialogMode(std::int32_t flags, bool save) {
    if (!save && (flags & file_dialog_flag::kFileMustExist) != 0) {
        return QFileDialog::ExistingFile;
    }
    return QFileDialog::AnyFile;
}

QColor ToQColor(std::int32_t rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

std::int32_t FromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

QFont ToQFont(const FontChoice& font) {
    QFont qfont(QString::fromStdString(font.name));
    if (font.sizeTenths > 0) {
        qfont.setPointSizeF(font.sizeTenths / 10.0);
    }
    qfont.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikethru);
    return qfont;
}

FontChoice FromQFont(const QFont& font) {
    FontChoice choice;
    choice.name = font.family().toStdString();
    const double points = font.pointSizeF();
    choice.sizeTenths = points > 0 ? static_cast<std::int32_t>(std::nearbyint(points * 10.0)) : 0;
    choice.weight = font.weight() >= QFont::Bold ? 700 : 400;
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikethru = font.strikeOut();
    return choice;
}

QAbstractPrintDialog::PrintDialogOptions PrintDialogOptions(std::int32_t flags) {
    using namespace print_dialog_flag;
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintSelection |
        QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintShowPageSize |
        QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintCurrentPage;
    if (flags & kNoSelection) {
        options &= ~QAbstractPrintDialog::PrintSelection;
    }
    if (flags & kNoPageNums) {
        options &= ~QAbstractPrintDialog::PrintPageRange;
    }
    // The hide/disable print-to-file flags are about a raw printer-language file. Qt's
    // print-to-file is its PDF printer instead, the only printer a machine without a
    // printer has, so the flags leave it offered.
    if (flags & kNoCurrentPage) {
        options &= ~QAbstractPrintDialog::PrintCurrentPage;
    }
    return options;
}

std::int32_t PrintFlagsAfter(std::int32_t flags, QAbstractPrintDialog::PrintRange range, bool printToFile,
                             bool collate) {
    using namespace print_dialog_flag;
    flags &= ~(kSelection | kPageNums | kCurrentPage | kPrintToFile | kCollate);
    switch (range) {
        case QAbstractPrintDialog::Selection:
            flags |= kSelection;
            break;
        case QAbstractPrintDialog::PageRange:
            flags |= kPageNums;
            break;
        case QAbstractPrintDialog::CurrentPage:
            flags |= kCurrentPage;
            break;
        case QAbstractPrintDialog::AllPages:
            break;
    }
    if (printToFile) {
        flags |= kPrintToFile;
    }
    if (collate) {
        flags |= kCollate;
    }
    return flags;
}

}  // namespace shared
