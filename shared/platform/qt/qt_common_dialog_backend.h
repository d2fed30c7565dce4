#ifndef SHARED_PLATFORM_QT_COMMON_DIALOG_BACKEND_H
#define SHARED_PLATFORM_QT_COMMON_DIALOG_BACKEND_H

#include "shared/platform/common_dialog_backend.h"

#include <QPointer>
#include <QWidget>

class QPrinter;

namespace shared {

// clsComdlg on the desktop: QFileDialog, QColorDialog, QFontDialog and QPrintDialog,
// modal over the owner window. The print dialog works on the program's own QPrinter,
// which the caller keeps alive for as long as this object: with PrinterDefault the
// choice stays in that printer for the session; system-wide defaults are never written
// (that needs rights and changes other programs).
class QtCommonDialogBackend : public CommonDialogBackend {
public:
    QtCommonDialogBackend(QWidget* owner, QPrinter* printer);

    void SetOwner(QWidget* owner) { owner_ = owner; }

    FileDialogAnswer ShowFileDialog(const FileDialogRequest& request) override;
    ColorDialogAnswer ShowColorDialog(const ColorDialogRequest& request) override;
    FontDialogAnswer ShowFontDialog(const FontDialogRequest& request) override;
    PrinterState ProgramPrinterState() override;
    PrintDialogAnswer ShowPrintDialog(const PrintDialogRequest& request) override;
    // There is no help engine: the help file is opened with its default viewer, and a
    // failed open answers 0 like a failed help call.
    DialogStatus ShowHelp(const HelpRequest& request) override;
    FontChoice SystemFont() override;

private:
    QPointer<QWidget> owner_;
    QPrinter* printer_;
};

}  // namespace shared

#endif
