#ifndef DARVO_SELECTION_SELECTION_HOST_H
#define DARVO_SELECTION_SELECTION_HOST_H

#include "darvo/engine/chart_data_record.h"

#include "shared/parts/code_system.h"

#include <cstdint>
#include <vector>

namespace darvo {

// What the selection window asks of the windows around it: the main window's commands,
// the Select dialog and the chart windows. The desktop program answers with its main
// window; tests script it (darvo_selection_testing). Called on the GUI thread from
// inside the selection model's handlers; an implementation may call back into the
// model (SwitchCodeSystem does, through LibrarySelection::RefillAfterCodeChange).
class SelectionHost {
public:
    virtual ~SelectionHost() = default;

    // ChangeEnable(bEnable): enables or disables the commands that need a complete part
    // selection outside the selection window: the main window's mnuCatalogLink, the
    // mnuCatalogLink of every chart window and the data output. The selection window's
    // own cmdPlot and cmdCatalogLink follow LibrarySelection::State().PartChosen, which
    // the model sets before this call.
    virtual void ChangeEnable(bool enable) = 0;

    // mnuViewCode_Click(codeSystem): nothing when that notation is in force already;
    // otherwise the check mark, the re-sort of the product table (SortProducts), then
    // LibrarySelection::RefillAfterCodeChange(old notation), then closing the chart
    // windows with "Close all chart windows". The selection window's start calls it.
    virtual void SwitchCodeSystem(shared::CodeSystem codeSystem) = 0;

    // cmdCatalogLink_Click: the main window's WebLink(1), the catalogue page of the part
    // in cmbPartNum.
    virtual void OpenCatalogLink() = 0;

    // The Select dialog (modal, owned by the main window): several parts match all four
    // list values, and the user picks one. On OK the dialog leaves only the chosen index
    // in candidates; closed any other way it leaves candidates as they were, and the
    // selection goes on with candidates[0], the first match in table order.
    virtual void ChooseCandidate(std::vector<std::int32_t>& candidates) = 0;

    // The hand-over of a plot request. The chart table holds a complete prepared record
    // (ChartTable::Prepared()) of an identity that has no open window: open a new chart
    // window whose load adopts it (ChartTable::AdoptPrepared). Not modal.
    virtual void OpenNewChart() = 0;
    // The same for an identity whose window is open: that window adopts the prepared
    // record as a further curve, redraws and gets the focus.
    //
    // For both: a record that is not adopted (the window failed, or threw) is removed
    // again by the caller, so the table is as before the request.
    virtual void AddCurveToOpenChart(const ChartIdentity& identity) = 0;
};

}  // namespace darvo

#endif
