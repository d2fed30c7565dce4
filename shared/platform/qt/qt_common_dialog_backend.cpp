#include "shared/platform/qt/qt_common_dialog_backend.h"

#include "shared/platform/file_filter.h"
#include "shared/platform/qt/qt_dialog_conversions.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

#include <memory>

namespace shared {

QtCommonDialogBackend::QtCommonDialogBackend(QWidget* owner, QPrinter* printer)
    : owner_(owner), printer_(printer) {}

FileDialogAnswer QtCommonDialogBackend::ShowFileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(owner_);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(FileDialogMode(request.flags, request.save));
    dialog.setOptions(FileDialogOptions(request.flags, request.save));
    const QStringList filters = NameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.at(static_cast<qsizetype>(
            InitialFilterIndex(request.filterIndex, static_cast<std::size_t>(filters.size())))));
    }
    if (!request.initDir.empty()) {
        dialog.setDirectory(QString::fromStdString(request.initDir));
    }
    if (!request.defaultExt.empty()) {
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
    }
    if (!request.dialogTitle.empty()) {
        dialog.setWindowTitle(QString::fromStdString(request.dialogTitle));
    }
    if (!request.fileName.empty()) {
        dialog.selectFile(QString::fromStdString(request.fileName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {DialogStatus::Cancel(), {}, {}};
    }
    const QString path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    return {DialogStatus::Ok(), path.toStdString(), QFileInfo(path).fileName().toStdString()};
}

ColorDialogAnswer QtCommonDialogBackend::ShowColorDialog(const ColorDialogRequest& request) {
    for (int i = 0; i < static_cast<int>(request.customColors.size()); ++i) {
        QColorDialog::setCustomColor(i, ToQColor(request.customColors[static_cast<std::size_t>(i)]));
    }
    QColorDialog dialog(ToQColor(request.color), owner_);
    ColorDialogAnswer answer;
    if (dialog.exec() != QDialog::Accepted) {
        answer.status = DialogStatus::Cancel();
        return answer;
    }
    answer.status = DialogStatus::Ok();
    answer.color = FromQColor(dialog.selectedColor());
    for (int i = 0; i < static_cast<int>(answer.customColors.size()); ++i) {
        answer.customColors[static_cast<std::size_t>(i)] = FromQColor(QColorDialog::customColor(i));
    }
    return answer;
}

FontDialogAnswer QtCommonDialogBackend::ShowFontDialog(const FontDialogRequest& request) {
    QFontDialog dialog(ToQFont(request.font), owner_);
    if (dialog.exec() != QDialog::Accepted) {
        return {DialogStatus::Cancel(), request.font};
    }
    return {DialogStatus::Ok(), FromQFont(dialog.selectedFont())};
}

PrinterState QtCommonDialogBackend::ProgramPrinterState() {
    // Qt's PDF printer is there on every machine, with or without installed printers,
    // so a program that has a printer object always has something to print to.
    if (printer_ == nullptr) {
        return PrinterState::None;
    }
    if (!printer_->isValid()) {
        return PrinterState::Unavailable;
    }
    return PrinterState::Ready;
}

PrintDialogAnswer QtCommonDialogBackend::ShowPrintDialog(const PrintDialogRequest& request) {
    // Without PrinterDefault the user's choice must not reach the program's printer, so
    // the dialog works on a copy of its settings.
    if (printer_ == nullptr) {
        return {DialogStatus::Cancel(), 0, 0, 0, 0, 0};
    }
    std::unique_ptr<QPrinter> scratch;
    QPrinter* target = printer_;
    if (!request.printerDefault) {
        scratch = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(printer_->printerName()));
        scratch->setPageLayout(printer_->pageLayout());
        scratch->setColorMode(printer_->colorMode());
        scratch->setDuplex(printer_->duplex());
        scratch->setCopyCount(printer_->copyCount());
        target = scratch.get();
    }
    if (request.copies > 0) {
        target->setCopyCount(request.copies);
    }
    QPrintDialog dialog(target, owner_);
    dialog.setOptions(PrintDialogOptions(request.flags));
    if (request.maxPage > 0 && request.maxPage >= request.minPage) {
        dialog.setMinMax(request.minPage, request.maxPage);
    }
    if (request.fromPage > 0 && request.toPage >= request.fromPage) {
        dialog.setFromTo(request.fromPage, request.toPage);
    }
    if (request.flags & print_dialog_flag::kPageNums) {
        dialog.setPrintRange(QAbstractPrintDialog::PageRange);
    }
    PrintDialogAnswer answer;
    if (dialog.exec() != QDialog::Accepted) {
        answer.status = DialogStatus::Cancel();
        return answer;
    }
    answer.status = DialogStatus::Ok();
    answer.flags = PrintFlagsAfter(request.flags, dialog.printRange(), !target->outputFileName().isEmpty(),
                                   target->collateCopies());
    answer.copies = target->copyCount();
    answer.fromPage = dialog.fromPage();
    answer.toPage = dialog.toPage();
    return answer;
}

DialogStatus QtCommonDialogBackend::ShowHelp(const HelpRequest& request) {
    if (request.helpFile.empty()) {
        return DialogStatus::Cancel();
    }
    const bool opened =
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(request.helpFile)));
    return opened ? DialogStatus::Ok() : DialogStatus::Cancel();
}

FontChoice QtCommonDialogBackend::SystemFont() {
    return FromQFont(QApplication::font());
}

}  // namespace shared
