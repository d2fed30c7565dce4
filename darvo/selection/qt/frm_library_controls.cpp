// The controls of darvo's selection window: built with their names and captions,
// placed at their twips positions, and chained in the order the keyboard visits them.
// The handlers and the state display are in frm_library.cpp.
#include "darvo/export/chart_names.h"
#include "darvo/selection/plot_conditions.h"
#include "darvo/selection/qt/frm_library.h"
#include "darvo/selection/selection_captions.h"

#include "shared/dialogs/twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace darvo {

namespace captions = selection_captions;

namespace {

QString Caption(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

void FrmLibrary::BuildControls() {
    const auto group = [](const char* name, const QString& title, QWidget* parent) {
        auto* box = new QGroupBox(title, parent);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    const auto label = [](const char* name, const QString& text, QWidget* parent) {
        auto* l = new QLabel(text, parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return l;
    };
    const auto list = [](const char* name, QWidget* parent) {
        auto* box = new QComboBox(parent);
        box->setObjectName(QString::fromLatin1(name));
        box->setMaxVisibleItems(20);
        return box;
    };
    const auto edit = [](const char* name, QWidget* parent) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    const auto option = [](const QString& name, const QString& text, QWidget* parent) {
        auto* o = new QRadioButton(text, parent);
        o->setObjectName(name);
        return o;
    };

    fraChartType_ = group("fraChartType", Caption(captions::kChartTypeFrame), this);
    chartTypeGroup_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < optChartType_.size(); ++i) {
        optChartType_[i] = option(QStringLiteral("optChartType%1").arg(i),
                                  QString::fromStdString(ChartTypeName(static_cast<int>(i))), fraChartType_);
        chartTypeGroup_->addButton(optChartType_[i], static_cast<int>(i));
    }
    optChartType_[0]->setChecked(true);
    Picture1_ = label("Picture1", QString(), this);
    Picture1_->setAlignment(Qt::AlignCenter);
    Picture1_->setTextFormat(Qt::RichText);
    Picture1_->setText(QStringLiteral("<span style=\"font-size:16pt; font-weight:bold; font-style:italic; "
                                      "color:#00307a;\">%1</span>")
                           .arg(Caption(captions::kProductTitle)));

    fraPartNum_ = group("fraPartNum", QString(), this);
    Label1_ = label("Label1", Caption(captions::kPartNumberLabel), fraPartNum_);
    cmbPartNum_ = list("cmbPartNum", fraPartNum_);
    cmbPartNum_->setEditable(true);
    // Typing is free text: no completion, and Enter never adds the text to the list nor
    // picks an entry in another letter case.
    cmbPartNum_->setInsertPolicy(QComboBox::NoInsert);
    cmbPartNum_->setCompleter(nullptr);
    Label1_->setBuddy(cmbPartNum_);
    static constexpr std::array<const char*, 4> kLabelNames{"Label4", "Label5", "Label6", "Label7"};
    static constexpr std::array<const char*, 4> kListNames{"cmbSizeCode", "cmbTcc", "cmbCap", "cmbRatedVol"};
    static constexpr std::array<const char*, 4> kListCaptions{captions::kSizeCodeLabel, captions::kTccLabel,
                                                              captions::kCapacitanceLabel,
                                                              captions::kRatedVoltageLabel};
    for (std::size_t i = 0; i < partLists_.size(); ++i) {
        listLabels_[i] = label(kLabelNames[i], Caption(kListCaptions[i]), fraPartNum_);
        partLists_[i] = list(kListNames[i], fraPartNum_);
        listLabels_[i]->setBuddy(partLists_[i]);
    }
    cmdCatalogLink_ = new QPushButton(Caption(captions::kCatalogLink), this);
    cmdCatalogLink_->setObjectName(QStringLiteral("cmdCatalogLink"));

    fraAxis_ = group("fraAxis", Caption(captions::kAxisFrame), this);
    lblXaxis_ = label("lblXaxis", Caption(captions::kXAxisLabel), fraAxis_);
    cmbXaxis_ = list("cmbXaxis", fraAxis_);
    lblYaxis_ = label("lblYaxis", Caption(captions::kYAxisLabel), fraAxis_);
    cmbYaxis_ = list("cmbYaxis", fraAxis_);
    lblXaxis_->setBuddy(cmbXaxis_);
    lblYaxis_->setBuddy(cmbYaxis_);

    fraCondition_ = group("fraCondition", Caption(captions::kConditionFrame), this);
    lblDCBiasVol_ = label("lblDCBiasVol", Caption(captions::kDCBiasVolLabel), fraCondition_);
    txtDCBiasVol_ = edit("txtDCBiasVol", fraCondition_);
    lblFrequency_ = label("lblFrequency", Caption(captions::kFrequencyLabel), fraCondition_);
    txtFrequency_ = edit("txtFrequency", fraCondition_);
    lblHeatResistance_ = label("lblHeatResistance", Caption(captions::kHeatResistanceLabel), fraCondition_);
    txtHeatResistance_ = edit("txtHeatResistance", fraCondition_);
    lblAmbientTemp_ = label("lblAmbientTemp", Caption(captions::kAmbientTempLabel), fraCondition_);
    txtAmbientTemp_ = edit("txtAmbientTemp", fraCondition_);
    lblDCBiasVol_->setBuddy(txtDCBiasVol_);
    lblFrequency_->setBuddy(txtFrequency_);
    lblHeatResistance_->setBuddy(txtHeatResistance_);
    lblAmbientTemp_->setBuddy(txtAmbientTemp_);

    fraParameter_ = group("fraParameter", Caption(captions::kParameterFrame), this);
    parameterGroup_ = new QButtonGroup(this);
    const std::vector<Quantity>& parameters = ParameterQuantities();
    for (std::size_t i = 0; i < optParameter_.size(); ++i) {
        const std::string_view caption = QuantityName(parameters[i]);
        optParameter_[i] =
            option(QStringLiteral("optParameter%1").arg(i),
                   QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), fraParameter_);
        parameterGroup_->addButton(optParameter_[i], static_cast<int>(i));
    }
    optParameter_[0]->setChecked(true);
    txtParameter_ = edit("txtParameter", fraParameter_);
    lblParameter_ = label("lblParameter", Caption(captions::kParameterUnits[0]), fraParameter_);

    cmdPlot_ = new QPushButton(Caption(captions::kPlot), this);
    cmdPlot_->setObjectName(QStringLiteral("cmdPlot"));
    // Enter on a focused button presses it; the window has no default button, so Enter
    // in a box stays the box's own.
    cmdPlot_->setAutoDefault(true);
    cmdCatalogLink_->setAutoDefault(true);
}

void FrmLibrary::PlaceControls() {
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    // Positions are in twips from the window's top-left corner; each control is placed
    // relative to the frame that holds it.
    // A margin above the frames, so their titles do not touch the window's edge.
    constexpr int kTopMarginTwips = 60;
    const auto place = [this, dpiX, dpiY](QWidget* widget, int left, int top, int width, int height) {
        top += kTopMarginTwips;
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

    // The chart type, with the product's name under it.
    place(fraChartType_, 60, 0, 4200, 2050);
    for (std::size_t i = 0; i < optChartType_.size(); ++i)
        place(optChartType_[i], 180, 270 + static_cast<int>(i) * 340, 3960, 300);
    place(Picture1_, 60, 2130, 4200, 900);

    // The part: its number, or the four lists that narrow the table down to it.
    place(fraPartNum_, 4320, 0, 3780, 2610);
    place(Label1_, 4440, 150, 3540, 255);
    place(cmbPartNum_, 4440, 420, 3540, 330);
    for (std::size_t i = 0; i < partLists_.size(); ++i) {
        const int top = 900 + static_cast<int>(i) * 420;
        place(listLabels_[i], 4440, top + 30, 1740, 270);
        place(partLists_[i], 6240, top, 1740, 330);
    }
    place(cmdCatalogLink_, 4320, 2670, 1900, 420);

    // The chart's axes and conditions.
    place(fraAxis_, 8160, 0, 3960, 1080);
    place(lblXaxis_, 8280, 330, 780, 270);
    place(cmbXaxis_, 9120, 300, 2880, 330);
    place(lblYaxis_, 8280, 720, 780, 270);
    place(cmbYaxis_, 9120, 690, 2880, 330);
    place(fraCondition_, 8160, 1140, 3960, 1950);
    const std::array<std::pair<QLabel*, QLineEdit*>, 4> rows{
        std::pair{lblDCBiasVol_, txtDCBiasVol_}, std::pair{lblFrequency_, txtFrequency_},
        std::pair{lblHeatResistance_, txtHeatResistance_}, std::pair{lblAmbientTemp_, txtAmbientTemp_}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int top = 1440 + static_cast<int>(i) * 400;
        place(rows[i].first, 8280, top + 30, 2400, 270);
        place(rows[i].second, 10740, top, 1260, 315);
    }

    // The fixed load of a temperature rise over frequency, and the request.
    place(fraParameter_, 12180, 0, 2880, 2100);
    for (std::size_t i = 0; i < optParameter_.size(); ++i)
        place(optParameter_[i], 12300, 270 + static_cast<int>(i) * 330, 2640, 300);
    place(txtParameter_, 12300, 1650, 1440, 315);
    place(lblParameter_, 13800, 1680, 1140, 270);
    place(cmdPlot_, 12180, 2190, 2880, 900);
}

void FrmLibrary::SetTabOrder() {
    // The order a user fills the window in: chart type, part, axes, conditions, load,
    // then the request.
    const std::array<QWidget*, 23> order{
        optChartType_[0],   optChartType_[1], optChartType_[2], optChartType_[3], optChartType_[4],
        cmbPartNum_,        partLists_[0],    partLists_[1],    partLists_[2],    partLists_[3],
        cmdCatalogLink_,    cmbXaxis_,        cmbYaxis_,        txtDCBiasVol_,    txtFrequency_,
        txtHeatResistance_, txtAmbientTemp_,  optParameter_[0], optParameter_[1], optParameter_[2],
        optParameter_[3],   txtParameter_,    cmdPlot_};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
    Picture1_->setFocusPolicy(Qt::NoFocus);
}

}  // namespace darvo
