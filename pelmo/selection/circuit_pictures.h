#ifndef PELMO_SELECTION_CIRCUIT_PICTURES_H
#define PELMO_SELECTION_CIRCUIT_PICTURES_H

#include <optional>
#include <string>
#include <string_view>

namespace shared {
class ChartCanvas;
}

namespace pelmo {

// The pictures of the selection window: the equivalent circuit the readouts describe
// (picESC) and how the chip sits between the two 50 ohm ports (picSeries, picShunt).
// Each picture comes with a mask, so the window draws it through DrawMasked and the
// window's own background shows around the lines, whatever the desktop's colours.
enum class CircuitPicture {
    CapacitorCircuit,  // "cec": R, L and C in series, as the series readouts give them
    CapacitorSeries,   // "cseries": the capacitor between the ports
    CapacitorShunt,    // "cshunt": the capacitor from the line to ground
    InductorCircuit,   // "iec": L and R in series with the shunt capacitance across them
    InductorSeries,    // "iseries": the inductor between the ports
};

// The two layers of a masked picture. Picture: the drawing in its colours on black
// (black is what XOR leaves unchanged). Mask: the same strokes in black on white
// (white is what AND leaves unchanged).
enum class CircuitLayer { Picture, Mask };

// The picture of an image-list key ("cec", "cseries", "cshunt", "iec", "iseries");
// nothing for other keys. The mask keys are the picture key + "_mask".
std::optional<CircuitPicture> CircuitPictureOf(std::string_view key);
std::string CircuitPictureKey(CircuitPicture picture);
std::string CircuitMaskKey(CircuitPicture picture);

// Size of the picture, and of the picture box that shows it, in twips: equivalent
// circuits are wide, connection pictures small enough for two side by side.
struct TwipsSize {
    int Width = 0;
    int Height = 0;
};
TwipsSize CircuitPictureTwips(CircuitPicture picture) noexcept;

// Draws one layer of a picture on the whole canvas (which should have the picture's
// size): clears it to the layer's background and draws the circuit in a user scale of
// its own, so the drawing fills any pixel size. Lines are one pixel wide per 96 dpi of
// the canvas, so the picture keeps its weight on a high-density screen.
void DrawCircuitPicture(shared::ChartCanvas& canvas, CircuitPicture picture, CircuitLayer layer);

}  // namespace pelmo

#endif
