// frmSize on the offscreen platform: the sheet of a sample part of every shape and of an
// inductor with its captions and texts, the keys that close it, the masked picture, and
// the error report instead of a sheet for a part it cannot show.
#include "pelmo/size/qt/frm_size.h"

#include "pelmo/library/library_loader.h"
#include "pelmo/library/records.h"
#include "pelmo/size/size_sheet_layout.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/dialogs/twips.h"
#include "shared/platform/testing/fake_messages.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace pelmo {
namespace {

const Library& SampleLibrary() {
    static const Library library = LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, '.');
    return library;
}

std::int32_t FirstOfShape(int shape) {
    const Library& library = SampleLibrary();
    for (std::size_t i = 0; i < library.CapacitorTable.size(); ++i) {
        if (library.CapacitorTable[i].ChipShape == static_cast<float>(shape)) {
            return static_cast<std::int32_t>(i);
        }
    }
    return -1;
}

template <class T>
T* Child(const QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

QLabel* Label(const QWidget& window, const std::string& name) {
    return window.findChild<QLabel*>(QString::fromStdString(name));
}

std::string Text(const QLabel* label) {
    return label ? label->text().toStdString() : "<missing>";
}

// Whether a control would be seen when its window is shown.
bool Shown(const QWidget* widget, const QWidget& window) {
    return widget != nullptr && widget->isVisibleTo(&window);
}

struct SheetCase {
    ProductKind kind;
    int shape;
};

void PrintTo(const SheetCase& row, std::ostream* out) {
    *out << "shape " << row.shape;
}

class FrmSizeSheetTest : public testing::TestWithParam<SheetCase> {
protected:
    std::int32_t Index() const {
        return GetParam().kind == ProductKind::Inductor ? 0 : FirstOfShape(GetParam().shape);
    }
};

TEST_P(FrmSizeSheetTest, ShowsThePartAsTheSheetDescribesIt) {
    const std::int32_t index = Index();
    ASSERT_GE(index, 0) << "the sample library has no part of this shape";
    FrmSize sheet(SampleLibrary(), GetParam().kind, index, shared::Jis);
    const SizeSheetContent expected = BuildSizeSheet(SampleLibrary(), GetParam().kind, index, shared::Jis);

    EXPECT_EQ(sheet.windowTitle().toStdString(), "Chip Size");
    EXPECT_TRUE(sheet.isModal());
    EXPECT_EQ(sheet.Content().Shape, GetParam().shape);
    const SizeSheetLayout layout = LayOutSizeSheet(GetParam().shape);
    const double dpi = sheet.logicalDpiY();
    EXPECT_EQ(sheet.size(), QSize(shared::TwipsToPixels(layout.ClientWidth, dpi),
                                  shared::TwipsToPixels(layout.ClientHeight, dpi)));

    EXPECT_EQ(Text(Label(sheet, "lblPartnumber")), expected.PartNumber);
    const std::string partNumber =
        GetParam().kind == ProductKind::Inductor
            ? SampleLibrary().InductorTable[0].PartNumber
            : SampleLibrary().CapacitorTable[static_cast<std::size_t>(index)].PartNumber[shared::Jis];
    EXPECT_EQ(Text(Label(sheet, "lblPartnumber")), partNumber);
    EXPECT_EQ(Text(Label(sheet, "lblUse")), expected.UseText);

    auto* fraChip = Child<QGroupBox>(sheet, "fraChip");
    auto* fraLand = Child<QGroupBox>(sheet, "fraLand");
    ASSERT_NE(fraChip, nullptr);
    ASSERT_NE(fraLand, nullptr);
    EXPECT_EQ(fraChip->title().toStdString(), "Chip Dimensions[mm]");
    EXPECT_EQ(fraLand->title().toStdString(), "Land Dimensions[mm]");
    EXPECT_EQ(Text(Label(sheet, "lblTitleF")), "Flow soldering method");
    EXPECT_EQ(Text(Label(sheet, "lblTitleR")), "Reflow soldering method");
    EXPECT_EQ(Shown(fraLand, sheet), expected.LandFrameVisible);

    for (std::size_t i = 0; i < kChipRowCount; ++i) {
        const std::string row = "(" + std::to_string(i) + ")";
        QLabel* title = Label(sheet, "lblTitle" + row);
        QLabel* value = Label(sheet, "lblD" + row);
        EXPECT_EQ(Shown(title, sheet), expected.Chip[i].NameVisible) << row;
        EXPECT_EQ(Shown(value, sheet), expected.Chip[i].ValueVisible) << row;
        if (expected.Chip[i].NameVisible) {
            EXPECT_EQ(Text(title), expected.Chip[i].Name);
            EXPECT_EQ(Text(value), expected.Chip[i].Value);
        }
    }
    for (std::size_t i = 0; i < kLandRowCount; ++i) {
        const std::string row = "(" + std::to_string(i) + ")";
        EXPECT_EQ(Shown(Label(sheet, "lblTitle2" + row), sheet), expected.Land[i].NameVisible) << row;
        EXPECT_EQ(Shown(Label(sheet, "lblR" + row), sheet), expected.Land[i].ValueVisible) << row;
        EXPECT_EQ(Text(Label(sheet, "lblR" + row)), expected.Land[i].Value);
    }
    for (std::size_t i = 0; i < kFlowRowCount; ++i) {
        EXPECT_EQ(Text(Label(sheet, "lblF(" + std::to_string(i) + ")")), expected.Flow[i]);
    }

    QLabel* note = Label(sheet, "lblAdd");
    EXPECT_EQ(Shown(note, sheet), GetParam().kind == ProductKind::Capacitor);
    std::string shownNote = expected.Note;
    if (!shownNote.empty() && shownNote.back() == '\n') {
        shownNote.pop_back();
    }
    EXPECT_EQ(Text(note), shownNote);

    auto* ok = Child<QPushButton>(sheet, "cmdOk");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text().toStdString(), "OK");
    EXPECT_TRUE(ok->isDefault());
}

TEST_P(FrmSizeSheetTest, PictureShowsTheChipOnTheWindowColour) {
    FrmSize sheet(SampleLibrary(), GetParam().kind, Index(), shared::Eia);
    auto* picture = Child<shared::CanvasWidget>(sheet, "picChip");
    ASSERT_NE(picture, nullptr);
    const QImage image = picture->Canvas().Image();
    const QRgb window = sheet.palette().color(QPalette::Window).rgb();
    // The corner is ground, made transparent by the mask; the middle of the chip is not.
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, window & 0xFFFFFF);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            drawn += (image.pixel(x, y) & 0xFFFFFF) != (window & 0xFFFFFF) ? 1 : 0;
        }
    }
    EXPECT_GT(drawn, image.width() * image.height() / 20);
    // The picture lies wholly inside the window.
    EXPECT_LE(picture->geometry().right(), sheet.width());
    EXPECT_LE(picture->geometry().bottom(), sheet.height());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryShape, FrmSizeSheetTest, testing::Values(
    SheetCase{ProductKind::Capacitor, 1}, SheetCase{ProductKind::Capacitor, 2},
    SheetCase{ProductKind::Capacitor, 3}, SheetCase{ProductKind::Capacitor, 5},
    SheetCase{ProductKind::Capacitor, 6}, SheetCase{ProductKind::Inductor, kInductorChipShape}),
    [](const testing::TestParamInfo<SheetCase>& info) {
        return info.param.kind == ProductKind::Inductor ? std::string("Inductor")
                                                        : "Shape" + std::to_string(info.param.shape);
    });
// clang-format on

TEST(FrmSizeTest, EscapeAndEnterAndOkCloseTheSheet) {
    const std::int32_t index = FirstOfShape(1);
    {
        FrmSize sheet(SampleLibrary(), ProductKind::Capacitor, index, shared::Eia);
        sheet.show();
        QTest::keyClick(&sheet, Qt::Key_Escape);
        EXPECT_FALSE(sheet.isVisible());
    }
    {
        FrmSize sheet(SampleLibrary(), ProductKind::Capacitor, index, shared::Eia);
        sheet.show();
        QTest::keyClick(&sheet, Qt::Key_Return);
        EXPECT_FALSE(sheet.isVisible());
        EXPECT_EQ(sheet.result(), QDialog::Accepted);
    }
    {
        FrmSize sheet(SampleLibrary(), ProductKind::Capacitor, index, shared::Eia);
        sheet.show();
        QTest::mouseClick(Child<QPushButton>(sheet, "cmdOk"), Qt::LeftButton);
        EXPECT_FALSE(sheet.isVisible());
        EXPECT_EQ(sheet.result(), QDialog::Accepted);
    }
}

TEST(FrmSizeTest, ShowModalRunsUntilTheSheetIsClosed) {
    shared::FakeMessages messages;
    bool sawModalSheet = false;
    QTimer::singleShot(0, [&] {
        auto* sheet = qobject_cast<FrmSize*>(QApplication::activeModalWidget());
        sawModalSheet = sheet != nullptr && sheet->isVisible();
        if (sheet) {
            QTest::keyClick(sheet, Qt::Key_Escape);
        }
    });
    EXPECT_TRUE(FrmSize::ShowModal(SampleLibrary(), ProductKind::Inductor, 0, shared::Eia, messages));
    EXPECT_TRUE(sawModalSheet);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST(FrmSizeTest, AnUnshowablePartGivesTheLoadReportAndNoSheet) {
    Library library;
    CapacitorRecord odd;
    odd.PartNumber = {"KTA15ODD", "KTA15ODD"};
    odd.ChipShape = 4;  // an inductor's outline in a capacitor record
    library.CapacitorTable.push_back(odd);

    // clang-format off
    const struct { ProductKind kind; std::int32_t index; const char* text; } cases[] = {
        {ProductKind::Capacitor, 0, "Unexpected Error 5\r\n"},
        {ProductKind::Capacitor, 1, "Unexpected Error 9\r\n"},
        {ProductKind::Inductor, 0, "Unexpected Error 9\r\n"},
    };
    // clang-format on
    for (const auto& row : cases) {
        shared::FakeMessages messages;
        EXPECT_EQ(FrmSize::Load(library, row.kind, row.index, shared::Eia, messages), nullptr);
        EXPECT_FALSE(FrmSize::ShowModal(library, row.kind, row.index, shared::Eia, messages));
        ASSERT_EQ(messages.Shown().size(), 2U);
        const shared::RecordedMessage& report = messages.Shown().front();
        EXPECT_EQ(report.title, "pelmo:frmSize.Form_Load");
        EXPECT_EQ(report.icon, shared::MessageIcon::Critical);
        EXPECT_EQ(report.buttons, shared::MessageButtons::Ok);
        EXPECT_EQ(report.text.rfind(row.text, 0), 0U) << report.text;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<FrmSize*>(window), nullptr) << "a sheet was left behind";
    }
}

}  // namespace
}  // namespace pelmo
