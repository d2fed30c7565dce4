#ifndef PELMO_CLI_CLI_PART_H
#define PELMO_CLI_CLI_PART_H

#include "pelmo/export/export_subject.h"

#include "shared/parts/code_system.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmo {

struct CapacitorRecord;
struct InductorRecord;
struct Library;

// A part named on the command line, found in the library. The command line has no
// product buttons, so a part number is looked up among the capacitors of the notation
// first and then among the inductors; part numbers of the two kinds never coincide
// (inductors start with "PW").
struct CliPart {
    ProductKind Kind = ProductKind::Capacitor;
    std::int32_t Index = 0;  // into the table of its kind
    // The part number as the library writes it, whatever letter case was typed: every
    // position test (class, series, size) reads the library's spelling.
    std::string PartNumber;
    const CapacitorRecord* Capacitor = nullptr;  // set for capacitors
    const InductorRecord* Inductor = nullptr;    // set for inductors
    int RangeClass = 0;                          // 0 when no class rule holds
    float UpperFrequency = 0.0F;                 // [Hz]
};

// The part typed (leading and trailing blanks removed, as a chart request trims the
// box), or nothing when neither lookup holds it.
std::optional<CliPart> FindCliPart(const Library& library, std::string_view typed,
                                   shared::CodeSystem codeSystem);

// The part numbers a list box of the kind holds, in table order: the capacitors that
// have a part number in the notation (the table in that notation's catalogue order), or
// every inductor in file order.
std::vector<std::string> PartNumbersOf(const Library& library, ProductKind kind,
                                       shared::CodeSystem codeSystem);

}  // namespace pelmo

#endif
