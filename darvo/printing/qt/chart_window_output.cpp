#include "darvo/printing/qt/chart_window_output.h"

#include "darvo/charts/qt/frm_graph.h"
#include "darvo/printing/qt/chart_output.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/canvas/qt/painter_canvas.h"

namespace darvo {

bool PrintChartWindow(QWidget* mainWindow, const FrmGraph& window, ChartTable& table,
                      const ProductLibrary& library, const shared::Services& services) {
    return PrintChartWindow(mainWindow, window.Identity(), window.Range(), table, library,
                            window.DegreeSign(), window.Separator(), services);
}

void CopyChartToClipboard(const FrmGraph& window, const shared::Services& services) {
    shared::PainterCanvas& picture = window.Picture().Canvas();
    // The persistent image only: the cursor marker lives on the overlay.
    const shared::PixelImage image = picture.GrabPixels({0, 0, picture.PixelWidth(), picture.PixelHeight()});
    CopyChartToClipboard(image, window.Legends(), services, picture.DotsPerInch());
}

}  // namespace darvo
