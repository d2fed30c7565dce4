#ifndef SHARED_CANVAS_QT_CANVAS_SAMPLE_H
#define SHARED_CANVAS_QT_CANVAS_SAMPLE_H

class QImage;

namespace shared {

class ChartCanvas;

// A small chart that exercises every kind of canvas drawing: frame and grid, tick
// labels, a logarithmic impedance curve, a circle and an arc, thick dots, rotated text
// and an overlay marker. It draws only through the ChartCanvas interface, so it shows
// what chart code will look like on any canvas.
void DrawCanvasSample(ChartCanvas& canvas);

// Renders the sample into image at the image's size (for the screenshot tool). An
// empty image is given a default size of 600 x 400 pixels.
void RenderCanvasSample(QImage& image);

}  // namespace shared

#endif
