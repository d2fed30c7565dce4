#include "pelmo/size/size_sheet_layout.h"

#include <algorithm>

namespace pelmo {

namespace {

constexpr int kWindowWidth = 7800;
constexpr int kMargin = 120;

constexpr int kChipFrameWidth = 2600;
constexpr int kLandFrameWidth = 4100;
constexpr int kPictureLeft = 4300;
constexpr int kPictureTop = 720;
constexpr int kPictureWidth = 4320;
constexpr int kPictureHeight = 3100;

// Rows inside the frames: below the frame caption, one line each.
constexpr int kChipFirstRowTop = 260;
constexpr int kChipRowPitch = 240;
constexpr int kLandCaptionTop = 240;
constexpr int kLandCaptionHeight = 420;
constexpr int kLandFirstRowTop = 700;
constexpr int kLandRowPitch = 250;
constexpr int kRowHeight = 240;

bool IsTall(int shape) {
    return shape == 2 || shape == 3;
}

}  // namespace

SizeSheetLayout LayOutSizeSheet(int shape) {
    SizeSheetLayout layout;
    layout.WindowWidth = kWindowWidth;
    layout.WindowHeight = shape == 2 ? 6400 : shape == 3 ? 6700 : 4800;
    layout.ClientWidth = layout.WindowWidth - kWindowChromeWidthTwips;
    layout.ClientHeight = layout.WindowHeight - kWindowChromeHeightTwips;

    layout.PartNumber = {kMargin, 120, kLandFrameWidth, 300};
    layout.Use = {kMargin, 420, kLandFrameWidth, 240};
    layout.ChipFrame = {kMargin, kPictureTop, kChipFrameWidth, IsTall(shape) ? 2304 : 1500};
    layout.LandFrame = {kMargin, IsTall(shape) ? 3400 : 2500, kLandFrameWidth,
                        shape == 2   ? 2400
                        : shape == 3 ? 2800
                                     : 1700};
    // The catalogue's picture box is 4320 wide from 4300, which reaches past the right
    // edge of a 7800 wide window; it ends inside the window here so that no part of the
    // drawing is cut off.
    const int pictureWidth = std::min(kPictureWidth, layout.ClientWidth - kMargin - kPictureLeft);
    layout.Picture = {kPictureLeft, kPictureTop, pictureWidth, kPictureHeight};
    // The notes sit above the picture, where the two lines fit beside the part number.
    layout.Note = {kPictureLeft, 120, pictureWidth, kPictureTop - 120 - 60};
    layout.Ok = {5280, IsTall(shape) ? 5400 : 3900, 1215, 375};

    for (int row = 0; row < kChipRowCount; ++row) {
        const int top = kChipFirstRowTop + row * kChipRowPitch;
        layout.ChipNames[static_cast<std::size_t>(row)] = {180, top, 900, kRowHeight};
        layout.ChipValues[static_cast<std::size_t>(row)] = {1140, top, 1360, kRowHeight};
    }
    layout.FlowCaption = {700, kLandCaptionTop, 1600, kLandCaptionHeight};
    layout.ReflowCaption = {2400, kLandCaptionTop, 1600, kLandCaptionHeight};
    for (int row = 0; row < kLandRowCount; ++row) {
        const int top = kLandFirstRowTop + row * kLandRowPitch;
        layout.LandNames[static_cast<std::size_t>(row)] = {200, top, 400, kRowHeight};
        layout.ReflowValues[static_cast<std::size_t>(row)] = {2400, top, 1600, kRowHeight};
        if (row < kFlowRowCount) {
            layout.FlowValues[static_cast<std::size_t>(row)] = {700, top, 1600, kRowHeight};
        }
    }
    return layout;
}

}  // namespace pelmo
