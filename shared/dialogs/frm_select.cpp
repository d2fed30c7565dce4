#include "shared/dialogs/frm_select.h"

#include "shared/dialogs/twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace shared {

namespace {
constexpr int kRowTwips = 255;
constexpr int kMaxFittedRows = 4;
constexpr int kDesignedListTwips = 1020;
}  // namespace

frmSelect::frmSelect(std::vector<std::int32_t>& candidates, PartNumberOf partNumberOf,
                     SelectListSizing sizing, QWidget* parent)
    : QDialog(parent),
      candidates_(candidates),
      lblTitle_(new QLabel(QStringLiteral("There exist several choices for your select."), this)),
      lblTitle2_(new QLabel(QStringLiteral("Choose one from the following list."), this)),
      lstPartnumber_(new QListWidget(this)),
      cmdOk_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("frmSelect"));
    setWindowTitle(QStringLiteral("Select"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    lblTitle2_->setObjectName(QStringLiteral("lblTitle2"));
    lstPartnumber_->setObjectName(QStringLiteral("lstPartnumber"));
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    lstPartnumber_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle_);
    layout->addWidget(lblTitle2_);
    layout->addWidget(lstPartnumber_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    cmdOk_->setDefault(true);
    connect(cmdOk_, &QPushButton::clicked, this, &frmSelect::cmdOk_Click);
    // A double click is the quick way to choose and confirm in one step.
    connect(lstPartnumber_, &QListWidget::itemDoubleClicked, this, &frmSelect::cmdOk_Click);
    Form_Load(partNumberOf, sizing);
}

int frmSelect::ListHeightTwips(int candidateCount) noexcept {
    return candidateCount < kMaxFittedRows + 1 ? kRowTwips * candidateCount : kRowTwips * kMaxFittedRows;
}

void frmSelect::Form_Load(const PartNumberOf& partNumberOf, SelectListSizing sizing) {
    for (const std::int32_t index : candidates_) lstPartnumber_->addItem(partNumberOf(index));
    const int count = static_cast<int>(candidates_.size());
    const int twips =
        sizing == SelectListSizing::FitToCandidates ? ListHeightTwips(count) : kDesignedListTwips;
    // The list frame adds its border to the rows it must show.
    lstPartnumber_->setFixedHeight(TwipsToPixels(twips, logicalDpiY()) + 2 * lstPartnumber_->frameWidth());
    if (count > 0) lstPartnumber_->setCurrentRow(0);
}

void frmSelect::cmdOk_Click() {
    const int row = lstPartnumber_->currentRow();
    if (row >= 0 && row < static_cast<int>(candidates_.size())) {
        const std::int32_t chosen = candidates_[static_cast<std::size_t>(row)];
        candidates_.assign(1, chosen);
    }
    accept();
}

}  // namespace shared
