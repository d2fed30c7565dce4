#include "darvo/charts/chart_window_model.h"

#include "darvo/engine/chart_table.h"

#include "shared/errors/runtime_error.h"

namespace darvo {

double CascadeLeft(int loadedWindows) noexcept {
    return 300.0 * (loadedWindows - 3) + 50.0;
}

ChartWindowModel ChartWindowModel::ForPrepared(ChartTable& table) {
    return ChartWindowModel(IdentityOf(table.Prepared()));
}

void ChartWindowModel::Draw(ChartTable& table, shared::ChartCanvas& picture, const AxisRange& range,
                            const ChartDrawOptions& options, shared::Rgb faceColor) {
    ChartDrawOptions own = options;
    own.OwnPicture = true;
    own.CustomRange = customRange_;
    PreparePicture(picture, faceColor);
    DrawChart(picture, table, identity_, range, own);
}

void ChartWindowModel::Load(ChartTable& table, shared::ChartCanvas& picture, const ChartDrawOptions& options,
                            shared::Rgb faceColor) {
    if (!BelongsTo(table.Prepared(), identity_))
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall);
    // FullRange sees the prepared record too, so the new curve is inside the range.
    const std::optional<AxisRange> full = FullRange(table, identity_);
    customRange_ = false;
    Draw(table, picture, *full, options, faceColor);
    range_ = *full;
    table.AdoptPrepared();
}

void ChartWindowModel::WriteMagnification(ChartTable& table, shared::ChartCanvas& picture,
                                          const AxisRange& range, int checkResult,
                                          const ChartDrawOptions& options, shared::Rgb faceColor) {
    customRange_ = checkResult != 1;
    try {
        Draw(table, picture, range, options, faceColor);
    } catch (...) {
        customRange_ = false;
        throw;
    }
    range_ = range;
    customRange_ = false;
}

int ChartWindowModel::Close(ChartTable& table) const {
    return table.RemoveIdentity(identity_);
}

}  // namespace darvo
