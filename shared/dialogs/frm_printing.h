#ifndef SHARED_DIALOGS_FRM_PRINTING_H
#define SHARED_DIALOGS_FRM_PRINTING_H

#include <QDialog>

class QLabel;

namespace shared {

// The notice shown, without waiting, while a page is handed to the printer. The print
// commands show it, repaint it and close it when the printer has taken the job.
class frmPrinting : public QDialog {
    Q_OBJECT

public:
    explicit frmPrinting(QWidget* owner = nullptr);

    // Shows the notice and paints it at once: the print job that follows blocks the
    // event loop, so a queued paint would come too late.
    void ShowNow();

private:
    QLabel* lblPrinting_;
};

}  // namespace shared

#endif
