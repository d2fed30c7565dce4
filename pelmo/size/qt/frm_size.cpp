#include "pelmo/size/qt/frm_size.h"

#include "pelmo/size/chip_outline_drawing.h"
#include "pelmo/size/chip_picture.h"
#include "pelmo/size/size_sheet_layout.h"

#include "shared/canvas/draw_masked.h"
#include "shared/canvas/qt/canvas_widget.h"
#include "shared/canvas/qt/painter_canvas.h"
#include "shared/dialogs/twips.h"
#include "shared/errors/runtime_error.h"
#include "shared/platform/error_report.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace pelmo {

namespace {

const char* const kLoadTitle = "pelmo:frmSize.Form_Load";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString IndexedName(const char* name, std::size_t index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel* MakeLabel(QWidget* parent, const QString& objectName) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    return label;
}

}  // namespace

FrmSize::FrmSize(const Library& library, ProductKind kind, std::int32_t index, shared::CodeSystem codeSystem,
                 QWidget* parent)
    : QDialog(parent), content_(BuildSizeSheet(library, kind, index, codeSystem)) {
    setObjectName(QStringLiteral("frmSize"));
    setWindowTitle(QStringLiteral("Chip Size"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    BuildControls();
    LayOut();
    ShowContent();
    DrawChip();
}

FrmSize::~FrmSize() = default;

std::unique_ptr<FrmSize> FrmSize::Load(const Library& library, ProductKind kind, std::int32_t index,
                                       shared::CodeSystem codeSystem, shared::Messages& messages,
                                       QWidget* parent) {
    std::unique_ptr<FrmSize> sheet;
    shared::RunReportingErrors(messages, kLoadTitle, [&] {
        sheet = std::make_unique<FrmSize>(library, kind, index, codeSystem, parent);
    });
    return sheet;
}

bool FrmSize::ShowModal(const Library& library, ProductKind kind, std::int32_t index,
                        shared::CodeSystem codeSystem, shared::Messages& messages, QWidget* parent) {
    std::unique_ptr<FrmSize> sheet = Load(library, kind, index, codeSystem, messages, parent);
    if (!sheet) {
        return false;
    }
    sheet->exec();
    return true;
}

void FrmSize::cmdOk_Click() {
    accept();
}

void FrmSize::BuildControls() {
    lblPartnumber_ = MakeLabel(this, QStringLiteral("lblPartnumber"));
    QFont partFont = lblPartnumber_->font();
    partFont.setBold(true);
    partFont.setPointSizeF(partFont.pointSizeF() * 1.25);
    lblPartnumber_->setFont(partFont);
    lblUse_ = MakeLabel(this, QStringLiteral("lblUse"));
    lblAdd_ = MakeLabel(this, QStringLiteral("lblAdd"));
    lblAdd_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    fraChip_ = new QGroupBox(QStringLiteral("Chip Dimensions[mm]"), this);
    fraChip_->setObjectName(QStringLiteral("fraChip"));
    for (std::size_t i = 0; i < kChipRowCount; ++i) {
        lblTitle_[i] = MakeLabel(fraChip_, IndexedName("lblTitle", i));
        lblD_[i] = MakeLabel(fraChip_, IndexedName("lblD", i));
    }

    fraLand_ = new QGroupBox(QStringLiteral("Land Dimensions[mm]"), this);
    fraLand_->setObjectName(QStringLiteral("fraLand"));
    lblTitleF_ = MakeLabel(fraLand_, QStringLiteral("lblTitleF"));
    lblTitleF_->setText(QStringLiteral("Flow soldering method"));
    lblTitleR_ = MakeLabel(fraLand_, QStringLiteral("lblTitleR"));
    lblTitleR_->setText(QStringLiteral("Reflow soldering method"));
    for (QLabel* caption : {lblTitleF_, lblTitleR_}) {
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    }
    for (std::size_t i = 0; i < kLandRowCount; ++i) {
        lblTitle2_[i] = MakeLabel(fraLand_, IndexedName("lblTitle2", i));
        lblR_[i] = MakeLabel(fraLand_, IndexedName("lblR", i));
        lblR_[i]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    }
    for (std::size_t i = 0; i < kFlowRowCount; ++i) {
        lblF_[i] = MakeLabel(fraLand_, IndexedName("lblF", i));
        lblF_[i]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    }

    picChip_ = new shared::CanvasWidget(this, logicalDpiY());
    picChip_->setObjectName(QStringLiteral("picChip"));

    cmdOk_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdOk_->setAutoDefault(true);
    connect(cmdOk_, &QPushButton::clicked, this, &FrmSize::cmdOk_Click);
    // The only control that takes the keyboard: Enter presses it, Esc closes the sheet.
    cmdOk_->setFocus();
}

void FrmSize::LayOut() {
    const SizeSheetLayout layout = LayOutSizeSheet(content_.Shape);
    const double dpi = logicalDpiY();
    const auto pixels = [dpi](int twips) { return shared::TwipsToPixels(twips, dpi); };
    const auto place = [&](QWidget* widget, const TwipsRect& rect) {
        widget->setGeometry(pixels(rect.Left), pixels(rect.Top), pixels(rect.Width), pixels(rect.Height));
    };
    setFixedSize(pixels(layout.ClientWidth), pixels(layout.ClientHeight));

    place(lblPartnumber_, layout.PartNumber);
    place(lblUse_, layout.Use);
    place(lblAdd_, layout.Note);
    place(fraChip_, layout.ChipFrame);
    place(fraLand_, layout.LandFrame);
    place(cmdOk_, layout.Ok);
    for (std::size_t i = 0; i < kChipRowCount; ++i) {
        place(lblTitle_[i], layout.ChipNames[i]);
        place(lblD_[i], layout.ChipValues[i]);
    }
    place(lblTitleF_, layout.FlowCaption);
    place(lblTitleR_, layout.ReflowCaption);
    for (std::size_t i = 0; i < kLandRowCount; ++i) {
        place(lblTitle2_[i], layout.LandNames[i]);
        place(lblR_[i], layout.ReflowValues[i]);
    }
    for (std::size_t i = 0; i < kFlowRowCount; ++i) {
        place(lblF_[i], layout.FlowValues[i]);
    }
    picChip_->move(pixels(layout.Picture.Left), pixels(layout.Picture.Top));
    picChip_->SetPictureSize(pixels(layout.Picture.Width), pixels(layout.Picture.Height));
}

void FrmSize::ShowContent() {
    lblPartnumber_->setText(Text(content_.PartNumber));
    lblUse_->setText(Text(content_.UseText));
    // Lines of the note end with a line break; a label shows it as an empty last line.
    QString note = Text(content_.Note);
    if (note.endsWith(QLatin1Char('\n'))) {
        note.chop(1);
    }
    lblAdd_->setText(note);
    lblAdd_->setVisible(content_.NoteVisible);

    for (std::size_t i = 0; i < kChipRowCount; ++i) {
        const SizeSheetRow& row = content_.Chip[i];
        lblTitle_[i]->setText(Text(row.Name));
        lblTitle_[i]->setVisible(row.NameVisible);
        lblD_[i]->setText(Text(row.Value));
        lblD_[i]->setVisible(row.ValueVisible);
    }

    fraLand_->setVisible(content_.LandFrameVisible);
    for (std::size_t i = 0; i < kLandRowCount; ++i) {
        const SizeSheetRow& row = content_.Land[i];
        lblTitle2_[i]->setText(Text(row.Name));
        lblTitle2_[i]->setVisible(row.NameVisible);
        lblR_[i]->setText(Text(row.Value));
        lblR_[i]->setVisible(row.ValueVisible);
    }
    for (std::size_t i = 0; i < kFlowRowCount; ++i) {
        lblF_[i]->setText(Text(content_.Flow[i]));
        lblF_[i]->setVisible(content_.FlowVisible);
    }
}

void FrmSize::DrawChip() {
    shared::PainterCanvas& target = picChip_->Canvas();
    // The drawing is made on a white ground and put on the picture with its mask, so
    // the window's own colour shows around the chip.
    shared::PainterCanvas drawing(target.PixelWidth(), target.PixelHeight(), target.DotsPerInch());
    DrawChipOutline(drawing, content_.Shape);
    const MaskedPicture picture = SplitMaskedPicture(
        drawing.GrabPixels({0, 0, drawing.PixelWidth(), drawing.PixelHeight()}), drawing.BackColor());
    const QColor window = palette().color(QPalette::Window);
    target.SetBackColor(shared::Rgb{static_cast<std::uint8_t>(window.red()),
                                    static_cast<std::uint8_t>(window.green()),
                                    static_cast<std::uint8_t>(window.blue())});
    shared::DrawMasked(target, picture.Image, picture.Mask);
}

}  // namespace pelmo
