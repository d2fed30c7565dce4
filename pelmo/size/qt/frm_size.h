#ifndef PELMO_SIZE_QT_FRM_SIZE_H
#define PELMO_SIZE_QT_FRM_SIZE_H

#include "pelmo/selection/selection_window_state.h"
#include "pelmo/size/size_sheet.h"

#include "shared/parts/code_system.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;

namespace shared {
class CanvasWidget;
class Messages;
}  // namespace shared

namespace pelmo {

struct Library;

// The chip size sheet: outline drawing, chip dimensions and, for capacitors, the land
// dimensions of one part, all as the library's texts. A modal window over the main
// window, created for each showing and closed with OK, Enter or Esc.
class FrmSize : public QDialog {
    Q_OBJECT

public:
    // Loads the sheet of the part (Form_Load). Throws shared::RuntimeError when the part
    // cannot be shown (an index outside the table, an unknown capacitor outline); use
    // Load or ShowModal to get the window's own error report instead.
    FrmSize(const Library& library, ProductKind kind, std::int32_t index, shared::CodeSystem codeSystem,
            QWidget* parent = nullptr);
    ~FrmSize() override;
    FrmSize(const FrmSize&) = delete;
    FrmSize& operator=(const FrmSize&) = delete;

    // Form_Load with its failure handler: the sheet, or nullptr after the report
    // "pelmo:frmSize.Form_Load" (critical icon), in which case no sheet appears.
    static std::unique_ptr<FrmSize> Load(const Library& library, ProductKind kind, std::int32_t index,
                                         shared::CodeSystem codeSystem, shared::Messages& messages,
                                         QWidget* parent = nullptr);
    // What the chip-size command does once it has the part: loads the sheet and shows it
    // modally until it is closed. False when the load failed (the report was shown).
    static bool ShowModal(const Library& library, ProductKind kind, std::int32_t index,
                          shared::CodeSystem codeSystem, shared::Messages& messages,
                          QWidget* parent = nullptr);

    const SizeSheetContent& Content() const noexcept { return content_; }

    // Unloads the sheet.
    void cmdOk_Click();

private:
    void BuildControls();
    void LayOut();
    void ShowContent();
    void DrawChip();

    SizeSheetContent content_;

    QLabel* lblPartnumber_ = nullptr;
    QLabel* lblUse_ = nullptr;
    QLabel* lblAdd_ = nullptr;
    QGroupBox* fraChip_ = nullptr;
    std::array<QLabel*, kChipRowCount> lblTitle_{};
    std::array<QLabel*, kChipRowCount> lblD_{};
    QGroupBox* fraLand_ = nullptr;
    std::array<QLabel*, kLandRowCount> lblTitle2_{};
    QLabel* lblTitleF_ = nullptr;
    QLabel* lblTitleR_ = nullptr;
    std::array<QLabel*, kFlowRowCount> lblF_{};
    std::array<QLabel*, kLandRowCount> lblR_{};
    shared::CanvasWidget* picChip_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
};

}  // namespace pelmo

#endif
