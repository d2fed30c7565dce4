#include "pelmo/selection/selection_menu_state.h"

namespace pelmo {

SelectionMenuState ComputeMenuState(const MenuInputs& inputs) noexcept {
    SelectionMenuState state;
    state.FileReset = inputs.AnySelection;
    state.WindowClose = inputs.ChartWindowOpen;
    state.ChartFilePrint = inputs.PartChosen;
    if (!inputs.PartChosen) {
        return state;
    }
    const bool dfClass = inputs.RangeClass == 3 || inputs.RangeClass == 5;
    state.FileSavedata = true;
    state.ViewSize = true;
    state.GraphSmith = true;
    state.GraphImp = true;
    state.GraphReac = !inputs.Inductor;
    state.GraphQ = inputs.Inductor || !dfClass;
    state.GraphDF = !inputs.Inductor && dfClass;
    state.GraphApcapa = !inputs.Inductor;
    state.GraphApindu = true;
    state.CatalogLink = true;
    return state;
}

bool ChartOffered(ChartKind kind, const SelectionMenuState& state) noexcept {
    switch (kind) {
        case ChartKind::Smith:
        case ChartKind::Magnitude:
        case ChartKind::Phase:
            return state.GraphSmith;
        case ChartKind::Impedance:
        case ChartKind::Esr:
            return state.GraphImp;
        case ChartKind::Reactance:
            return state.GraphReac;
        case ChartKind::Q:
            return state.GraphQ;
        case ChartKind::DF:
            return state.GraphDF;
        case ChartKind::ApparentCapacitance:
            return state.GraphApcapa;
        case ChartKind::ApparentInductance:
        case ChartKind::ImpedanceAndEsr:
            return state.GraphApindu;
    }
    return false;
}

}  // namespace pelmo
