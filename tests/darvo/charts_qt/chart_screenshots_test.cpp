// Pictures of darvo's chart windows for a person to look at: every chart type with
// several curves, a magnified chart, the cursor readout and the axis-range dialog.
// Written only when DARVO_CHART_SCREENSHOTS names a folder; never compared by pixels.
#include "chart_window_session.h"
#include "darvo/charts/qt/frm_graph.h"
#include "darvo/charts/qt/frm_set_axis.h"

#include "shared/canvas/qt/canvas_widget.h"

#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <gtest/gtest.h>

namespace darvo {
namespace {

class ChartScreenshots : public ::testing::Test, protected testing::ChartWindowSession {
protected:
    void SetUp() override {
        folder_ = qEnvironmentVariable("DARVO_CHART_SCREENSHOTS");
        if (folder_.isEmpty()) GTEST_SKIP() << "DARVO_CHART_SCREENSHOTS is not set";
        QDir().mkpath(folder_);
    }
    void Save(QWidget& widget, const QString& name) {
        QApplication::processEvents();
        EXPECT_TRUE(widget.grab().save(folder_ + "/" + name + ".png")) << name.toStdString();
    }
    static QWidget& Frame(FrmGraph* window) { return *window->parentWidget(); }

    QString folder_;
};

TEST_F(ChartScreenshots, EveryChartTypeMagnifiedReadoutAndDialog) {
    struct Shot {
        const char* name;
        ChartIdentity identity;
        int curves;
    };
    const Shot shots[] = {
        {"rise-current", {TemperatureRise, Quantity::Current, Quantity::TemperatureRise}, 3},
        {"rise-frequency", {TemperatureRise, Quantity::Frequency, Quantity::TemperatureRise}, 3},
        {"power-current", {AllowablePower, Quantity::Frequency, Quantity::Current}, 3},
        {"power-apparent", {AllowablePower, Quantity::Frequency, Quantity::ApparentPower}, 2},
        {"cap-temperature-change",
         {CapacitanceTemperature, Quantity::Temperature, Quantity::CapacitanceChange},
         6},
        {"cap-dc-capacitance", {CapacitanceDcVoltage, Quantity::DcBiasVoltage, Quantity::Capacitance}, 3},
        {"cap-dc-change", {CapacitanceDcVoltage, Quantity::DcBiasVoltage, Quantity::CapacitanceChange}, 3},
        {"cap-ac-capacitance", {CapacitanceAcVoltage, Quantity::AcVoltage, Quantity::Capacitance}, 2},
    };
    for (const Shot& shot : shots) {
        FrmGraph* window = nullptr;
        for (int c = 0; c < shot.curves; ++c) window = Plot(shot.identity, c * 7);
        ASSERT_NE(window, nullptr) << shot.name;
        Save(Frame(window), shot.name);
        if (std::string(shot.name) == "cap-temperature-change") {
            const ChartDataRecord& r = sample.Table.At(sample.Table.ChartCount() - 1);
            const shared::ChartCanvas& canvas = window->Picture().Canvas();
            QTest::mouseMove(&window->Picture(),
                             QPoint(static_cast<int>(std::lround(canvas.ToPixelX(r.PlotX[120]))),
                                    static_cast<int>(std::lround(canvas.ToPixelY(r.PlotY[120])))));
            Save(Frame(window), "readout");
            QTimer::singleShot(0, [this] {
                auto* dialog = qobject_cast<FrmSetAxis*>(QApplication::activeModalWidget());
                ASSERT_NE(dialog, nullptr);
                Save(*dialog, "axis-dialog");
                dialog->reject();
            });
            window->mnuChartExpand_Click();
            const AxisRange full = window->Range();
            window->WriteMagnification(AxisRange{full.Xmax / 2, full.Ymax / 2, full.Xmin / 2, full.Ymin / 2},
                                       0);
            Save(Frame(window), "magnified");
        }
        if (std::string(shot.name) == "rise-frequency") {
            QTimer::singleShot(0, [this] {
                auto* dialog = qobject_cast<FrmSetAxis*>(QApplication::activeModalWidget());
                ASSERT_NE(dialog, nullptr);
                Save(*dialog, "axis-dialog-frequency");
                dialog->reject();
            });
            window->mnuChartExpand_Click();
        }
        windows->CloseAll();
        QApplication::processEvents();
    }
    EXPECT_TRUE(fake.messages.Shown().empty());
}

}  // namespace
}  // namespace darvo
