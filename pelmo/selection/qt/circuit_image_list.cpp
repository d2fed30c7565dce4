#include "pelmo/selection/qt/circuit_image_list.h"

#include "pelmo/selection/circuit_pictures.h"

#include "shared/canvas/qt/painter_canvas.h"
#include "shared/dialogs/twips.h"
#include "shared/errors/runtime_error.h"

namespace pelmo {

void CircuitImageList::SetDotsPerInch(double dotsPerInch) {
    if (dotsPerInch != dotsPerInch_) {
        dotsPerInch_ = dotsPerInch;
        images_.clear();
    }
}

const shared::PixelImage& CircuitImageList::ListImage(const std::string& key) {
    if (const auto found = images_.find(key); found != images_.end()) return found->second;
    constexpr std::string_view kMaskSuffix = "_mask";
    const bool mask = key.size() > kMaskSuffix.size() && key.ends_with(kMaskSuffix);
    const std::optional<CircuitPicture> picture =
        CircuitPictureOf(mask ? std::string_view(key).substr(0, key.size() - kMaskSuffix.size()) : key);
    if (!picture)
        throw shared::RuntimeError(shared::error::kInvalidProcedureCall, "imlCircuit",
                                   "No picture named " + key);
    const TwipsSize size = CircuitPictureTwips(*picture);
    shared::PainterCanvas canvas(shared::TwipsToPixels(size.Width, dotsPerInch_),
                                 shared::TwipsToPixels(size.Height, dotsPerInch_), dotsPerInch_);
    DrawCircuitPicture(canvas, *picture, mask ? CircuitLayer::Mask : CircuitLayer::Picture);
    shared::PixelImage image =
        canvas.GrabPixels(shared::PixelRect{0, 0, canvas.PixelWidth(), canvas.PixelHeight()});
    return images_.emplace(key, std::move(image)).first->second;
}

}  // namespace pelmo
