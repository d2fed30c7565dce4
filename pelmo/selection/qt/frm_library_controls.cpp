// The controls of the selection window: built with their names and captions, placed
// at their twips positions, and chained in the order the keyboard visits them. The
// handlers and the state display are in frm_library.cpp.
#include "pelmo/library/program_identity.h"
#include "pelmo/selection/circuit_pictures.h"
#include "pelmo/selection/qt/frm_library.h"
#include "pelmo/selection/selection_captions.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/dialogs/twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace pelmo {

namespace captions = selection_captions;

void FrmLibrary::BuildControls() {
    const auto group = [](const char* name, const QString& title, QWidget* parent) {
        auto* box = new QGroupBox(title, parent);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    const auto label = [](const char* name, const QString& text, QWidget* parent,
                          Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
        auto* l = new QLabel(text, parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(align);
        return l;
    };
    const auto readout = [&label](const char* name, QWidget* parent) {
        QLabel* l = label(name, QString(), parent, Qt::AlignRight | Qt::AlignVCenter);
        // Readouts can be selected and copied into a design note.
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    const auto edit = [](const char* name, QWidget* parent) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };

    fraPartnum_ = group("fraPartnum", QString::fromUtf8(captions::kPartNumberFrame), this);
    optProduct_[0] = new QRadioButton(QString::fromUtf8(captions::kCapacitor), fraPartnum_);
    optProduct_[0]->setObjectName(QStringLiteral("optProduct0"));
    optProduct_[1] = new QRadioButton(QString::fromUtf8(captions::kInductor), fraPartnum_);
    optProduct_[1]->setObjectName(QStringLiteral("optProduct1"));
    productGroup_ = new QButtonGroup(this);
    productGroup_->addButton(optProduct_[0], 0);
    productGroup_->addButton(optProduct_[1], 1);
    optProduct_[0]->setChecked(true);
    cboPartNumber_ = new QComboBox(fraPartnum_);
    cboPartNumber_->setObjectName(QStringLiteral("cboPartNumber"));
    cboPartNumber_->setEditable(true);
    // Typing is free text: no completion, and Enter never adds the text to the list.
    cboPartNumber_->setInsertPolicy(QComboBox::NoInsert);
    cboPartNumber_->setCompleter(nullptr);
    cboPartNumber_->setMaxVisibleItems(20);
    lblUse_ = label("lblUse", QString(), fraPartnum_);

    fraSelect_ = group("fraSelect", QString(), this);
    static constexpr std::array<const char*, 4> kItemLabels{"lblItemA", "lblItemB", "lblItemC", "lblItemD"};
    static constexpr std::array<const char*, 4> kItemBoxes{"cboItemA", "cboItemB", "cboItemC", "cboItemD"};
    for (std::size_t i = 0; i < 4; ++i) {
        lblItem_[i] = label(kItemLabels[i], QString(), fraSelect_);
        cboItem_[i] = new QComboBox(fraSelect_);
        cboItem_[i]->setObjectName(QString::fromLatin1(kItemBoxes[i]));
        cboItem_[i]->setMaxVisibleItems(20);
        lblItem_[i]->setBuddy(cboItem_[i]);
    }

    fraFreq_ = group("fraFreq", QString::fromUtf8(captions::kFrequencyFrame), this);
    txtFreq_ = edit("txtFreq", fraFreq_);
    hsvFreq_ = new QScrollBar(Qt::Horizontal, fraFreq_);
    hsvFreq_->setObjectName(QStringLiteral("hsvFreq"));
    hsvFreq_->setRange(0, 0);
    hsvFreq_->setSingleStep(1);
    // A page step of a tenth of the travel: one decade or less on every part's scale.
    hsvFreq_->setPageStep(20);
    // The arrow keys move the thumb once the bar has the focus. A scroll bar inverts its
    // keys for the sake of vertical bars; here Right must raise the frequency.
    hsvFreq_->setFocusPolicy(Qt::StrongFocus);
    hsvFreq_->setInvertedControls(false);
    // A drag changes the frequency when the thumb is let go, as a scroll bar's Change
    // event does: a refused field then shows its message once, not at every step of
    // the drag with the mouse still held.
    hsvFreq_->setTracking(false);
    lblFreqRange_ = label("lblFreqRange", QString(), fraFreq_);

    fraConf_ = group("fraConf", QString(), this);
    lblTemp_ = label("lblTemp", QString(), fraConf_);
    txtTemp_ = edit("txtTemp", fraConf_);
    lblDC_ = label("lblDC", QString::fromUtf8(captions::kBias), fraConf_);
    txtDC_ = edit("txtDC", fraConf_);
    lblTemp_->setBuddy(txtTemp_);
    lblDC_->setBuddy(txtDC_);

    fraSRF_ = group("fraSRF", QString(), this);
    lblSRF_ = label("lblSRF", QString::fromUtf8(captions::kSrf), fraSRF_);
    lblFreq_ = readout("lblFreq", fraSRF_);
    lblMHz_ = label("lblMHz", QString::fromUtf8(captions::kMegahertz), fraSRF_);

    fraSpice_ = group("fraSpice", QString::fromUtf8(captions::kImpedanceFrame), this);
    lblESC_ = label("lblESC", QString::fromUtf8(captions::kEquivalentCircuit), fraSpice_);
    picESC_ = new shared::CanvasWidget(fraSpice_);
    picESC_->setObjectName(QStringLiteral("picESC"));
    lblCaption_[0] = label("lbl2", QString::fromUtf8(captions::kImpedance), fraSpice_);
    lblCaption_[1] = label("lbl3", QString(), fraSpice_);
    lblCaption_[2] = label("lbl4", QString::fromUtf8(captions::kInductance), fraSpice_);
    lblCaption_[3] = label("lbl5", QString::fromUtf8(captions::kResistance), fraSpice_);
    lblImp_ = readout("lblImp", fraSpice_);
    lblCap_ = readout("lblCap", fraSpice_);
    lblInd_ = readout("lblInd", fraSpice_);
    lblRes_ = readout("lblRes", fraSpice_);

    fraSparameter_ = group("fraSparameter", QString::fromUtf8(captions::kSParameterFrame), this);
    fraMode_ = group("fraMode", QString::fromUtf8(captions::kModeFrame), fraSparameter_);
    optMode_[0] = new QRadioButton(QString::fromUtf8(captions::kSeries), fraMode_);
    optMode_[0]->setObjectName(QStringLiteral("optMode0"));
    optMode_[1] = new QRadioButton(QString::fromUtf8(captions::kShunt), fraMode_);
    optMode_[1]->setObjectName(QStringLiteral("optMode1"));
    modeGroup_ = new QButtonGroup(this);
    modeGroup_->addButton(optMode_[0], 0);
    modeGroup_->addButton(optMode_[1], 1);
    optMode_[0]->setChecked(true);
    picSeries_ = new shared::CanvasWidget(fraMode_);
    picSeries_->setObjectName(QStringLiteral("picSeries"));
    picShunt_ = new shared::CanvasWidget(fraMode_);
    picShunt_->setObjectName(QStringLiteral("picShunt"));
    lblSCaption_[0] = label("lbl6", QString::fromUtf8(captions::kMagnitude), fraSparameter_);
    lblSCaption_[1] = label("lbl7", QString::fromUtf8(captions::kPhase), fraSparameter_);
    lblSCaption_[2] = label("lbl8", QString::fromUtf8(captions::kReal), fraSparameter_);
    lblSCaption_[3] = label("lbl9", QString::fromUtf8(captions::kImag), fraSparameter_);
    lblSCaption_[4] = label("lbl10", QString::fromUtf8(captions::kS11), fraSparameter_, Qt::AlignCenter);
    lblSCaption_[5] = label("lbl11", QString::fromUtf8(captions::kS21), fraSparameter_, Qt::AlignCenter);
    static constexpr std::array<std::array<const char*, 2>, 4> kSNames{{{"lblMag0", "lblMag1"},
                                                                        {"lblPhase0", "lblPhase1"},
                                                                        {"lblReal0", "lblReal1"},
                                                                        {"lblImag0", "lblImag1"}}};
    for (std::size_t k = 0; k < 2; ++k) {
        lblMag_[k] = readout(kSNames[0][k], fraSparameter_);
        lblPhase_[k] = readout(kSNames[1][k], fraSparameter_);
        lblReal_[k] = readout(kSNames[2][k], fraSparameter_);
        lblImag_[k] = readout(kSNames[3][k], fraSparameter_);
    }

    cmdCatalogLink_ = new QPushButton(QString::fromUtf8(captions::kCatalogLink), this);
    cmdCatalogLink_->setObjectName(QStringLiteral("cmdCatalogLink"));
    cmdCatalogLink_->setEnabled(false);
    // Enter in the boxes belongs to the boxes, never to a default button.
    cmdCatalogLink_->setAutoDefault(false);
    picLogo_ = new QLabel(this);
    picLogo_->setObjectName(QStringLiteral("picLogo"));
    picLogo_->setAlignment(Qt::AlignCenter);
    picLogo_->setTextFormat(Qt::RichText);
    picLogo_->setText(QStringLiteral("<span style=\"font-size:13pt; font-weight:bold; font-style:italic; "
                                     "color:#00307a;\">%1</span>")
                          .arg(QString::fromUtf8(kProductTitle)));
}

void FrmLibrary::PlaceControls() {
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    // Positions are in twips from the window's top-left corner, as the form was laid
    // out; each control is placed relative to the frame that holds it.
    const auto place = [this, dpiX, dpiY](QWidget* widget, int left, int top, int width, int height) {
        int originX = 0;
        int originY = 0;
        for (const QWidget* parent = widget->parentWidget(); parent != nullptr && parent != this;
             parent = parent->parentWidget()) {
            originX += parent->property("twipsLeft").toInt();
            originY += parent->property("twipsTop").toInt();
        }
        widget->setProperty("twipsLeft", left - originX);
        widget->setProperty("twipsTop", top - originY);
        widget->setGeometry(shared::TwipsToPixels(left - originX, dpiX),
                            shared::TwipsToPixels(top - originY, dpiY), shared::TwipsToPixels(width, dpiX),
                            shared::TwipsToPixels(height, dpiY));
    };

    place(fraPartnum_, 60, 0, 2840, 1330);
    place(optProduct_[0], 180, 250, 1250, 270);
    place(optProduct_[1], 1500, 250, 1250, 270);
    place(cboPartNumber_, 180, 570, 2600, 330);
    place(lblUse_, 180, 960, 2600, 300);
    place(fraSelect_, 60, 1360, 2840, 2130);
    for (std::size_t i = 0; i < 4; ++i) {
        const int top = 1560 + static_cast<int>(i) * 460;
        place(lblItem_[i], 180, top + 30, 1460, 270);
        place(cboItem_[i], 1640, top, 1140, 330);
    }

    // The columns are as wide as their longest texts at 144 DPI: the range of a part
    // that ends at 17999.998976 MHz, an impedance in the ten thousand megohms, a phase
    // of -179.9999 degrees.
    place(fraFreq_, 2960, 0, 2570, 1330);
    place(txtFreq_, 3080, 270, 1300, 310);
    place(hsvFreq_, 3080, 650, 2330, 250);
    place(lblFreqRange_, 3020, 980, 2490, 270);
    place(fraConf_, 2960, 1360, 2570, 1130);
    place(lblTemp_, 3080, 1640, 1560, 270);
    place(txtTemp_, 4700, 1620, 700, 310);
    place(lblDC_, 3080, 2060, 1560, 270);
    place(txtDC_, 4700, 2040, 700, 310);
    place(fraSRF_, 2960, 2520, 2570, 970);
    place(lblSRF_, 3080, 2900, 420, 270);
    place(lblFreq_, 3500, 2900, 1080, 270);
    place(lblMHz_, 4640, 2900, 700, 270);

    place(fraSpice_, 5590, 0, 3680, 2800);
    place(lblESC_, 5710, 250, 3000, 270);
    const TwipsSize esc = CircuitPictureTwips(CircuitPicture::CapacitorCircuit);
    place(picESC_, 5710, 540, esc.Width, esc.Height);
    const std::array<QLabel*, 4> values{lblImp_, lblCap_, lblInd_, lblRes_};
    for (std::size_t i = 0; i < 4; ++i) {
        const int top = 1500 + static_cast<int>(i) * 300;
        place(lblCaption_[i], 5710, top, 2150, 270);
        place(values[i], 7860, top, 1350, 270);
    }
    place(cmdCatalogLink_, 5590, 2900, 1500, 450);
    place(picLogo_, 7190, 2860, 2080, 560);

    place(fraSparameter_, 9330, 0, 2950, 3490);
    place(fraMode_, 9410, 230, 2790, 1330);
    const TwipsSize connection = CircuitPictureTwips(CircuitPicture::CapacitorSeries);
    place(optMode_[0], 9530, 480, 1200, 270);
    place(picSeries_, 9530, 790, connection.Width, connection.Height);
    place(optMode_[1], 10770, 480, 1200, 270);
    place(picShunt_, 10770, 790, connection.Width, connection.Height);
    place(lblSCaption_[4], 10620, 1660, 800, 270);
    place(lblSCaption_[5], 11420, 1660, 800, 270);
    const std::array<std::array<QLabel*, 2>*, 4> rows{&lblMag_, &lblPhase_, &lblReal_, &lblImag_};
    for (std::size_t i = 0; i < 4; ++i) {
        const int top = 1960 + static_cast<int>(i) * 320;
        place(lblSCaption_[i], 9450, top, 1170, 270);
        place((*rows[i])[0], 10620, top, 800, 270);
        place((*rows[i])[1], 11420, top, 800, 270);
    }
    // The canvases must have their picture size before the pictures are drawn at load.
    for (shared::CanvasWidget* box : {picESC_, picSeries_, picShunt_})
        box->SetPictureSize(box->width(), box->height());
}

void FrmLibrary::SetTabOrder() {
    // The order a user fills the window in: kind, part number or filters, then the
    // operating point, the connection and the catalogue.
    const std::array<QWidget*, 15> order{optProduct_[0], optProduct_[1],  cboPartNumber_, cboItem_[0],
                                         cboItem_[1],    cboItem_[2],     cboItem_[3],    txtFreq_,
                                         hsvFreq_,       txtTemp_,        txtDC_,         optMode_[0],
                                         optMode_[1],    cmdCatalogLink_, cmdCatalogLink_};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        if (order[i] != order[i + 1]) setTabOrder(order[i], order[i + 1]);
    for (QWidget* labelled : {static_cast<QWidget*>(lblUse_), static_cast<QWidget*>(picLogo_)})
        labelled->setFocusPolicy(Qt::NoFocus);
}

}  // namespace pelmo
