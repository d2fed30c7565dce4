#ifndef PELMO_SELECTION_SELECTION_MENU_STATE_H
#define PELMO_SELECTION_SELECTION_MENU_STATE_H

#include "pelmo/engine/chart_kind.h"

namespace pelmo {

// The enabled state of the selection window's commands. Chart windows carry items of
// the same names and take the same values, so one record serves every window; menus
// are never stored elsewhere, they are recomputed after every change of the selection.
struct SelectionMenuState {
    bool FileReset = false;     // mnuFileReset
    bool FileSavedata = false;  // mnuFileSavedata, mnuFileSavedataSpara, mnuFileSavedataImp
    bool ViewSize = false;      // mnuViewSize
    bool GraphSmith = false;    // mnuGraphSmith, mnuGraphMag, mnuGraphPhase
    bool GraphImp = false;      // mnuGraphImp, mnuGraphESR
    bool GraphReac = false;     // mnuGraphReac
    bool GraphQ = false;        // mnuGraphQ
    bool GraphDF = false;       // mnuGraphDF
    bool GraphApcapa = false;   // mnuGraphApcapa
    bool GraphApindu = false;   // mnuGraphApindu, mnuGraphImpESR
    bool CatalogLink = false;   // mnuCatalogLink, cmdCatalogLink
    // mnuWindowClose of the selection window; a chart window's own item stays on, since
    // the window itself is open.
    bool WindowClose = false;
    bool ChartFilePrint = false;  // mnuFilePrint of every chart window

    bool operator==(const SelectionMenuState&) const = default;
};

// What UpdateMenuState decides from. rangeClass is the FrequencyRangeClass of the chosen
// part number; it matters for capacitors only (DF is offered for classes 3 and 5, Q for
// every other class: the catalogue gives loss as DF for those series).
struct MenuInputs {
    bool AnySelection = false;  // some box of the selection holds a text
    bool PartChosen = false;    // the part-number box is not empty
    bool Inductor = false;      // the product kind is inductor
    int RangeClass = 0;
    bool ChartWindowOpen = false;
};

SelectionMenuState ComputeMenuState(const MenuInputs& inputs) noexcept;

// Whether the Chart menu item of kind is enabled under state, so a request from
// anywhere else (the command-line tool) is refused exactly when the menu would be.
bool ChartOffered(ChartKind kind, const SelectionMenuState& state) noexcept;

}  // namespace pelmo

#endif
