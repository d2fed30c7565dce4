#include "selection_test_library.h"

#include "support/point_number.h"

#include <algorithm>
#include <string>

namespace pelmo::testing {

namespace {

CapacitorRecord Capacitor(const std::string& eia, const std::string& jis, const std::string& tcc,
                          const std::string& tccJis, const std::string& capacitance, const std::string& rated,
                          int modelType, float upperFrequency) {
    CapacitorRecord record;
    record.PartNumber = {eia, jis};
    record.UseText = "Use of " + (eia.empty() ? jis : eia);
    const bool small = (eia.empty() ? jis : eia).substr(3, 2) == "15";
    record.SizeCode = small ? NotationTexts{"0402", "1005"} : NotationTexts{"0603", "1608"};
    record.TempChar = {tcc, tccJis};
    record.NominalCapacitance = capacitance;
    record.RatedVoltage = rated;
    record.ModelType = modelType;
    record.C1 = static_cast<float>(shared::testing::PointNumber(capacitance));
    record.L1 = 0.4F;
    record.Rb = 0.05F;
    record.C2 = 20.0F;
    record.L2 = 1.5F;
    record.R2 = 3.0F;
    record.C3 = 0.3F;
    record.L3 = 0.1F;
    record.R3 = 8.0F;
    record.BiasCoef[1] = -2.0F;
    record.TempCoef[1] = 0.05F;
    record.UpperFrequency = upperFrequency;
    return record;
}

InductorRecord Inductor(const std::string& partNumber, const std::string& inductance,
                        const std::string& current, float selfResonance) {
    InductorRecord record;
    record.PartNumber = partNumber;
    record.SizeCode = {"0402", "1005"};
    record.Inductance = inductance;
    record.RatedCurrent = current;
    record.L0 = static_cast<float>(shared::testing::PointNumber(inductance));
    record.L0Exponent = -0.01F;
    record.RsCoef = 400.0F;
    record.RsExponent = 0.6F;
    record.Cp = 0.08F;
    record.L1 = 0.5F;
    record.R1 = 2.0F;
    record.R0 = 0.15F;
    record.SelfResonance = selfResonance;
    record.UpperFrequency = 6e9F;
    return record;
}

}  // namespace

Library SelectionTestLibrary() {
    Library library;
    library.CapacitorTable = {
        Capacitor(kClass3, "PNE185R71C104", "X7R", "B", "100000", "16", 2, 6e9F),
        Capacitor(kTwinB, "KTA155R71A104K99", "X7R", "B", "100000", "10", 2, 8.5e9F),
        Capacitor(kClass5A, kClass5AJis, "X7R", "B", "100000", "6.3", 2, 8.5e9F),
        Capacitor(kClass2, "KTN1855C1H101", " C0G", "CH ", "100", "50", 1, 20e9F),
        Capacitor("", kJisOnly, "X7R", "B", "10000", "16", 2, 8.5e9F),
        Capacitor(kTwinA, "KTA155R71A104", "X7R", "B", "100000", "10", 2, 8.5e9F),
        Capacitor(kOddTcc, "KTA155R61A105", "X9Z", "Q", "1000000", "10", 2, 8.5e9F),
        Capacitor(kNoClass, "KTW155R71A105", "X7R", "B", "1000000", "10", 2, 6e9F),
    };
    library.CapacitorTable.back().SizeCode = {"0201", "0603"};
    library.InductorTable = {
        Inductor(kInductorA, "10", "300", 5.6e9F),
        Inductor(kInductorNoSrf, "22", "200", 0.0F),
        Inductor(kInductorB, "10", "300", 5.2e9F),
    };
    for (std::size_t u = 0; u < library.InductorTable.size(); ++u) {
        library.InductorPartIndex.Add(library.InductorTable[u].PartNumber, static_cast<std::int32_t>(u));
    }
    return library;
}

void FakeSelectionHost::ChooseCandidate(std::vector<std::int32_t>& candidates) {
    offered.push_back(candidates);
    if (preferred && std::find(candidates.begin(), candidates.end(), *preferred) != candidates.end()) {
        candidates = {*preferred};
        return;
    }
    if (choice && *choice < candidates.size()) {
        candidates = {candidates[*choice]};
    }
}

}  // namespace pelmo::testing
