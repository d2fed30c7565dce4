#ifndef PELMO_SELECTION_QT_CIRCUIT_IMAGE_LIST_H
#define PELMO_SELECTION_QT_CIRCUIT_IMAGE_LIST_H

#include "shared/canvas/pixel_image.h"

#include <map>
#include <string>

namespace pelmo {

// The image list imlCircuit: the circuit pictures and their masks by key ("cec",
// "cec_mask", ...), rendered once per key at the screen's resolution from the plain
// drawings of circuit_pictures.h. Not thread-safe: the GUI thread only.
class CircuitImageList {
public:
    explicit CircuitImageList(double dotsPerInch = 96) : dotsPerInch_(dotsPerInch) {}

    // A new resolution (the window learns its screen's only when it is built);
    // pictures rendered at the old one are dropped.
    void SetDotsPerInch(double dotsPerInch);
    double DotsPerInch() const noexcept { return dotsPerInch_; }

    // The picture or mask of key. An unknown key is a program error and throws a
    // RuntimeError (invalid procedure call), as a missing image-list key would.
    const shared::PixelImage& ListImage(const std::string& key);

private:
    double dotsPerInch_;
    std::map<std::string, shared::PixelImage> images_;
};

}  // namespace pelmo

#endif
