#include "shared/platform/qt/qt_dialog_conversions.h"
#include "shared/platform/qt/qt_messages.h"
#include "shared/platform/qt/qt_shell.h"
#include "shared/platform/web_link.h"

#include <QUrlQuery>

#include <gtest/gtest.h>

namespace shared {
namespace {

TEST(QtMessagesTest, LineBreaksBecomePlainLineFeeds) {
    // clang-format off
    struct Row { std::string text; QString shown; };
    const Row rows[] = {
        {"Unexpected Error 53\r\nFile not found", "Unexpected Error 53\nFile not found"},
        {"a\r\n\r\nb", "a\n\nb"},
        {"lone\rreturn", "lone\nreturn"},
        {"25 [\xC2\xB0" "C]", QString::fromUtf8("25 [\xC2\xB0" "C]")},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(QtMessages::DisplayText(row.text), row.shown);
    }
}

TEST(QtDialogConversionsTest, FilterListsBecomeNameFiltersInOrder) {
    EXPECT_EQ(NameFilters("S parameter Data Files (*.s2p)|*.s2p|All Files (*.*)|*.*|"),
              (QStringList{"S parameter Data Files (*.s2p) (*.s2p)", "All Files (*.*) (*)"}));
    EXPECT_EQ(NameFilters("Tables|*.txt;*.csv"), QStringList{"Tables (*.txt *.csv)"});
    EXPECT_TRUE(NameFilters("").isEmpty());
}

TEST(QtDialogConversionsTest, FlagsChooseOverwritePromptAndFileMode) {
    // clang-format off
    struct Row { std::int32_t flags; bool save; bool confirms; QFileDialog::FileMode mode; };
    const Row rows[] = {
        {6, true, true, QFileDialog::AnyFile},
        {4, true, false, QFileDialog::AnyFile},
        {0x1000, false, true, QFileDialog::ExistingFile},
        {0, false, true, QFileDialog::AnyFile},
    };
    // clang-format on
    for (const Row& row : rows) {
        const QFileDialog::Options options = FileDialogOptions(row.flags, row.save);
        EXPECT_TRUE(options.testFlag(QFileDialog::HideNameFilterDetails));
        EXPECT_EQ(!options.testFlag(QFileDialog::DontConfirmOverwrite), row.confirms) << row.flags;
        EXPECT_EQ(FileDialogMode(row.flags, row.save), row.mode) << row.flags;
    }
}

TEST(QtDialogConversionsTest, ColoursAndFontsSurviveTheRoundTrip) {
    EXPECT_EQ(ToQColor(0x800000), QColor(0, 0, 0x80));  // QBColor 1, dark blue
    EXPECT_EQ(ToQColor(0x0000FF), QColor(0xFF, 0, 0));
    for (const std::int32_t rgb : {0x000000, 0x123456, 0xC0C0C0, 0xFFFFFF, 0x00FFFF}) {
        EXPECT_EQ(FromQColor(ToQColor(rgb)), rgb);
    }
    const FontChoice font{"Liberation Sans", 105, 700, true, false, true};
    const FontChoice back = FromQFont(ToQFont(font));
    EXPECT_EQ(back.name, "Liberation Sans");
    EXPECT_EQ(back.sizeTenths, 105);
    EXPECT_EQ(back.weight, 700);
    EXPECT_TRUE(back.italic);
    EXPECT_FALSE(back.underline);
    EXPECT_TRUE(back.strikethru);
    EXPECT_EQ(FromQFont(ToQFont({"Arial", 90, 400, false, true, false})).weight, 400);
}

// Print setup hides selection and page ranges but keeps the PDF printer, which is Qt's
// print-to-file: without it a machine with no printer could not print at all.
TEST(QtDialogConversionsTest, PrintSetupFlagsHideSelectionAndPagesButKeepPdf) {
    const auto setup = PrintDialogOptions(0x14000C);
    EXPECT_FALSE(setup.testFlag(QAbstractPrintDialog::PrintSelection));
    EXPECT_FALSE(setup.testFlag(QAbstractPrintDialog::PrintPageRange));
    EXPECT_TRUE(setup.testFlag(QAbstractPrintDialog::PrintToFile));
    EXPECT_TRUE(setup.testFlag(QAbstractPrintDialog::PrintCollateCopies));
    EXPECT_TRUE(PrintDialogOptions(0).testFlag(QAbstractPrintDialog::PrintPageRange));
    // clang-format off
    struct Row { std::int32_t in; QAbstractPrintDialog::PrintRange range; bool file; bool collate; std::int32_t out; };
    const Row rows[] = {
        {0x14000C, QAbstractPrintDialog::AllPages, false, false, 0x14000C},
        {0x14000F, QAbstractPrintDialog::AllPages, false, false, 0x14000C},
        {0x0, QAbstractPrintDialog::PageRange, true, true, 0x32},
        {0x2, QAbstractPrintDialog::Selection, false, false, 0x1},
    };
    // clang-format on
    for (const Row& row : rows) {
        EXPECT_EQ(PrintFlagsAfter(row.in, row.range, row.file, row.collate), row.out) << row.in;
    }
}

TEST(QtShellTest, EncodedAddressesReachTheToolkitUnchanged) {
    WebLinkRequest request;
    request.kind = 1;
    request.partNumberText = "A&lt=2 #x_tail";
    const std::string url = BuildWebLinkUrl(request);
    const QUrl address = QtShell::EncodedUrl(url);
    ASSERT_TRUE(address.isValid());
    EXPECT_EQ(address.toEncoded().toStdString(), url);
    const QUrlQuery query(address);
    EXPECT_EQ(query.queryItemValue("nkey", QUrl::FullyDecoded), "A&lt=2 #x");
    EXPECT_EQ(query.queryItemValue("okey", QUrl::FullyDecoded), "A&lt=2 #x");
    EXPECT_EQ(query.queryItems().size(), 8);
    EXPECT_EQ(address.host().toStdString() + address.path().toStdString(),
              "products.example.com/cgi-bin/design-tool/search_product.pl");

    const QUrl document = QtShell::DocumentUrl("/opt/pelmo bin/pelmoehlp.pdf");
    EXPECT_TRUE(document.isLocalFile());
    EXPECT_EQ(document.toLocalFile(), "/opt/pelmo bin/pelmoehlp.pdf");
}

}  // namespace
}  // namespace shared
