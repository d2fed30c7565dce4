#include "pelmo/selection/circuit_pictures.h"

#include "shared/canvas/recording_canvas.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pelmo {
namespace {

using shared::CircleCall;
using shared::LineCall;
using shared::RecordingCanvas;
using shared::TextCall;

// clang-format off
struct KeyRow { CircuitPicture picture; const char* key; bool inductor; bool connection; };
const KeyRow kKeys[] = {
    {CircuitPicture::CapacitorCircuit, "cec",     false, false},
    {CircuitPicture::CapacitorSeries,  "cseries", false, true},
    {CircuitPicture::CapacitorShunt,   "cshunt",  false, true},
    {CircuitPicture::InductorCircuit,  "iec",     true,  false},
    {CircuitPicture::InductorSeries,   "iseries", true,  true},
};
// clang-format on

RecordingCanvas Drawn(CircuitPicture picture, CircuitLayer layer, double dpi = 96) {
    const TwipsSize size = CircuitPictureTwips(picture);
    RecordingCanvas canvas(static_cast<int>(size.Width * dpi / 1440),
                           static_cast<int>(size.Height * dpi / 1440), dpi);
    DrawCircuitPicture(canvas, picture, layer);
    return canvas;
}

// The geometry of a layer without its colours: what the picture and its mask must agree
// on, or the mask would cut holes beside the lines and leave stray pixels elsewhere.
struct Shapes {
    std::vector<LineCall> lines;
    std::vector<CircleCall> circles;
    std::vector<TextCall> texts;
};

Shapes ShapesOf(const RecordingCanvas& canvas) {
    Shapes shapes{canvas.CallsOf<LineCall>(), canvas.CallsOf<CircleCall>(), canvas.CallsOf<TextCall>()};
    for (LineCall& line : shapes.lines) line.color = {};
    for (CircleCall& circle : shapes.circles) circle.color = {};
    for (TextCall& text : shapes.texts) text.color = {};
    return shapes;
}

TEST(CircuitPicturesTest, KeysNameTheirPicturesAndMasks) {
    for (const KeyRow& row : kKeys) {
        EXPECT_EQ(CircuitPictureKey(row.picture), row.key);
        EXPECT_EQ(CircuitMaskKey(row.picture), std::string(row.key) + "_mask");
        ASSERT_TRUE(CircuitPictureOf(row.key).has_value()) << row.key;
        EXPECT_EQ(*CircuitPictureOf(row.key), row.picture);
    }
    for (const char* unknown : {"", "ishunt", "cec_mask", "CEC", "cec "})
        EXPECT_FALSE(CircuitPictureOf(unknown).has_value()) << unknown;
}

TEST(CircuitPicturesTest, ConnectionPicturesFitSideBySideBelowTheEquivalentCircuitWidth) {
    const TwipsSize circuit = CircuitPictureTwips(CircuitPicture::CapacitorCircuit);
    EXPECT_EQ(CircuitPictureTwips(CircuitPicture::InductorCircuit).Width, circuit.Width);
    for (const KeyRow& row : kKeys) {
        const TwipsSize size = CircuitPictureTwips(row.picture);
        EXPECT_GT(size.Height, 0) << row.key;
        if (row.connection) {
            EXPECT_LE(2 * size.Width, circuit.Width) << row.key;
        }
    }
}

TEST(CircuitPicturesTest, MaskCoversExactlyThePictureStrokesInBlackOnWhite) {
    for (const KeyRow& row : kKeys) {
        SCOPED_TRACE(row.key);
        const RecordingCanvas picture = Drawn(row.picture, CircuitLayer::Picture);
        const RecordingCanvas mask = Drawn(row.picture, CircuitLayer::Mask);
        const Shapes a = ShapesOf(picture);
        const Shapes b = ShapesOf(mask);
        EXPECT_EQ(a.lines, b.lines);
        EXPECT_EQ(a.circles, b.circles);
        EXPECT_EQ(a.texts, b.texts);
        EXPECT_FALSE(a.lines.empty());
        // Backgrounds: black is what XOR leaves alone, white what AND leaves alone.
        EXPECT_EQ(picture.Pixels().At(0, 0), shared::colors::kBlack);
        EXPECT_EQ(mask.Pixels().At(0, 0), shared::colors::kWhite);
        for (const LineCall& line : mask.CallsOf<LineCall>()) EXPECT_EQ(line.color, shared::colors::kBlack);
        for (const CircleCall& circle : mask.CallsOf<CircleCall>())
            EXPECT_EQ(circle.color, shared::colors::kBlack);
        for (const TextCall& text : mask.CallsOf<TextCall>()) EXPECT_EQ(text.color, shared::colors::kBlack);
        // The components are drawn in colour in the picture, so they stand out from the wires.
        bool coloured = false;
        for (const LineCall& line : picture.CallsOf<LineCall>())
            coloured = coloured || line.color != shared::colors::kBlack;
        for (const CircleCall& circle : picture.CallsOf<CircleCall>())
            coloured = coloured || circle.color != shared::colors::kBlack;
        EXPECT_TRUE(coloured);
    }
}

TEST(CircuitPicturesTest, EveryStrokeStaysInsideThePicture) {
    for (const KeyRow& row : kKeys) {
        SCOPED_TRACE(row.key);
        const RecordingCanvas canvas = Drawn(row.picture, CircuitLayer::Picture);
        const double width = canvas.ScaleWidth();
        const double height = canvas.ScaleHeight();
        const auto inside = [&](double x, double y) { return x >= 0 && x <= width && y >= 0 && y <= height; };
        for (const LineCall& line : canvas.CallsOf<LineCall>()) {
            EXPECT_TRUE(inside(line.x1, line.y1)) << line.x1 << "," << line.y1;
            EXPECT_TRUE(inside(line.x2, line.y2)) << line.x2 << "," << line.y2;
        }
        for (const CircleCall& circle : canvas.CallsOf<CircleCall>()) {
            EXPECT_TRUE(inside(circle.cx - circle.radius, circle.cy - circle.radius));
            EXPECT_TRUE(inside(circle.cx + circle.radius, circle.cy + circle.radius));
        }
        for (const TextCall& text : canvas.CallsOf<TextCall>()) {
            EXPECT_TRUE(inside(text.x, text.y));
            EXPECT_TRUE(inside(text.x + canvas.TextWidth(text.text), text.y + canvas.TextHeight(text.text)));
        }
    }
}

// The coils are arcs; a capacitor has plates only. A picture that showed the wrong
// component would tell the user the wrong circuit.
TEST(CircuitPicturesTest, InductorPicturesShowCoilsAndCapacitorConnectionsDoNot) {
    const auto arcs = [](CircuitPicture picture) {
        int count = 0;
        for (const CircleCall& circle : Drawn(picture, CircuitLayer::Picture).CallsOf<CircleCall>())
            count += circle.arc ? 1 : 0;
        return count;
    };
    EXPECT_EQ(arcs(CircuitPicture::CapacitorSeries), 0);
    EXPECT_EQ(arcs(CircuitPicture::CapacitorShunt), 0);
    EXPECT_EQ(arcs(CircuitPicture::InductorSeries), 4);
    // Both equivalent circuits have the series inductance of their readouts.
    EXPECT_EQ(arcs(CircuitPicture::CapacitorCircuit), 4);
    EXPECT_EQ(arcs(CircuitPicture::InductorCircuit), 4);
}

TEST(CircuitPicturesTest, EquivalentCircuitsNameTheirThreeElements) {
    for (const CircuitPicture picture : {CircuitPicture::CapacitorCircuit, CircuitPicture::InductorCircuit}) {
        std::string names;
        for (const TextCall& text : Drawn(picture, CircuitLayer::Picture).CallsOf<TextCall>())
            names += text.text;
        EXPECT_EQ(names.size(), 3U);
        for (const char element : {'R', 'L', 'C'}) EXPECT_NE(names.find(element), std::string::npos) << names;
    }
}

TEST(CircuitPicturesTest, LinesKeepTheirWeightOnDenseScreens) {
    for (const auto& [dpi, width] : {std::pair{96.0, 1}, std::pair{144.0, 2}, std::pair{192.0, 2}}) {
        const RecordingCanvas canvas = Drawn(CircuitPicture::CapacitorSeries, CircuitLayer::Picture, dpi);
        for (const LineCall& line : canvas.CallsOf<LineCall>()) ASSERT_EQ(line.width, width) << dpi;
    }
}

}  // namespace
}  // namespace pelmo
