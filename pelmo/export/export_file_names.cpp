#include "pelmo/export/export_file_names.h"

namespace pelmo {

namespace {

std::string ConditionsInBrackets(const ExportSubject& subject) {
    return "(" + subject.TemperatureText + "," + subject.BiasText + ")";
}

}  // namespace

std::string TouchstoneFileName(const ExportSubject& subject) {
    if (subject.Product == ProductKind::Inductor) {
        return subject.PartNumber + ".s2p";
    }
    std::string name = subject.PartNumber + (subject.Connection == CircuitMode::Shunt ? "shunt" : "series");
    if (subject.ConditionDependent) {
        name += ConditionsInBrackets(subject);
    }
    return name + ".s2p";
}

std::string ImpedanceFileName(const ExportSubject& subject) {
    if (subject.Product == ProductKind::Capacitor && subject.ConditionDependent) {
        return subject.PartNumber + ConditionsInBrackets(subject) + ".txt";
    }
    return subject.PartNumber + ".txt";
}

std::string SpiceFileName(const ExportSubject& subject) {
    return subject.PartNumber + ".cir";
}

}  // namespace pelmo
