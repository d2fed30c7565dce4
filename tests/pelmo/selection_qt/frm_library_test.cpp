#include "frm_library_fixture.h"
#include "pelmo/library/program_identity.h"
#include "pelmo/selection/frequency_scroll.h"
#include "pelmo/selection/operating_conditions.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/dialogs/twips.h"
#include "shared/parts/capacitance_text.h"
#include "shared/parts/part_number_codes.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>

namespace pelmo::testing {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Trimmed(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// clang-format off
struct CaptionRow { const char* name; const char* caption; };
const CaptionRow kFixedCaptions[] = {
    {"lblItemA", "Size Code"}, {"lblItemB", "TCC"}, {"lblItemC", "Capacitance[F]"},
    {"lblItemD", "Rated Voltage[V]"}, {"lblDC", "DC Bias Voltage[V]"}, {"lblSRF", "SRF"},
    {"lblMHz", "[MHz]"}, {"lblESC", "Equivalent Series Circuit"}, {"lbl2", "Impedance, |Z|[ohm]:"},
    {"lbl3", "Series Capacitance, C[pF]:"}, {"lbl4", "Series Inductance, L[nH]:"},
    {"lbl5", "Series Resistance, R[ohm]:"}, {"lbl6", "Magnitude[dB]:"}, {"lbl7", "Phase[DEG]:"},
    {"lbl8", "Real:"}, {"lbl9", "Imag:"}, {"lbl10", "S11"}, {"lbl11", "S21"},
    {"lblTemp", "Operation Temp[\xC2\xB0" "C]"},
};
const CaptionRow kFrames[] = {
    {"fraPartnum", "Orvane Part Number"}, {"fraFreq", "Operation Frequency[MHz]"},
    {"fraSpice", "Impedance"}, {"fraSparameter", "S Parameter"}, {"fraMode", "Circuit Mode"},
};
const CaptionRow kButtons[] = {
    {"optProduct0", "Capacitor"}, {"optProduct1", "Inductor"}, {"optMode0", "Series"}, {"optMode1", "Shunt"},
};
// clang-format on

TEST_F(FrmLibraryTest, LoadShowsEveryControlWithItsCaptionAndTheCapacitorLists) {
    EXPECT_EQ(window_->width(), shared::TwipsToPixels(12340, window_->logicalDpiX()));
    EXPECT_EQ(window_->height(), shared::TwipsToPixels(3550, window_->logicalDpiY()));
    EXPECT_EQ(window_->sizeHint(), window_->size());
    EXPECT_EQ(window_->windowTitle(), QString::fromUtf8(kProductTitle));
    for (const CaptionRow& row : kFixedCaptions)
        EXPECT_EQ(Text(row.name), QString::fromUtf8(row.caption)) << row.name;
    for (const CaptionRow& row : kFrames)
        EXPECT_EQ(Child<QGroupBox>(row.name)->title(), QString::fromUtf8(row.caption)) << row.name;
    for (const CaptionRow& row : kButtons)
        EXPECT_EQ(Child<QRadioButton>(row.name)->text(), QString::fromUtf8(row.caption)) << row.name;
    EXPECT_EQ(Child<QPushButton>("cmdCatalogLink")->text(), QStringLiteral("Link to Catalog"));
    EXPECT_FALSE(Child<QPushButton>("cmdCatalogLink")->isEnabled());
    EXPECT_TRUE(Child<QRadioButton>("optProduct0")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>("optMode0")->isChecked());
    EXPECT_EQ(Child<QLineEdit>("txtFreq")->text(), QStringLiteral("1"));
    EXPECT_EQ(Child<QLineEdit>("txtTemp")->text(), QStringLiteral("25"));
    EXPECT_EQ(Child<QLineEdit>("txtDC")->text(), QStringLiteral("0"));
    EXPECT_EQ(Child<QScrollBar>("hsvFreq")->maximum(), 200);
    EXPECT_EQ(Child<QScrollBar>("hsvFreq")->value(), 0);
    QComboBox* sizes = Child<QComboBox>("cboItemA");
    ASSERT_EQ(sizes->count(), static_cast<int>(model_.State().ItemA.Items.size()));
    ASSERT_GT(sizes->count(), 1);
    EXPECT_EQ(sizes->itemText(0), Q(model_.State().ItemA.Items.front()));
    EXPECT_EQ(sizes->currentIndex(), -1);
    EXPECT_EQ(Child<QComboBox>("cboPartNumber")->count(),
              static_cast<int>(model_.State().PartNumber.Items.size()));
    for (const char* picture : {"picESC", "picSeries", "picShunt"})
        EXPECT_TRUE(Child<QWidget>(picture)->isVisible());
    for (const char* readout : {"lblFreq", "lblImp", "lblMag0"})
        EXPECT_TRUE(Text(readout).isEmpty()) << readout;
    EXPECT_TRUE(fake_.messages.Shown().empty());
    EXPECT_EQ(loadChanges_, 1);
}

// Choosing through the four filters and typing the number both end at the same window:
// the same filters, fields and readouts, and the part number in the box.
TEST_F(FrmLibraryTest, FourFiltersAndTypedPartNumberShowTheSameCapacitor) {
    const std::int32_t index = ModelledCapacitor();
    const CapacitorRecord& record = library_.CapacitorTable[static_cast<std::size_t>(index)];
    const std::string& partNumber = PartNumberOf(index);
    host_.preferred = index;

    Choose("cboItemA", record.SizeCode[shared::Eia]);
    EXPECT_TRUE(Child<QComboBox>("cboItemB")->count() > 0);
    EXPECT_EQ(Child<QComboBox>("cboItemC")->count(), 0);
    Choose("cboItemB", Trimmed(record.TempChar[shared::Eia]));
    Choose("cboItemC", shared::CapacitanceText(record.NominalCapacitance, separator_));
    EXPECT_FALSE(Child<QPushButton>("cmdCatalogLink")->isEnabled());
    Choose("cboItemD", record.RatedVoltage);
    EXPECT_EQ(selectionChanges_, 4);
    EXPECT_EQ(Child<QComboBox>("cboPartNumber")->currentText(), Q(partNumber));
    EXPECT_EQ(Text("lblUse"), Q(record.UseText));
    EXPECT_TRUE(Child<QPushButton>("cmdCatalogLink")->isEnabled());
    EXPECT_TRUE(Text("lblFreqRange").startsWith(QStringLiteral("Range:")));
    EXPECT_FALSE(window_->SrfReadout().isEmpty());
    EXPECT_EQ(window_->SrfReadout(), Text("lblFreq"));
    const std::vector<std::string> filtered = ReadoutTexts();
    const QString frequency = Child<QLineEdit>("txtFreq")->text();
    const std::array<QString, 4> filters{
        Child<QComboBox>("cboItemA")->currentText(), Child<QComboBox>("cboItemB")->currentText(),
        Child<QComboBox>("cboItemC")->currentText(), Child<QComboBox>("cboItemD")->currentText()};

    window_->optMode_Click(0);
    Child<QComboBox>("cboItemA")->setFocus();
    window_->optProduct_Click(0);  // back to an empty capacitor selection
    EXPECT_TRUE(Child<QComboBox>("cboPartNumber")->currentText().isEmpty());
    EXPECT_TRUE(Text("lblImp").isEmpty());

    TypePartNumberAndEnter(partNumber);
    EXPECT_EQ(ReadoutTexts(), filtered);
    EXPECT_EQ(Child<QLineEdit>("txtFreq")->text(), frequency);
    EXPECT_EQ(Child<QLineEdit>("txtTemp")->text(), QStringLiteral("25"));
    EXPECT_EQ(Child<QLineEdit>("txtDC")->text(), QStringLiteral("0"));
    EXPECT_TRUE(Child<QLineEdit>("txtTemp")->isEnabled());
    EXPECT_EQ(Child<QComboBox>("cboItemA")->currentText(), filters[0]);
    EXPECT_EQ(Child<QComboBox>("cboItemB")->currentText(), filters[1]);
    EXPECT_EQ(Child<QComboBox>("cboItemC")->currentText(), filters[2]);
    EXPECT_EQ(Child<QComboBox>("cboItemD")->currentText(), filters[3]);
    // Enter applied the text without adding it to the list.
    EXPECT_EQ(Child<QComboBox>("cboPartNumber")->count(),
              static_cast<int>(model_.State().PartNumber.Items.size()));
    EXPECT_TRUE(fake_.messages.Shown().empty());
    EXPECT_EQ(beeps_, 0);
}

TEST_F(FrmLibraryTest, KeyboardOnAFilterListChoosesItsEntry) {
    QComboBox* sizes = Child<QComboBox>("cboItemA");
    sizes->setFocus();
    QTest::keyClick(sizes, Qt::Key_Down);
    ASSERT_GE(sizes->currentIndex(), 0);
    EXPECT_EQ(model_.State().ItemA.Text, sizes->currentText().toStdString());
    EXPECT_GT(Child<QComboBox>("cboItemB")->count(), 0);
    EXPECT_EQ(selectionChanges_, 1);
}

TEST_F(FrmLibraryTest, RefusedPartNumberShowsTheMessageAndKeepsTheFocusInTheBox) {
    QLineEdit* box = Child<QComboBox>("cboPartNumber")->lineEdit();
    TypePartNumberAndEnter("NOSUCHPART");
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "Product Number is invalid or not selected!");
    EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Exclamation);
    EXPECT_EQ(fake_.messages.Shown()[0].title, "Pelmo");
    EXPECT_EQ(beeps_, 1);
    EXPECT_EQ(window_->focusWidget(), Child<QComboBox>("cboPartNumber"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("NOSUCHPART"));
    EXPECT_TRUE(Text("lblImp").isEmpty());
    EXPECT_FALSE(Child<QPushButton>("cmdCatalogLink")->isEnabled());
}

// Enter applies whatever the box holds, entry of its current list or not: a number the
// list lacks must never leave the previous part's readouts beside it.
TEST_F(FrmLibraryTest, EnterAppliesTheTypedTextWhetherOrNotTheListHoldsIt) {
    const std::int32_t first = ModelledCapacitor();
    const std::string firstSize =
        library_.CapacitorTable[static_cast<std::size_t>(first)].SizeCode[shared::Eia];
    std::int32_t other = -1;  // a capacitor of another size, outside a size-filtered list
    for (std::size_t u = 0; u < library_.CapacitorTable.size() && other < 0; ++u) {
        const CapacitorRecord& record = library_.CapacitorTable[u];
        if (record.SizeCode[shared::Eia] != firstSize && !record.PartNumber[shared::Eia].empty() &&
            shared::FrequencyRangeClass(record.PartNumber[shared::Eia]) != 0)
            other = static_cast<std::int32_t>(u);
    }
    ASSERT_GE(other, 0);
    const std::string& otherNumber = PartNumberOf(other);
    const std::string otherSize =
        library_.CapacitorTable[static_cast<std::size_t>(other)].SizeCode[shared::Eia];
    TypePartNumberAndEnter(otherNumber);
    const std::vector<std::string> otherReadouts = ReadoutTexts();
    ASSERT_FALSE(Text("lblImp").isEmpty());

    const std::string lower = QString::fromStdString(otherNumber).toLower().toStdString();
    const std::string inductor = library_.InductorTable.front().PartNumber;
    struct Case {
        const char* what;
        std::string typed;
        bool refused;
    };
    const Case cases[] = {
        {"unknown number", "XYZ123", true},
        {"lower case", lower, false},
        {"leading and trailing blanks", "  " + otherNumber + " ", false},
        {"an inductor while Capacitor is chosen", inductor, true},
        {"a capacitor the size filter left out of the list", otherNumber, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake_.messages.Clear();
        beeps_ = 0;
        TypePartNumberAndEnter(PartNumberOf(first));
        ASSERT_FALSE(Text("lblImp").isEmpty());
        ASSERT_NE(ReadoutTexts(), otherReadouts);
        // The list now holds only parts of the first part's size.
        Choose("cboItemA", firstSize);
        ASSERT_EQ(Child<QComboBox>("cboPartNumber")->findText(Q(otherNumber)), -1);
        TypePartNumberAndEnter(PartNumberOf(first));
        ASSERT_FALSE(Text("lblImp").isEmpty());

        // What the window shows behind the box while it waits.
        std::vector<std::string> behindTheBox;
        int beepsBeforeTheBox = -1;
        fake_.messages.WhileShown([&] {
            behindTheBox = ReadoutTexts();
            beepsBeforeTheBox = beeps_;
        });
        TypePartNumberAndEnter(c.typed);
        fake_.messages.WhileShown({});
        if (c.refused) {
            ASSERT_EQ(fake_.messages.Shown().size(), 1U);
            EXPECT_EQ(fake_.messages.Shown()[0].text, "Product Number is invalid or not selected!");
            EXPECT_EQ(beeps_, 1);
            EXPECT_EQ(beepsBeforeTheBox, 1);
            for (const std::string& readout : ReadoutTexts()) EXPECT_TRUE(readout.empty()) << readout;
            EXPECT_EQ(behindTheBox, ReadoutTexts());
        } else {
            EXPECT_TRUE(fake_.messages.Shown().empty());
            EXPECT_EQ(beeps_, 0);
            EXPECT_EQ(Child<QComboBox>("cboPartNumber")->currentText(), Q(otherNumber));
            EXPECT_EQ(ReadoutTexts(), otherReadouts);
            EXPECT_EQ(Child<QComboBox>("cboItemA")->currentText(), Q(otherSize));
            EXPECT_TRUE(Child<QPushButton>("cmdCatalogLink")->isEnabled());
        }
    }
}

TEST_F(FrmLibraryTest, LowerCaseTypedPartNumberIsShownInTheLibrarySpelling) {
    const std::string& partNumber = PartNumberOf(ModelledCapacitor());
    TypePartNumberAndEnter(QString::fromStdString(partNumber).toLower().toStdString());
    EXPECT_EQ(Child<QComboBox>("cboPartNumber")->currentText(), Q(partNumber));
    EXPECT_FALSE(Text("lblImp").isEmpty());
    EXPECT_TRUE(fake_.messages.Shown().empty());
}

TEST_F(FrmLibraryTest, TypedFrequencyMovesTheThumbAndTheScrollBarStepsTheFrequency) {
    const std::int32_t index = ModelledCapacitor();
    const std::string& partNumber = PartNumberOf(index);
    TypePartNumberAndEnter(partNumber);
    const std::optional<PartFrequencyRange> range =
        FrequencyRangeOf(shared::FrequencyRangeClass(partNumber),
                         library_.CapacitorTable[static_cast<std::size_t>(index)].UpperFrequency, '.');
    ASSERT_TRUE(range.has_value());
    QScrollBar* bar = Child<QScrollBar>("hsvFreq");
    const std::vector<std::string> atLower = ReadoutTexts();
    const double typed = std::sqrt(range->Lower * range->Upper);
    const int changesBefore = selectionChanges_;
    TypeAndEnter("txtFreq", std::to_string(typed));
    EXPECT_EQ(bar->value(), ScrollPosition(*range, typed));
    EXPECT_GT(bar->value(), 0);
    EXPECT_NE(ReadoutTexts(), atLower);
    EXPECT_EQ(selectionChanges_, changesBefore + 1);

    // The arrow keys step the thumb, and every step is a user move the readouts follow.
    bar->setFocus();
    const int at = bar->value();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->value(), at + 1);
    EXPECT_EQ(Child<QLineEdit>("txtFreq")->text(), Q(ScrollFrequencyText(*range, at + 1, '.')));
    QTest::keyClick(bar, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), at + 1 + bar->pageStep());
    EXPECT_EQ(Child<QLineEdit>("txtFreq")->text(), Q(ScrollFrequencyText(*range, bar->value(), '.')));
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(bar->value(), at + bar->pageStep());
    QTest::keyClick(bar, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(ReadoutTexts(), atLower);
    for (const shared::RecordedMessage& shown : fake_.messages.Shown()) ADD_FAILURE() << shown.text;
}

// A drag is one user move, taken when the thumb is let go; a refused condition field
// then shows its message once.
TEST_F(FrmLibraryTest, DraggingTheThumbChangesTheFrequencyWhenItIsLetGo) {
    TypePartNumberAndEnter(PartNumberOf(ModelledCapacitor()));
    QLineEdit* bias = Child<QLineEdit>("txtDC");
    bias->setFocus();
    bias->selectAll();
    QTest::keyClicks(bias, QStringLiteral("abc"));  // typed, no Enter
    const QString lower = Child<QLineEdit>("txtFreq")->text();
    QScrollBar* bar = Child<QScrollBar>("hsvFreq");
    bar->setSliderDown(true);
    for (int position = 10; position <= 120; position += 10) bar->setSliderPosition(position);
    EXPECT_EQ(Child<QLineEdit>("txtFreq")->text(), lower);
    EXPECT_TRUE(fake_.messages.Shown().empty());
    bar->setSliderDown(false);
    EXPECT_EQ(bar->value(), 120);
    EXPECT_NE(Child<QLineEdit>("txtFreq")->text(), lower);
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "DC Bias Voltage is invalid!");
    EXPECT_EQ(window_->focusWidget(), bias);
}

// clang-format off
struct RefusalRow { const char* box; const char* typed; const char* message; };
const RefusalRow kFrequencyRefusals[] = {
    {"txtFreq", "",        "Operating Freqency if not selected!\nPlease enter a Number from "},
    {"txtFreq", "abc",     "Operating Frequency is invalid!\nPlease enter a Number from "},
    {"txtFreq", "0.00001", "Operating Frequency is out of Range!\nPlease enter a Number from "},
    {"txtFreq", "1E+9",    "Operating Frequency is out of Range!\nPlease enter a Number from "},
    {"txtTemp", "",        "Operation Temp is invalid!\nPlease enter a Number"},
    {"txtTemp", "150",     "Operation Temp is out of Range!\nPlease enter a Number from -55 to 125 [C]"},
    {"txtDC",   "x",       "DC Bias Voltage is invalid!\nPlease enter a Number from 0 to "},
    {"txtDC",   "-1",      "DC Bias Voltage is out of Range!\nPlease enter a Number from 0 to "},
    {"txtDC",   "100000",  "DC Bias Voltage is out of Range!\nPlease enter a Number from 0 to "},
};
// clang-format on

// Each refused input: its exact message, a beep, the readouts as they were and the
// focus back in the box that was refused.
TEST_F(FrmLibraryTest, RefusedOperatingPointInputsShowTheirMessageAndRestoreTheFocus) {
    const std::int32_t index = ModelledCapacitor("X7R");
    const CapacitorRecord& record = library_.CapacitorTable[static_cast<std::size_t>(index)];
    TypePartNumberAndEnter(PartNumberOf(index));
    const std::vector<std::string> shown = ReadoutTexts();
    ASSERT_FALSE(shown[1].empty());
    for (const RefusalRow& row : kFrequencyRefusals) {
        SCOPED_TRACE(std::string(row.box) + " <- " + row.typed);
        fake_.messages.Clear();
        const int beeps = beeps_;
        QLineEdit* box = Child<QLineEdit>(row.box);
        const QString before = box->text();
        TypeAndEnter(box, row.typed);
        ASSERT_EQ(fake_.messages.Shown().size(), 1U);
        EXPECT_EQ(fake_.messages.Shown()[0].text.rfind(row.message, 0), 0U) << fake_.messages.Shown()[0].text;
        if (std::string(row.box) == "txtDC") {
            EXPECT_EQ(fake_.messages.Shown()[0].text,
                      std::string(row.message) + record.RatedVoltage + " [V]");
        }
        EXPECT_EQ(fake_.messages.Shown()[0].icon, shared::MessageIcon::Exclamation);
        EXPECT_EQ(beeps_, beeps + 1);
        EXPECT_EQ(window_->focusWidget(), box);
        EXPECT_EQ(box->selectedText(), box->text());
        EXPECT_EQ(ReadoutTexts(), shown);
        TypeAndEnter(box, before.toStdString());
    }
}

// Invalid text left in one condition field stops Enter in the other field from
// evaluating: the faulty field is named and gets the focus.
TEST_F(FrmLibraryTest, EnterInOneFieldChecksTheOtherFieldToo) {
    const std::int32_t index = ModelledCapacitor("X7R");
    TypePartNumberAndEnter(PartNumberOf(index));
    const std::vector<std::string> shown = ReadoutTexts();
    QLineEdit* bias = Child<QLineEdit>("txtDC");
    bias->setFocus();
    bias->selectAll();
    QTest::keyClicks(bias, QStringLiteral("abc"));  // typed, no Enter
    TypeAndEnter("txtTemp", "30");
    ASSERT_EQ(fake_.messages.Shown().size(), 1U);
    EXPECT_EQ(fake_.messages.Shown()[0].text, "DC Bias Voltage is invalid!");
    EXPECT_EQ(window_->focusWidget(), bias);
    EXPECT_EQ(ReadoutTexts(), shown);
}

TEST_F(FrmLibraryTest, ShuntConnectionChangesTheSParameterReadouts) {
    TypePartNumberAndEnter(PartNumberOf(ModelledCapacitor()));
    const std::vector<std::string> series = ReadoutTexts();
    QTest::mouseClick(Child<QRadioButton>("optMode1"), Qt::LeftButton);
    EXPECT_TRUE(Child<QRadioButton>("optMode1")->isChecked());
    EXPECT_EQ(model_.State().Mode, 1);
    const std::vector<std::string> shunt = ReadoutTexts();
    EXPECT_EQ(shunt[1], series[1]);  // |Z| is the chip's own
    EXPECT_NE(shunt[5], series[5]);  // |S11| is not
}

TEST_F(FrmLibraryTest, InductorHidesTheCapacitorOnlyPartsAndIsChosenByThreeFilters) {
    QTest::mouseClick(Child<QRadioButton>("optProduct1"), Qt::LeftButton);
    ASSERT_TRUE(Child<QRadioButton>("optProduct1")->isChecked());
    EXPECT_EQ(selectionChanges_, 1);
    EXPECT_FALSE(Child<QWidget>("cboItemD")->isVisible());
    EXPECT_FALSE(Child<QWidget>("lblItemD")->isVisible());
    EXPECT_FALSE(Child<QWidget>("fraConf")->isVisible());
    EXPECT_FALSE(Child<QWidget>("txtTemp")->isVisible());
    EXPECT_FALSE(Child<QWidget>("optMode1")->isVisible());
    EXPECT_FALSE(Child<QWidget>("picShunt")->isVisible());
    EXPECT_TRUE(Child<QWidget>("picSeries")->isVisible());
    EXPECT_EQ(Text("lblItemB"), QStringLiteral("Inductance[nH]"));
    EXPECT_EQ(Text("lblItemC"), QStringLiteral("Rated Current[mA]"));
    EXPECT_EQ(Text("lbl3"), QStringLiteral("Parallel Capacitance, C[pF]:"));
    EXPECT_EQ(Child<QComboBox>("cboPartNumber")->count(), static_cast<int>(library_.InductorTable.size()));

    const InductorRecord& record = library_.InductorTable.front();
    host_.preferred = 0;
    Choose("cboItemA", record.SizeCode[shared::Eia]);
    Choose("cboItemB", record.Inductance);
    Choose("cboItemC", record.RatedCurrent);
    EXPECT_EQ(Child<QComboBox>("cboPartNumber")->currentText(), Q(record.PartNumber));
    EXPECT_EQ(Child<QLineEdit>("txtFreq")->text(), QStringLiteral("10"));
    EXPECT_FALSE(Text("lblImp").isEmpty());
    EXPECT_FALSE(window_->SrfReadout().isEmpty());
    EXPECT_TRUE(Text("lblUse").isEmpty());
    EXPECT_TRUE(Child<QPushButton>("cmdCatalogLink")->isEnabled());

    QTest::mouseClick(Child<QRadioButton>("optProduct0"), Qt::LeftButton);
    EXPECT_TRUE(Child<QWidget>("cboItemD")->isVisible());
    EXPECT_TRUE(Child<QWidget>("fraConf")->isVisible());
    EXPECT_TRUE(Child<QWidget>("picShunt")->isVisible());
    EXPECT_EQ(Text("lblItemB"), QStringLiteral("TCC"));
    EXPECT_EQ(Text("lbl3"), QStringLiteral("Series Capacitance, C[pF]:"));
}

// The notation switch is a View menu command of the main window: it runs the model's
// handler and has the window show the result.
TEST_F(FrmLibraryTest, NotationSwitchShowsTheSamePartInTheOtherNotation) {
    std::int32_t index = -1;
    for (std::size_t u = 0; u < library_.CapacitorTable.size() && index < 0; ++u) {
        const CapacitorRecord& record = library_.CapacitorTable[u];
        if (!record.PartNumber[shared::Eia].empty() && !record.PartNumber[shared::Jis].empty() &&
            shared::FrequencyRangeClass(record.PartNumber[shared::Eia]) != 0)
            index = static_cast<std::int32_t>(u);
    }
    ASSERT_GE(index, 0);
    const CapacitorRecord record = library_.CapacitorTable[static_cast<std::size_t>(index)];
    TypePartNumberAndEnter(record.PartNumber[shared::Eia]);
    host_.chartWindows = 2;
    model_.mnuViewCode_Click(1);
    window_->ShowState();
    EXPECT_EQ(Child<QComboBox>("cboPartNumber")->currentText(), Q(record.PartNumber[shared::Jis]));
    EXPECT_EQ(Child<QComboBox>("cboItemA")->currentText(), Q(record.SizeCode[shared::Jis]));
    EXPECT_EQ(Child<QLineEdit>("txtTemp")->text(), QStringLiteral("20"));
    EXPECT_EQ(host_.chartWindows, 0);
    ASSERT_FALSE(fake_.messages.Shown().empty());
    EXPECT_EQ(fake_.messages.Shown().back().text, "Close all chart windows");
    QComboBox* sizes = Child<QComboBox>("cboItemA");
    ASSERT_EQ(sizes->count(), static_cast<int>(model_.State().ItemA.Items.size()));
    for (int row = 0; row < sizes->count(); ++row)
        EXPECT_EQ(sizes->itemText(row), Q(model_.State().ItemA.Items[static_cast<std::size_t>(row)]));
}

class FrmLibraryJisTest : public FrmLibraryTest {
protected:
    FrmLibraryJisTest() : FrmLibraryTest(1) {}
};

TEST_F(FrmLibraryJisTest, JapaneseHelpStartsInJisNotationAtTwentyDegrees) {
    EXPECT_EQ(model_.State().CodeSystem, shared::Jis);
    EXPECT_EQ(Child<QLineEdit>("txtTemp")->text(), QStringLiteral("20"));
    const std::string& partNumber = PartNumberOf(ModelledCapacitor());
    TypePartNumberAndEnter(partNumber);
    EXPECT_EQ(Child<QComboBox>("cboPartNumber")->currentText(), Q(partNumber));
    EXPECT_FALSE(Text("lblImp").isEmpty());
}

TEST_F(FrmLibraryTest, CatalogButtonAsksTheMainWindowForTheLink) {
    QPushButton* button = Child<QPushButton>("cmdCatalogLink");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(catalogRequests_, 0);  // disabled while nothing is chosen
    TypePartNumberAndEnter(PartNumberOf(ModelledCapacitor()));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(catalogRequests_, 1);
    EXPECT_EQ(mustEnds_, 0);
}

TEST_F(FrmLibraryTest, TabOrderFollowsTheWayTheWindowIsFilledIn) {
    const std::vector<const char*> order{
        "optProduct0", "optProduct1", "cboPartNumber", "cboItemA", "cboItemB", "cboItemC", "cboItemD",
        "txtFreq",     "hsvFreq",     "txtTemp",       "txtDC",    "optMode0", "optMode1", "cmdCatalogLink"};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget* from = Child<QWidget>(order[i]);
        QWidget* next = from->nextInFocusChain();
        // An editable combo box hands the focus on through its line edit.
        while (next != nullptr && next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
        if (next != nullptr && next->parentWidget() == from) next = next->nextInFocusChain();
        EXPECT_EQ(next, Child<QWidget>(order[i + 1]))
            << order[i] << " -> " << (next ? qPrintable(next->objectName()) : "none");
    }
    EXPECT_NE(Child<QScrollBar>("hsvFreq")->focusPolicy(), Qt::NoFocus);
}

// The pictures are drawn through their masks: the field background shows around the
// lines, and the equivalent circuit follows the product kind.
TEST_F(FrmLibraryTest, CircuitPicturesShowTheBackgroundAroundTheLinesAndFollowTheKind) {
    auto* esc = Child<shared::CanvasWidget>("picESC");
    const QImage capacitor = esc->Canvas().Image();
    const QColor background = window_->palette().color(QPalette::Base);
    EXPECT_EQ(capacitor.pixelColor(0, 0).rgb(), background.rgb());
    EXPECT_EQ(capacitor.pixelColor(capacitor.width() - 1, capacitor.height() - 1).rgb(), background.rgb());
    int dark = 0;
    for (int y = 0; y < capacitor.height(); ++y)
        for (int x = 0; x < capacitor.width(); ++x) dark += qGray(capacitor.pixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(dark, 100);
    const QImage shunt = Child<shared::CanvasWidget>("picShunt")->Canvas().Image();
    const QImage series = Child<shared::CanvasWidget>("picSeries")->Canvas().Image();
    EXPECT_NE(shunt, series);
    window_->optProduct_Click(1);
    EXPECT_NE(esc->Canvas().Image(), capacitor);
    EXPECT_NE(Child<shared::CanvasWidget>("picSeries")->Canvas().Image(), series);
    window_->optProduct_Click(0);
    EXPECT_EQ(esc->Canvas().Image(), capacitor);
    EXPECT_EQ(Child<shared::CanvasWidget>("picSeries")->Canvas().Image(), series);
}

}  // namespace
}  // namespace pelmo::testing

namespace pelmo::testing {
namespace {

// Typing alone changes only the text the model will check: no evaluation, no message,
// until Enter or a command. A click into a field selects its whole text.
TEST_F(FrmLibraryTest, TypingWithoutEnterOnlyChangesTheTextAndAClickSelectsTheField) {
    TypePartNumberAndEnter(PartNumberOf(ModelledCapacitor()));
    const std::vector<std::string> shown = ReadoutTexts();
    const int changes = selectionChanges_;
    QLineEdit* frequency = Child<QLineEdit>("txtFreq");
    frequency->setFocus();
    frequency->selectAll();
    QTest::keyClicks(frequency, QStringLiteral("12.5"));
    EXPECT_EQ(model_.State().Frequency, "12.5");
    EXPECT_EQ(ReadoutTexts(), shown);
    EXPECT_EQ(selectionChanges_, changes);
    EXPECT_TRUE(fake_.messages.Shown().empty());

    QLineEdit* temperature = Child<QLineEdit>("txtTemp");
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::mouseClick(temperature, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(temperature->selectedText(), temperature->text());
    EXPECT_FALSE(temperature->text().isEmpty());
}

// A library the notation switch cannot sort (one part number twice) cannot be used:
// the report is shown and the main window is told, once.
TEST(FrmLibraryEndTest, DamagedLibraryAsksTheProgramToEndOnce) {
    Library library = LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, '.');
    library.CapacitorTable.push_back(library.CapacitorTable.back());
    FakeProgram fake;
    ScriptedHost host;
    LibrarySelection model(library, fake.messages, fake.cursor, host, '.');
    FrmLibrary window(model, fake.services, fake.facts);
    int ends = 0;
    QObject::connect(&window, &FrmLibrary::mustEnd, [&ends] { ++ends; });
    window.Form_Load();
    EXPECT_EQ(ends, 1);
    ASSERT_FALSE(fake.messages.Shown().empty());
    EXPECT_EQ(fake.messages.Shown().front().icon, shared::MessageIcon::Critical);
    EXPECT_NE(fake.messages.Shown().front().text.find("457"), std::string::npos)
        << fake.messages.Shown().front().text;
    window.ShowState();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(fake.cursor.Depth(), 0);
}

// The program may end by deleting the window as soon as it is told to; the handler
// that raised the request must not touch the window afterwards.
TEST(FrmLibraryEndTest, WindowDeletedOnTheEndRequestIsNotTouchedAgain) {
    Library library = LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, '.');
    FakeProgram fake;
    ScriptedHost host;
    LibrarySelection model(library, fake.messages, fake.cursor, host, '.');
    auto* window = new FrmLibrary(model, fake.services, fake.facts);
    window->Form_Load();
    // The notation switch of a library that cannot be sorted in JIS asks to end.
    std::swap(library.CapacitorTable.front(), library.CapacitorTable.back());
    library.CapacitorTable.push_back(library.CapacitorTable.front());
    int changes = 0;
    QObject::connect(window, &FrmLibrary::selectionChanged, [&changes] { ++changes; });
    QObject::connect(window, &FrmLibrary::mustEnd, [&window] {
        delete window;
        window = nullptr;
    });
    ASSERT_NE(window, nullptr);
    model.mnuViewCode_Click(1);
    window->optProduct_Click(0);
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(changes, 0);
}

}  // namespace
}  // namespace pelmo::testing
