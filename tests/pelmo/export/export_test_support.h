#ifndef TESTS_PELMO_EXPORT_EXPORT_TEST_SUPPORT_H
#define TESTS_PELMO_EXPORT_EXPORT_TEST_SUPPORT_H

#include "pelmo/engine/circuit_mode.h"
#include "pelmo/engine/operating_point_result.h"
#include "pelmo/export/export_subject.h"
#include "pelmo/export/grid_point_evaluator.h"

#include <string>
#include <vector>

namespace pelmo::testing {

// An ideal series R-L-C chip with closed-form impedance, so that the writers' tests do
// not move whenever the capacitor model is tuned: Z = R + j(wL - 1/(wC)), with the
// S-parameters of the engine's two-port conversion. C = 0 leaves out the capacitor (an
// inductor).
class IdealChip {
public:
    IdealChip(double resistance, double inductance, double capacitance, CircuitMode connection);

    // An evaluator writing into this object's result and recording every omega.
    GridPointEvaluator Evaluator();

    const std::vector<double>& Omegas() const noexcept { return omegas_; }
    const OperatingPointResult& Result() const noexcept { return result_; }

private:
    double resistance_;
    double inductance_;
    double capacitance_;
    CircuitMode connection_;
    OperatingPointResult result_;
    std::vector<double> omegas_;
};

// A 10 pF, 0.5 nH, 0.1 ohm chip and a 10 nH, 1.5 ohm coil.
IdealChip SmallCapacitor(CircuitMode connection);
IdealChip SmallInductor();

// Subjects of the golden files.
ExportSubject CapacitorSubject(CircuitMode connection, float upperFrequency, int rangeClass);
ExportSubject InductorSubject();

// The lines of a text split at CR LF; a bare LF or a missing final line end fails the
// calling test.
std::vector<std::string> SplitCrLf(const std::string& bytes);

// Compares bytes with the golden file of that name; with PELMO_EXPORT_REFRESH_GOLDEN=1
// in the environment it writes the file instead (see the fixtures README).
void ExpectMatchesGolden(const std::string& bytes, const std::string& goldenName);

}  // namespace pelmo::testing

#endif
