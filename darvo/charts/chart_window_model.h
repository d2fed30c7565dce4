#ifndef DARVO_CHARTS_CHART_WINDOW_MODEL_H
#define DARVO_CHARTS_CHART_WINDOW_MODEL_H

#include "darvo/charts/chart_axes.h"
#include "darvo/charts/chart_drawing.h"
#include "darvo/charts/chart_identity.h"

#include <string>

namespace shared {
class ChartCanvas;
}

namespace darvo {

class ChartTable;

// Sizes and places of a chart window, in twips (the window converts at 1440 twips per
// inch of the screen's logical resolution).
inline constexpr double kChartWindowWidth = 10800.0;
inline constexpr double kChartWindowHeight = 4420.0;
inline constexpr double kChartWindowTop = 3000.0;
// The size a window in the normal state is held at, so the user cannot resize it.
inline constexpr double kChartWindowFixedWidth = 10995.0;
inline constexpr double kChartWindowFixedHeight = 4425.0;
inline constexpr double kPictureWidth = 5600.0;
inline constexpr double kPictureHeight = 3650.0;
// The legend frames fraStatus(i) and their labels (relative to the frame).
inline constexpr double kLegendFrameLeft = 5650.0;
inline constexpr double kLegendFrameTops[6] = {0.0, 610.0, 1225.0, 1845.0, 2470.0, 3100.0};
inline constexpr double kLegendFrameWidth = 5000.0;
inline constexpr double kLegendFrameHeight = 615.0;
inline constexpr double kPartLabelLeft = 120.0;  // lblStatus(i)
inline constexpr double kLegendLabelTop = 240.0;
inline constexpr double kPartLabelWidth = 2300.0;
inline constexpr double kConditionsLabelLeft = 2280.0;  // lblPara(i)
inline constexpr double kConditionsLabelWidth = 2655.0;
inline constexpr double kLegendLabelHeight = 255.0;

// The left edge of a chart window at its cascade position: 50 twips for the first chart
// window and 300 more for each further one. loadedWindows counts the main window, the
// selection window and every chart window, the one being placed included.
double CascadeLeft(int loadedWindows) noexcept;

// The Qt-free side of one chart window (frmGraph): its identity, the range it shows and
// the drawing sequence of loading, magnifying and closing. The window owns one and hands
// it the canvas of its picture.
class ChartWindowModel {
public:
    explicit ChartWindowModel(const ChartIdentity& identity) : identity_(identity) {}
    // The identity of the record prepared in table (a new window takes it as its own);
    // RuntimeError 9 when none is prepared.
    static ChartWindowModel ForPrepared(ChartTable& table);

    const ChartIdentity& Identity() const noexcept { return identity_; }
    std::string Caption() const { return ChartCaption(identity_); }
    // The range drawn now; the print and the axis-range dialog start from it.
    const AxisRange& Range() const noexcept { return range_; }
    // True only while a magnified drawing is under way.
    bool CustomRange() const noexcept { return customRange_; }

    // Form_Load: takes the prepared record as a further curve. Draws every curve of the
    // identity (the prepared one included) with their full range on the prepared
    // picture, any magnification dropped, and then lets the table adopt the record.
    // RuntimeError 9 when no record is prepared, 5 when it has another identity; the
    // table is then unchanged. A drawing failure leaves the record prepared (the
    // request removes it again).
    void Load(ChartTable& table, shared::ChartCanvas& picture, const ChartDrawOptions& options,
              shared::Rgb faceColor = kDefaultFaceColor);

    // Redraws with a chosen range; checkResult is CheckAxisRange's verdict: 1 (the full
    // range) draws with the ordinary divisions, anything else with 5 per linear axis.
    void WriteMagnification(ChartTable& table, shared::ChartCanvas& picture, const AxisRange& range,
                            int checkResult, const ChartDrawOptions& options,
                            shared::Rgb faceColor = kDefaultFaceColor);

    // The window closes: every record of its identity leaves the table, the others keep
    // their order. Returns how many were removed.
    int Close(ChartTable& table) const;

private:
    void Draw(ChartTable& table, shared::ChartCanvas& picture, const AxisRange& range,
              const ChartDrawOptions& options, shared::Rgb faceColor);

    ChartIdentity identity_;
    AxisRange range_;
    bool customRange_ = false;
};

}  // namespace darvo

#endif
