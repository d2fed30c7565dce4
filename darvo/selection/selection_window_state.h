#ifndef DARVO_SELECTION_SELECTION_WINDOW_STATE_H
#define DARVO_SELECTION_SELECTION_WINDOW_STATE_H

#include "darvo/library/product_record.h"
#include "darvo/selection/selection_list.h"

#include <string>

namespace darvo {

// A condition text box with its label: the label is enabled with its box.
struct ConditionBox {
    std::string Text;
    bool Enabled = false;
};

// The control the keyboard focus goes to after a handler: a refused box goes back to
// the user at once, so the value can be corrected.
enum class FocusTarget { None, ChartType, DCBiasVol, Frequency, HeatResistance, AmbientTemp, Parameter };

// Everything the selection window shows, as the model leaves it after each handler.
// The window copies it into its controls without raising their change events.
struct SelectionWindowState {
    ChartType ChartTypeOption = TemperatureRise;  // the selected optChartType

    SelectionList PartNum;                                                  // cmbPartNum (editable)
    SelectionList SizeCode;                                                 // cmbSizeCode
    SelectionList Tcc{.Items = {}, .Text = {}, .SortedByText = true};       // cmbTcc
    SelectionList Cap;                                                      // cmbCap
    SelectionList RatedVol{.Items = {}, .Text = {}, .SortedByText = true};  // cmbRatedVol
    SelectionList XAxis;                                                    // cmbXaxis, in QuantityName texts
    SelectionList YAxis;                                                    // cmbYaxis, in QuantityName texts

    // A part is chosen: what ChangeEnable last set, so cmdPlot and cmdCatalogLink.
    bool PartChosen = false;

    bool ConditionFrameEnabled = false;  // fraCondition
    ConditionBox DCBiasVol{"0", false};
    ConditionBox Frequency{"100", false};
    ConditionBox HeatResistance{"0", false};
    ConditionBox AmbientTemp{"25", false};
    bool ParameterFrameEnabled = false;    // fraParameter and optParameter(0 .. 3)
    int ParameterOption = 0;               // the selected optParameter
    ConditionBox Parameter{"0.1", false};  // txtParameter and lblParameter
    std::string ParameterUnit = "[Arms]";  // lblParameter

    FocusTarget Focus = FocusTarget::None;
};

}  // namespace darvo

#endif
