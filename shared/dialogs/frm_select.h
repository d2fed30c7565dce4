#ifndef SHARED_DIALOGS_FRM_SELECT_H
#define SHARED_DIALOGS_FRM_SELECT_H

#include <QDialog>

#include <cstdint>
#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace shared {

// How the candidate list is sized: pelmo's copy fits the list to the candidates (up to
// four rows), darvo's keeps the list's designed height.
enum class SelectListSizing { FitToCandidates, Designed };

// The Select dialog: the user picks one part when a complete filter choice matches
// several. The candidates are the caller's; the dialog only reduces them on OK, so the
// caller always goes on with element 0.
class frmSelect : public QDialog {
    Q_OBJECT

public:
    using PartNumberOf = std::function<QString(std::int32_t tableIndex)>;

    // candidates must outlive the dialog.
    frmSelect(std::vector<std::int32_t>& candidates, PartNumberOf partNumberOf, SelectListSizing sizing,
              QWidget* parent = nullptr);

    // Height of the fitted list for n candidates: 255 twips a row up to four rows.
    static int ListHeightTwips(int candidateCount) noexcept;

private:
    void Form_Load(const PartNumberOf& partNumberOf, SelectListSizing sizing);
    void cmdOk_Click();

    std::vector<std::int32_t>& candidates_;
    QLabel* lblTitle_;
    QLabel* lblTitle2_;
    QListWidget* lstPartnumber_;
    QPushButton* cmdOk_;
};

}  // namespace shared

#endif
