#include "darvo/selection/qt/select_candidate.h"

#include "darvo/library/product_library.h"

#include "shared/dialogs/frm_select.h"

#include <QString>

#include <cstddef>

namespace darvo {

void ChooseWithSelectDialog(const ProductLibrary& library, std::vector<std::int32_t>& candidates,
                            QWidget* parent) {
    const shared::CodeSystem code = GetCodeSystem(library);
    const auto partNumberOf = [&library, code](std::int32_t index) {
        const auto u = static_cast<std::size_t>(index);
        return index >= 0 && u < library.ProductTable.size()
                   ? QString::fromStdString(
                         library.ProductTable[u].PartNumber[static_cast<std::size_t>(code)])
                   : QString();
    };
    shared::frmSelect dialog(candidates, partNumberOf, shared::SelectListSizing::Designed, parent);
    dialog.exec();
}

}  // namespace darvo
