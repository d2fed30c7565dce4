#ifndef PELMO_SIZE_CHIP_OUTLINE_DRAWING_H
#define PELMO_SIZE_CHIP_OUTLINE_DRAWING_H

namespace shared {
class ChartCanvas;
}

namespace pelmo {

// Width and height of the box every outline drawing is laid out in (drawing units, y
// down). The canvas gets a scale of this height whose width follows the canvas's own
// proportions, with the box centred, so letters keep their places on any picture size.
inline constexpr double kOutlineBoxWidth = 106.0;
inline constexpr double kOutlineBoxHeight = 100.0;

// Draws the outline drawing of a sheet's shape over the whole canvas (which it clears):
// the chip seen from above and from the side and, where the sheet lists land
// dimensions, the land pattern below, each measure marked by a dimension line and the
// letter its row names ("g" for "g(min)"). Shape 4 is the inductor's chip: the standard
// chip without land pattern, as its sheet lists no lands. Drawn on a white ground, the
// colour the masked picture takes as transparent.
// Throws shared::RuntimeError 5 for a shape outside 1 to 6.
void DrawChipOutline(shared::ChartCanvas& canvas, int shape);

}  // namespace pelmo

#endif
