#include "shared/platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace shared {
namespace {

TEST(QtClipboard, PutsThePictureAsAnImageAndClears) {
    QClipboard& system = *QGuiApplication::clipboard();
    QtClipboard clipboard(system);
    PixelImage picture(40, 25, colors::kWhite);
    picture.Set(7, 3, Rgb{0, 128, 0});

    clipboard.Clear();
    clipboard.SetPicture(picture);

    const QImage onClipboard = system.image();
    ASSERT_EQ(onClipboard.size(), QSize(40, 25));
    EXPECT_EQ(onClipboard.pixel(7, 3) & 0xFFFFFF, 0x008000u);
    EXPECT_EQ(onClipboard.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);

    clipboard.Clear();
    EXPECT_TRUE(system.image().isNull());
}

}  // namespace
}  // namespace shared
