#include "export_test_support.h"

#include "pelmo/engine/s_parameters.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace pelmo::testing {

IdealChip::IdealChip(double resistance, double inductance, double capacitance, CircuitMode connection)
    : resistance_(resistance), inductance_(inductance), capacitance_(capacitance), connection_(connection) {}

GridPointEvaluator IdealChip::Evaluator() {
    return [this](double omega) -> const OperatingPointResult& {
        omegas_.push_back(omega);
        Impedance z;
        z.R = resistance_;
        z.X = omega * inductance_ - (capacitance_ > 0.0 ? 1.0 / (omega * capacitance_) : 0.0);
        result_.Resistance = z.R;
        result_.Reactance = z.X;
        StoreSParameters(SParametersOf(z, connection_), result_, nullptr);
        return result_;
    };
}

IdealChip SmallCapacitor(CircuitMode connection) {
    return IdealChip(0.1, 0.5e-9, 10e-12, connection);
}

IdealChip SmallInductor() {
    return IdealChip(1.5, 10e-9, 0.0, CircuitMode::Series);
}

ExportSubject CapacitorSubject(CircuitMode connection, float upperFrequency, int rangeClass) {
    ExportSubject subject;
    subject.Product = ProductKind::Capacitor;
    subject.PartNumber = "KTH1552C1H100JA01";
    subject.RangeClass = rangeClass;
    subject.UpperFrequency = upperFrequency;
    subject.Connection = connection;
    subject.ConditionDependent = true;
    subject.TemperatureText = "25";
    subject.BiasText = "0";
    return subject;
}

ExportSubject InductorSubject() {
    ExportSubject subject;
    subject.Product = ProductKind::Inductor;
    subject.PartNumber = "PWW1510NJ";
    subject.RangeClass = 1;
    subject.UpperFrequency = 6e9F;
    // What the window may show; an inductor file ignores it.
    subject.Connection = CircuitMode::Shunt;
    return subject;
}

std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end with CR LF";
            lines.push_back(bytes.substr(start));
            break;
        }
        const std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line break in: " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

void ExpectMatchesGolden(const std::string& bytes, const std::string& goldenName) {
    const std::string path = std::string(PELMO_EXPORT_GOLDEN_DIR) + "/" + goldenName;
    const char* refresh = std::getenv("PELMO_EXPORT_REFRESH_GOLDEN");
    if (refresh != nullptr && std::string(refresh) == "1") {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
        ASSERT_TRUE(out.good()) << "cannot write " << path;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << "missing golden file " << path;
    const std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Report the first differing line rather than two 20 kB strings.
    std::istringstream actualLines(bytes);
    std::istringstream expectedLines(expected);
    std::string actualLine;
    std::string expectedLine;
    int number = 1;
    while (std::getline(expectedLines, expectedLine)) {
        std::getline(actualLines, actualLine);
        ASSERT_EQ(actualLine, expectedLine) << goldenName << " line " << number;
        ++number;
    }
    EXPECT_TRUE(bytes == expected) << goldenName;
}

}  // namespace pelmo::testing
