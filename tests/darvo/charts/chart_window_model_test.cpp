// A chart window's life without its widgets: adopting curves with the union range,
// magnifying and losing the magnification, the axis-range checks and their warnings,
// the legends, and closing with exactly its records removed.
#include "darvo/charts/chart_window_model.h"

#include "chart_sample.h"
#include "darvo/charts/axis_range_check.h"
#include "darvo/charts/chart_legends.h"

#include "shared/canvas/recording_canvas.h"
#include "shared/text/number_text.h"

#include <gtest/gtest.h>

namespace darvo {
namespace {

const ChartIdentity kRiseOverCurrent{TemperatureRise, Quantity::Current, Quantity::TemperatureRise};
const ChartIdentity kRiseOverVoltage{TemperatureRise, Quantity::Voltage, Quantity::TemperatureRise};
const ChartIdentity kRiseOverFrequency{TemperatureRise, Quantity::Frequency, Quantity::TemperatureRise};
const ChartIdentity kCapTemp{CapacitanceTemperature, Quantity::Temperature, Quantity::CapacitanceChange};
const ChartIdentity kCapAc{CapacitanceAcVoltage, Quantity::AcVoltage, Quantity::Capacitance};

class ChartWindowLife : public ::testing::Test {
protected:
    testing::ChartSample sample;
    shared::RecordingCanvas picture{373, 243};
    ChartDrawOptions options;

    ChartWindowModel Open(const ChartIdentity& identity, int part) {
        EXPECT_TRUE(sample.Prepare(identity, part));
        ChartWindowModel window = ChartWindowModel::ForPrepared(sample.Table);
        window.Load(sample.Table, picture, options);
        return window;
    }
    void AddTo(ChartWindowModel& window, int part, const std::function<void(ConditionTexts&)>& tweak = {}) {
        ASSERT_TRUE(sample.Prepare(window.Identity(), part, tweak));
        window.Load(sample.Table, picture, options);
    }
};

TEST_F(ChartWindowLife, FirstCurveAdoptedThenFurtherCurvesWidenTheRangeAndDropMagnification) {
    ChartWindowModel window = Open(kCapTemp, 0);
    EXPECT_EQ(sample.Table.ChartCount(), 1);
    EXPECT_EQ(sample.Table.Size(), 1U);
    EXPECT_EQ(window.Caption(), "Capacitance-Temperature Characteristics(Temperature,Capacitance Change)");
    EXPECT_EQ(window.Range(), FullRange(sample.Table, kCapTemp));

    const AxisRange full = window.Range();
    const AxisRange magnified{full.Xmax - 10, full.Ymax, full.Xmin + 10, full.Ymin};
    window.WriteMagnification(sample.Table, picture, magnified, kRangeNarrower, options);
    EXPECT_EQ(window.Range(), magnified);
    EXPECT_FALSE(window.CustomRange());

    AddTo(window, 1);
    EXPECT_EQ(sample.Table.ChartCount(), 2);
    const std::optional<AxisRange> both = FullRange(sample.Table, kCapTemp);
    EXPECT_EQ(window.Range(), both);
    EXPECT_LE(both->Xmin, full.Xmin);
    EXPECT_GE(both->Ymax, full.Ymax);
}

TEST_F(ChartWindowLife, ARecordOfAnotherIdentityIsRefusedAndLeftPrepared) {
    ChartWindowModel window = Open(kRiseOverCurrent, 0);
    ASSERT_TRUE(sample.Prepare(kRiseOverVoltage, 0));
    EXPECT_THROW(window.Load(sample.Table, picture, options), shared::RuntimeError);
    EXPECT_TRUE(sample.Table.IsPreparing());
    EXPECT_EQ(sample.Table.ChartCount(), 1);
}

TEST_F(ChartWindowLife, ClosingRemovesExactlyItsRecordsAndKeepsTheOthersInOrder) {
    ChartWindowModel current = Open(kRiseOverCurrent, 0);
    ChartWindowModel voltage = Open(kRiseOverVoltage, 0);
    AddTo(current, 1);
    ChartWindowModel ac = Open(kCapAc, 0);
    AddTo(voltage, 2);
    ASSERT_EQ(sample.Table.ChartCount(), 5);
    const ChartDataRecord firstVoltage = sample.Table.At(1);
    const ChartDataRecord acRecord = sample.Table.At(3);
    const ChartDataRecord secondVoltage = sample.Table.At(4);

    EXPECT_EQ(current.Close(sample.Table), 2);
    ASSERT_EQ(sample.Table.ChartCount(), 3);
    EXPECT_EQ(sample.Table.At(0), firstVoltage);
    EXPECT_EQ(sample.Table.At(1), acRecord);
    EXPECT_EQ(sample.Table.At(2), secondVoltage);

    EXPECT_EQ(voltage.Close(sample.Table), 2);
    EXPECT_EQ(ac.Close(sample.Table), 1);
    EXPECT_EQ(sample.Table.ChartCount(), 0);
    EXPECT_EQ(sample.Table.Size(), 1U);
    EXPECT_EQ(sample.Table.At(0), ChartDataRecord{});
}

TEST_F(ChartWindowLife, MagnifiedDrawingUsesFiveDivisionsAndTheFullRangeTheOrdinaryOnes) {
    ChartWindowModel window = Open(kRiseOverCurrent, 0);
    const AxisRange full = window.Range();
    const auto horizontalGridLines = [this] {
        int n = 0;
        for (const auto& line : picture.CallsOf<shared::LineCall>())
            if (line.color == kLinearGridColor && line.y1 == line.y2) ++n;
        return n;
    };
    picture.ClearCalls();
    window.WriteMagnification(sample.Table, picture,
                              AxisRange{full.Xmax / 2, full.Ymax, full.Xmin, full.Ymin}, kRangeNarrower,
                              options);
    EXPECT_EQ(horizontalGridLines(), 6);
    picture.ClearCalls();
    window.WriteMagnification(sample.Table, picture, full, kRangeFull, options);
    EXPECT_EQ(horizontalGridLines(), 11);
}

class AxisRangeChecks : public ChartWindowLife {};

TEST_F(AxisRangeChecks, FullRangeNarrowerAndRefusedRangesWithTheirWarnings) {
    ChartWindowModel window = Open(kRiseOverCurrent, 0);
    const AxisRange full = window.Range();
    const std::string title = "darvo";
    EXPECT_EQ(CheckAxisRange(sample.Table, kRiseOverCurrent, full, '.', sample.Messages, title), kRangeFull);
    AxisRange narrower = full;
    narrower.Ymax = full.Ymax / 2;
    EXPECT_EQ(CheckAxisRange(sample.Table, kRiseOverCurrent, narrower, '.', sample.Messages, title),
              kRangeNarrower);
    EXPECT_TRUE(IsMagnifiedRange(sample.Table, kRiseOverCurrent, narrower));
    EXPECT_FALSE(IsMagnifiedRange(sample.Table, kRiseOverCurrent, full));
    EXPECT_TRUE(sample.Messages.Shown().empty());

    // An X range beyond the full one names the X axis, the chart and the full range.
    AxisRange wide = full;
    wide.Xmax = full.Xmax * 2;
    EXPECT_EQ(CheckAxisRange(sample.Table, kRiseOverCurrent, wide, '.', sample.Messages, title),
              kRangeRejected);
    ASSERT_EQ(sample.Messages.Shown().size(), 1U);
    EXPECT_EQ(sample.Messages.Shown()[0].text, "Set Current Range of Temperature Rise Characteristics from " +
                                                   shared::GeneralNumberTextSingle(full.Xmin, '.') + " to " +
                                                   shared::GeneralNumberTextSingle(full.Xmax, '.') +
                                                   " [Arms]");
    EXPECT_EQ(sample.Messages.Shown()[0].icon, shared::MessageIcon::Exclamation);
    EXPECT_EQ(sample.Messages.Shown()[0].title, title);

    // Equal bounds are refused; a temperature unit is written without the degree sign.
    AxisRange flat = full;
    flat.Ymin = flat.Ymax;
    EXPECT_EQ(CheckAxisRange(sample.Table, kRiseOverCurrent, flat, '.', sample.Messages, title),
              kRangeRejected);
    EXPECT_EQ(sample.Messages.Shown().back().text,
              "Set Temperature Rise Range of Temperature Rise Characteristics from " +
                  shared::GeneralNumberTextSingle(full.Ymin, '.') + " to " +
                  shared::GeneralNumberTextSingle(full.Ymax, '.') + " [C]");
    // A valid upper value does not save a lower one below the full minimum.
    AxisRange low = full;
    low.Ymin = full.Ymin - 1;
    low.Ymax = full.Ymax / 2;
    EXPECT_EQ(ClassifyAxisRange(sample.Table, kRiseOverCurrent, low, '.').Result, kRangeRejected);
}

TEST_F(AxisRangeChecks, TheExampleCurrentRangeOfZeroToNine) {
    ChartTable table;
    testing::Adopt(table, testing::LineRecord(kRiseOverCurrent, 0, 0, 5, 60, AxisRange{5, 80, 0, 0}));
    const AxisRangeVerdict verdict = ClassifyAxisRange(table, kRiseOverCurrent, AxisRange{9, 80, 0, 0}, '.');
    EXPECT_EQ(verdict.Result, kRangeRejected);
    EXPECT_EQ(verdict.Warning, "Set Current Range of Temperature Rise Characteristics from 0 to 5 [Arms]");
}

TEST_F(AxisRangeChecks, DialogShowsKilohertzFixedAndChecksOnlyYOverFrequency) {
    ChartWindowModel window = Open(kRiseOverFrequency, 0);
    const AxisRange full = window.Range();
    const AxisDialogTexts texts = AxisDialogFor(kRiseOverFrequency, full, "\u00B0", '.');
    EXPECT_EQ(texts.Caption, "Temperature Rise Characteristics");
    EXPECT_EQ(texts.XFrame, "Frequency");
    EXPECT_EQ(texts.YFrame, "Temperature Rise");
    EXPECT_EQ(texts.XUnit, "[kHz]");
    EXPECT_EQ(texts.YUnit, "[\u00B0C]");
    EXPECT_FALSE(texts.XEditable);
    EXPECT_EQ(texts.X[0], shared::GeneralNumberText(static_cast<double>(full.Xmin) / 1000.0, '.'));

    // The X texts are not validated against the range, only for being numbers.
    const AxisDialogOutcome outcome = ConfirmAxisDialog(sample.Table, kRiseOverFrequency, {"1", "99999999"},
                                                        {texts.Y[0], "40"}, '.', sample.Messages, "darvo");
    ASSERT_TRUE(outcome.Accepted);
    EXPECT_EQ(outcome.Result, kRangeNarrower);
    EXPECT_EQ(outcome.Range.Xmin, 1000.0F);
    EXPECT_EQ(outcome.Range.Ymax, 40.0F);

    // The values first shown give the full range.
    const AxisDialogOutcome same =
        ConfirmAxisDialog(sample.Table, kRiseOverFrequency, texts.X, texts.Y, '.', sample.Messages, "darvo");
    ASSERT_TRUE(same.Accepted);
    EXPECT_EQ(same.Result, kRangeFull);
    EXPECT_TRUE(sample.Messages.Shown().empty());

    const AxisDialogOutcome letters = ConfirmAxisDialog(sample.Table, kRiseOverFrequency, texts.X,
                                                        {"abc", texts.Y[1]}, '.', sample.Messages, "darvo");
    EXPECT_FALSE(letters.Accepted);
    ASSERT_EQ(sample.Messages.Shown().size(), 1U);
    EXPECT_EQ(sample.Messages.Shown()[0].text,
              "A Non-numerical value exits where numerical value should be in.");
    EXPECT_EQ(sample.Messages.Shown()[0].icon, shared::MessageIcon::Exclamation);
}

TEST_F(ChartWindowLife, LegendsPerChartType) {
    ChartWindowModel capTemp = Open(kCapTemp, 0);
    AddTo(capTemp, 1, [](ConditionTexts& t) { t.DCBiasVoltage = "6.3"; });
    const std::vector<LegendEntry> legends =
        WriteLegends(sample.Table, sample.Library, kCapTemp, "\u00B0", '.');
    ASSERT_EQ(legends.size(), 2U);
    EXPECT_EQ(legends[0].Conditions, "( 0[V] )");
    EXPECT_EQ(legends[1].Conditions, "( 6.3[V] )");
    EXPECT_EQ(legends[1].PartNumber,
              sample.Library.ProductTable[static_cast<std::size_t>(sample.PartFor(CapacitanceTemperature, 1))]
                  .PartNumber[0]);
    EXPECT_EQ(legends[1].Color, shared::colors::kRed);
    EXPECT_EQ(LegendColor(5), (shared::Rgb{128, 0, 0}));
    EXPECT_EQ(LegendFrameCaption(5), "No.6");

    Open(kCapAc, 0);
    EXPECT_EQ(WriteLegends(sample.Table, sample.Library, kCapAc, "\u00B0", '.')[0].Conditions, "");

    ChartDataRecord r;
    r.DCBiasVoltage = 2;
    r.HeatResistance = 45.5F;
    r.Frequency = 100;
    r.AmbientTemperature = 25;
    r.ParameterName = Quantity::EffectivePower;
    r.ParameterValue = 0.1F;
    r.MaxValue = 1.23456F;
    EXPECT_EQ(LegendConditions(r, kRiseOverFrequency, "\u00B0", '.'),
              "2[V],45.5[\u00B0C/W],25[\u00B0C],0.1[W]");
    EXPECT_EQ(LegendConditions(r, kRiseOverCurrent, "\u00B0", '.'),
              "2[V],45.5[\u00B0C/W],100[kHz],25[\u00B0C]");
    EXPECT_EQ(LegendConditions(r, ChartIdentity{AllowablePower, Quantity::Frequency, Quantity::Voltage},
                               "\u00B0", '.'),
              "2[V],45.5[\u00B0C/W],25[\u00B0C],1.235[Vrms]");
    EXPECT_EQ(LegendConditions(
                  r, ChartIdentity{CapacitanceDcVoltage, Quantity::DcBiasVoltage, Quantity::Capacitance},
                  "\u00B0", '.'),
              " 25[ \u00B0C] ");
}

}  // namespace
}  // namespace darvo
