#ifndef SHARED_CANVAS_DRAW_MASKED_H
#define SHARED_CANVAS_DRAW_MASKED_H

#include "shared/canvas/pixel_image.h"
#include "shared/canvas/rgb.h"

namespace shared {

class ChartCanvas;

// Draws a picture with transparent parts: the target is cleared to its background, the
// mask is combined at the top-left corner at its natural size by bitwise AND, then the
// picture by bitwise XOR. Where the mask is white and the picture black the background
// stays; where the mask is black the picture's colours appear. Pictures larger than the
// target are cut at its edges.
void DrawMasked(PixelImage& target, const PixelImage& image, const PixelImage& mask, Rgb background);

// The same on a canvas (the circuit picture and the chip outline are canvases): Cls
// with the canvas's back colour, then the two pixel combinations at device pixel (0, 0).
void DrawMasked(ChartCanvas& target, const PixelImage& image, const PixelImage& mask);

}  // namespace shared

#endif
