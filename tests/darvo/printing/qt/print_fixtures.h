#ifndef TESTS_DARVO_PRINTING_QT_PRINT_FIXTURES_H
#define TESTS_DARVO_PRINTING_QT_PRINT_FIXTURES_H

#include "darvo/engine/calculate_data_t.h"
#include "darvo/engine/chart_table.h"
#include "darvo/library/product_library.h"
#include "tests/darvo/engine/engine_test_parts.h"

#include "shared/platform/messages.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace darvo::testing {

inline const std::string kDegree = "\xC2\xB0";
inline const ChartIdentity kRiseOverCurrent{TemperatureRise, Quantity::Current, Quantity::TemperatureRise};

// A heat part and a capacitance part in both notations.
inline ProductLibrary PrintLibrary() {
    ProductLibrary library;
    ProductRecord heat = HeatPart(0.5F, 0.2F, 2.0F);
    heat.PartNumber = {"HEAT1", "HJIS1"};
    heat.TempChar = {"X7R", "B"};
    ProductRecord cap;
    cap.PartNumber = {"CAP2", "CJIS2"};
    cap.TempChar = {"X7R", "B"};
    cap.NominalCapacitance = 100000.0F;
    cap.CapacitanceBasis = 105000.0F;
    cap.RatedVoltage = 6.3F;
    cap.CapModel[5] = -1.0F;
    cap.CapModel[11] = 0.1F;
    library.ProductTable = {heat, cap};
    return library;
}

// The header of a temperature rise over current of the heat part.
inline ChartDataRecord RiseOverCurrent(float rth = 100.0F) {
    ChartDataRecord header = ThermalRequest(0, Quantity::Current, Quantity::TemperatureRise, rth);
    header.ProductIndex = 0;
    return header;
}

// Prepares and computes a rise over current at rth in table, leaving it prepared for a
// chart window to adopt. False when the engine refused.
inline bool PrepareComputedRise(ChartTable& table, const ProductLibrary& library, float rth,
                                shared::Messages& messages) {
    table.Prepare() = RiseOverCurrent(rth);
    return CalculateDataT(table, library.ProductTable[0], messages, '.');
}

// The "Now Printing..." notice, if one is on screen.
inline bool NoticeShown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("frmPrinting") && widget->isVisible()) {
            const auto* label = widget->findChild<QLabel*>(QStringLiteral("lblPrinting"));
            return label != nullptr && label->text() == QStringLiteral("Now Printing...");
        }
    }
    return false;
}

}  // namespace darvo::testing

#endif
