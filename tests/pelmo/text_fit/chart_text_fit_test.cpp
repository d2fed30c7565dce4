// The axis labels and titles of every rectangular chart kind, for every frequency axis
// the sample library gives (each frequency class, with and without a 20 GHz part), and
// the legend captions, measured with the screen fonts against the chart picture and
// the legend frames.
#include "chart_windows_session.h"
#include "pelmo/charts/qt/frm_graph.h"
#include "pelmo/library/library_loader.h"

#include "shared/canvas/qt/canvas_widget.h"
#include "shared/canvas/qt/painter_canvas.h"
#include "shared/parts/part_number_codes.h"

#include <QGroupBox>
#include <QLabel>

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pelmo::testing {
namespace {

// A screen picture that also remembers where each text went, in its user scale.
class MeasuringCanvas : public shared::PainterCanvas {
public:
    using PainterCanvas::PainterCanvas;

    struct Placed {
        std::string text;
        double left, top, right, bottom;
    };

    void Print(const std::string& text) override {
        const double x = CurrentX();
        const double y = CurrentY();
        // The text hangs down from the current point; with y growing upwards "down" is
        // towards smaller numbers.
        const double height = std::fabs(TextHeight(text)) * (ScaleHeight() < 0 ? -1.0 : 1.0);
        placed.push_back(Placed{text, x, y, x + TextWidth(text), y + height});
        PainterCanvas::Print(text);
    }

    std::vector<Placed> placed;
};

struct AxisGroup {
    int rangeClass;
    bool twentyGigahertz;
    bool operator<(const AxisGroup& other) const {
        return std::pair(rangeClass, twentyGigahertz) < std::pair(other.rangeClass, other.twentyGigahertz);
    }
};

constexpr float kTwentyGigahertz = 20e9F;

class ChartTextFitTest : public ::testing::Test {
protected:
    ChartTextFitTest() : session(LoadLibrary(PELMO_SAMPLE_LIBRARY_DIR, '.'), QSize(1600, 1000)) {}

    // Parts of each frequency axis: the first and last three of the library's order, so
    // the value axes see small and large parts.
    std::map<AxisGroup, std::vector<std::pair<std::string, bool>>> PartsByAxis() const {
        std::map<AxisGroup, std::vector<std::pair<std::string, bool>>> all;
        for (const CapacitorRecord& record : session.library.CapacitorTable) {
            const std::string& part = record.PartNumber[shared::Eia];
            const int rangeClass = part.empty() ? 0 : shared::FrequencyRangeClass(part);
            if (rangeClass != 0)
                all[{rangeClass, record.UpperFrequency == kTwentyGigahertz}].emplace_back(part, false);
        }
        for (const InductorRecord& record : session.library.InductorTable) {
            const int rangeClass = shared::FrequencyRangeClass(record.PartNumber);
            if (rangeClass != 0)
                all[{rangeClass, record.UpperFrequency == kTwentyGigahertz}].emplace_back(record.PartNumber,
                                                                                          true);
        }
        for (auto& [group, parts] : all)
            if (parts.size() > 6) parts.erase(parts.begin() + 3, parts.end() - 3);
        return all;
    }

    void ExpectTextsInsideThePicture(FrmGraph& window, const std::string& parts) {
        const shared::PainterCanvas& shown = window.Picture().Canvas();
        MeasuringCanvas canvas(shown.PixelWidth(), shown.PixelHeight(), shown.DotsPerInch());
        ChartWindowModel copy = window.Model();
        ChartContext context{session.slotTable,
                             session.pointTable,
                             session.library,
                             shared::Eia,
                             session.fake.facts.DegreeSign,
                             &session.fake.messages,
                             "Pelmo"};
        copy.Draw(canvas, false, context, "");
        ASSERT_FALSE(canvas.placed.empty());
        const double left = canvas.ScaleLeft();
        const double right = left + canvas.ScaleWidth();
        const double top = canvas.ScaleTop();
        const double bottom = top + canvas.ScaleHeight();
        for (const MeasuringCanvas::Placed& text : canvas.placed) {
            const std::string where =
                window.windowTitle().toStdString() + " of " + parts + ": \"" + text.text + "\"";
            EXPECT_GE(text.left, left) << where;
            EXPECT_LE(text.right, right) << where;
            EXPECT_GE(std::min(text.top, text.bottom), std::min(top, bottom)) << where;
            EXPECT_LE(std::max(text.top, text.bottom), std::max(top, bottom)) << where;
        }
        for (int k = 0; k < 6; ++k) {
            const auto* label = window.findChild<QLabel*>(QStringLiteral("lblStatus(%1)").arg(k));
            const auto* frame = window.findChild<QGroupBox*>(QStringLiteral("fraStatus(%1)").arg(k));
            ASSERT_NE(label, nullptr);
            ASSERT_NE(frame, nullptr);
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << window.windowTitle().toStdString() << " legend " << k << ": "
                << label->text().toStdString();
            // The caption sits inside its frame, below the title and the border drawn through it.
            if (!frame->title().isEmpty()) {
                EXPECT_GE(label->y(), frame->fontMetrics().height()) << window.windowTitle().toStdString();
            }
            EXPECT_LE(label->geometry().bottom(), frame->contentsRect().bottom())
                << window.windowTitle().toStdString();
        }
    }

    ChartWindowsSession session;
};

TEST_F(ChartTextFitTest, AxisLabelsTitlesAndLegendsOfEveryKindShowWhole) {
    const std::map<AxisGroup, std::vector<std::pair<std::string, bool>>> groups = PartsByAxis();
    ASSERT_GE(groups.size(), 6U);
    ASSERT_TRUE(groups.count({5, true}) + groups.count({3, true}) + groups.count({4, true}) +
                    groups.count({6, true}) >
                0);
    int checked = 0;
    for (const auto& [group, parts] : groups) {
        std::string names;
        for (const auto& [part, inductor] : parts) {
            session.Choose(part, inductor);
            names += part + " ";
            for (int k = 1; k <= static_cast<int>(ChartKind::ImpedanceAndEsr); ++k)
                session.requests->Request(static_cast<ChartKind>(k));
        }
        session.fake.messages.Clear();  // kinds a part does not offer were refused
        for (FrmGraph* window : session.windows->Windows()) {
            ExpectTextsInsideThePicture(*window, names);
            ++checked;
        }
        session.windows->CloseAll();
    }
    EXPECT_GT(checked, 40);
}

}  // namespace
}  // namespace pelmo::testing
