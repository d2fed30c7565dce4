#ifndef PELMO_SELECTION_SELECTION_WINDOW_STATE_H
#define PELMO_SELECTION_SELECTION_WINDOW_STATE_H

#include "pelmo/engine/circuit_mode.h"
#include "pelmo/library/product_kind.h"
#include "pelmo/selection/selection_menu_state.h"
#include "pelmo/selection/selection_readouts.h"

#include "shared/parts/code_system.h"

#include <string>
#include <vector>

namespace pelmo {

// A combo box: its list and the text it shows.
struct ComboBoxState {
    std::vector<std::string> Items;
    std::string Text;

    void Clear() {
        Items.clear();
        Text.clear();
    }
};

// The box the keyboard focus goes back to after a refused input, so the user can
// correct it at once.
enum class FocusTarget { None, PartNumber, Frequency, Temperature, Bias };

// Everything the selection window shows, as the model leaves it after each handler.
// The window copies it into its controls without raising their change events.
struct SelectionWindowState {
    ProductKind Product = ProductKind::Capacitor;  // optProduct
    shared::CodeSystem CodeSystem = shared::Eia;   // the checked mnuViewCode item

    ComboBoxState PartNumber;  // cboPartNumber
    ComboBoxState ItemA;       // cboItemA: size code
    ComboBoxState ItemB;       // cboItemB: TCC or inductance
    ComboBoxState ItemC;       // cboItemC: capacitance or rated current
    ComboBoxState ItemD;       // cboItemD: rated voltage (capacitors)

    std::string ItemACaption = "Size Code";       // lblItemA
    std::string ItemBCaption = "TCC";             // lblItemB
    std::string ItemCCaption = "Capacitance[F]";  // lblItemC
    std::string ItemDCaption = "Rated Voltage[V]";
    bool ItemDVisible = true;                                       // lblItemD and cboItemD
    std::string CapacitanceCaption = "Series Capacitance, C[pF]:";  // lbl3
    std::string Use;                                                // lblUse

    bool ConditionsVisible = true;                 // fraConf
    std::string EquivalentCircuitPicture = "cec";  // picESC (drawn with key + "_mask")
    std::string SeriesPicture = "cseries";         // picSeries
    bool ShuntVisible = true;                      // optMode(1) and picShunt
    int Mode = 0;                                  // optMode: 0 Series, 1 Shunt

    std::string Frequency = "1";     // txtFreq [MHz]
    std::string FrequencyRange;      // lblFreqRange
    int ScrollPosition = 0;          // hsvFreq, 0 to 200
    std::string TemperatureCaption;  // lblTemp, set at window load
    std::string Temperature = "25";  // txtTemp
    std::string Bias = "0";          // txtDC
    bool TemperatureEnabled = true;
    bool BiasEnabled = true;

    SelectionReadouts Readouts;
    SelectionMenuState Menus;

    FocusTarget Focus = FocusTarget::None;
    // Beeps asked for so far; the window beeps once for every increase, before the box
    // that follows.
    int Beeps = 0;
    // A library fault no session can go on with (a part number without a sort key at
    // a notation change): the program shows its message and ends.
    bool MustEnd = false;

    // The connection optMode selects: what the evaluation, the exports and a chart
    // request record.
    CircuitMode Connection() const noexcept { return Mode == 0 ? CircuitMode::Series : CircuitMode::Shunt; }
};

}  // namespace pelmo

#endif
