#include "shared/canvas/draw_masked.h"

#include "shared/canvas/chart_canvas.h"

namespace shared {

void DrawMasked(PixelImage& target, const PixelImage& image, const PixelImage& mask, Rgb background) {
    target.Fill(background);
    target.Blit(mask, 0, 0, RasterOp::And);
    target.Blit(image, 0, 0, RasterOp::Xor);
}

void DrawMasked(ChartCanvas& target, const PixelImage& image, const PixelImage& mask) {
    target.Cls();
    target.PutPixels(mask, 0, 0, RasterOp::And);
    target.PutPixels(image, 0, 0, RasterOp::Xor);
}

}  // namespace shared
