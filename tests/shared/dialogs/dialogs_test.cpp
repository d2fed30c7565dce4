#include "shared/dialogs/frm_about.h"
#include "shared/dialogs/frm_printing.h"
#include "shared/dialogs/frm_select.h"
#include "shared/dialogs/twips.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace shared {
namespace {

template <typename T>
T* Child(QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

TEST(AboutBox, ShowsProductTitleAndBuildVersion) {
    frmAbout about({QStringLiteral("About Pelmo"), QStringLiteral("Quenzar"), {}, {1, 2, 3}});
    EXPECT_EQ(Child<QLabel>(about, "lblVersion")->text(), QStringLiteral("Version 1.2.3"));
    EXPECT_EQ(Child<QLabel>(about, "lblTitle")->text(), QStringLiteral("Quenzar"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Pelmo"));
    EXPECT_FALSE(Child<QLabel>(about, "lblDescription")->text().isEmpty());
    EXPECT_FALSE(Child<QLabel>(about, "lblDiscription2")->text().isEmpty());
    EXPECT_FALSE(Child<QLabel>(about, "picIcon")->pixmap().isNull());
}

TEST(AboutBox, VersionNumbersArePlainDecimals) {
    EXPECT_EQ(frmAbout::VersionText({10, 0, 27}), QStringLiteral("Version 10.0.27"));
    frmAbout about({QStringLiteral("About darvo"), QStringLiteral("Tervalon"), {}, kProgramVersion});
    EXPECT_EQ(Child<QLabel>(about, "lblVersion")->text(), frmAbout::VersionText(kProgramVersion));
}

TEST(AboutBox, OkClosesTheWindow) {
    frmAbout about({QStringLiteral("About darvo"), QStringLiteral("Tervalon"), {}, {1, 0, 0}});
    about.show();
    QTest::mouseClick(Child<QPushButton>(about, "cmdOk"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

QString PartNumberOf(std::int32_t index) {
    return QStringLiteral("JIS-%1").arg(index);
}

TEST(SelectDialog, ListsCandidatesInOrderWithTheFirstSelected) {
    std::vector<std::int32_t> candidates{42, 7, 19};
    frmSelect select(candidates, PartNumberOf, SelectListSizing::Designed);
    auto* list = Child<QListWidget>(select, "lstPartnumber");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("JIS-42"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("JIS-7"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("JIS-19"));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(Child<QLabel>(select, "lblTitle")->text(),
              QStringLiteral("There exist several choices for your select."));
    EXPECT_EQ(Child<QLabel>(select, "lblTitle2")->text(),
              QStringLiteral("Choose one from the following list."));
    EXPECT_EQ(select.windowTitle(), QStringLiteral("Select"));
}

TEST(SelectDialog, OkOnTheSecondEntryLeavesOnlyThatCandidate) {
    std::vector<std::int32_t> candidates{42, 7, 19};
    frmSelect select(candidates, PartNumberOf, SelectListSizing::FitToCandidates);
    select.show();
    auto* list = Child<QListWidget>(select, "lstPartnumber");
    list->setCurrentRow(1);
    QTest::mouseClick(Child<QPushButton>(select, "cmdOk"), Qt::LeftButton);
    EXPECT_EQ(candidates, (std::vector<std::int32_t>{7}));
    EXPECT_FALSE(select.isVisible());
}

TEST(SelectDialog, KeyboardChoiceWithArrowAndEnter) {
    std::vector<std::int32_t> candidates{3, 4, 5};
    frmSelect select(candidates, PartNumberOf, SelectListSizing::FitToCandidates);
    select.show();
    auto* list = Child<QListWidget>(select, "lstPartnumber");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(&select, Qt::Key_Return);
    EXPECT_EQ(candidates, (std::vector<std::int32_t>{5}));
}

TEST(SelectDialog, ClosingWithoutOkKeepsEveryCandidate) {
    std::vector<std::int32_t> candidates{42, 7, 19};
    frmSelect select(candidates, PartNumberOf, SelectListSizing::FitToCandidates);
    select.show();
    Child<QListWidget>(select, "lstPartnumber")->setCurrentRow(2);
    QTest::keyClick(&select, Qt::Key_Escape);
    EXPECT_EQ(candidates, (std::vector<std::int32_t>{42, 7, 19}));
    EXPECT_EQ(select.result(), QDialog::Rejected);
}

TEST(SelectDialog, FittedListHeightFollowsTheCandidateCount) {
    EXPECT_EQ(frmSelect::ListHeightTwips(2), 510);
    EXPECT_EQ(frmSelect::ListHeightTwips(4), 1020);
    EXPECT_EQ(frmSelect::ListHeightTwips(5), 1020);
    EXPECT_EQ(frmSelect::ListHeightTwips(6), 1020);

    std::vector<std::int32_t> two{1, 2};
    std::vector<std::int32_t> six{1, 2, 3, 4, 5, 6};
    frmSelect small(two, PartNumberOf, SelectListSizing::FitToCandidates);
    frmSelect large(six, PartNumberOf, SelectListSizing::FitToCandidates);
    auto* smallList = Child<QListWidget>(small, "lstPartnumber");
    auto* largeList = Child<QListWidget>(large, "lstPartnumber");
    const int frame = 2 * smallList->frameWidth();
    EXPECT_EQ(smallList->height() - frame, TwipsToPixels(510, small.logicalDpiY()));
    EXPECT_EQ(largeList->height() - frame, TwipsToPixels(1020, large.logicalDpiY()));
}

TEST(SelectDialog, DesignedSizingIgnoresTheCandidateCount) {
    std::vector<std::int32_t> two{1, 2};
    std::vector<std::int32_t> six{1, 2, 3, 4, 5, 6};
    frmSelect a(two, PartNumberOf, SelectListSizing::Designed);
    frmSelect b(six, PartNumberOf, SelectListSizing::Designed);
    EXPECT_EQ(Child<QListWidget>(a, "lstPartnumber")->height(),
              Child<QListWidget>(b, "lstPartnumber")->height());
}

TEST(PrintingNotice, CaptionAndText) {
    frmPrinting printing;
    printing.ShowNow();
    EXPECT_TRUE(printing.isVisible());
    EXPECT_FALSE(printing.isModal());
    EXPECT_EQ(printing.windowTitle(), QStringLiteral("Printing"));
    EXPECT_EQ(Child<QLabel>(printing, "lblPrinting")->text(), QStringLiteral("Now Printing..."));
}

TEST(Twips, ConvertAtTheLogicalDpi) {
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(255, 96), 17);
    EXPECT_EQ(TwipsToPixels(1020, 144), 102);
}

}  // namespace
}  // namespace shared
