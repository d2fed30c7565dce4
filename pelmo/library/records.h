#ifndef PELMO_LIBRARY_RECORDS_H
#define PELMO_LIBRARY_RECORDS_H

#include "shared/parts/code_system.h"
#include "shared/parts/key_collection.h"
#include "shared/parts/part_index.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pelmo {

// A text held in both notations, indexed by shared::CodeSystem (0 EIA, 1 JIS).
using NotationTexts = std::array<std::string, 2>;

// One capacitor of the library: the index fields from cap.idx and the equivalent-circuit
// model from cap.dat. The field names are the library's own so that the model code reads
// like its formulas. The number texts (RatedVoltage, NominalCapacitance, SizeSheet) are
// shown as they stand, so the loader gives them the locale's decimal separator; parse
// them with the current separator, never with a fixed ".".
//
// The polynomial coefficient arrays are indexed by the power of their term, as the model
// formulas name them (BiasCoef[6] is the V^6 coefficient); element 0 has no term and
// stays 0 so that a loop over the powers 1..n never needs an offset.
struct CapacitorRecord {
    NotationTexts PartNumber;        // cap.idx 1, 2; empty when the part has no such name
    std::string UseText;             // cap.idx 3, shown under the part number
    NotationTexts SizeCode;          // cap.idx 4, 5; first filter list
    NotationTexts TempChar;          // cap.idx 6, 7; second filter list
    std::string RatedVoltage;        // cap.idx 9 [V], number text
    std::string NominalCapacitance;  // cap.idx 8 [pF], number text

    // Main branch.
    float C1 = 0.0F;  // [pF]
    float L1 = 0.0F;  // [nH]
    float Ra = 0.0F;  // coefficient of the 1/f resistance term [ohm]
    float Rb = 0.0F;  // constant resistance [ohm]
    float Rc = 0.0F;  // coefficient of the f^n resistance term [ohm]
    // Second branch.
    float C2 = 0.0F;  // [pF]
    float L2 = 0.0F;  // [nH]
    float R2 = 0.0F;  // [ohm]
    // Third branch.
    float C3 = 0.0F;  // [pF]
    float L3 = 0.0F;  // [nH]
    float R3 = 0.0F;  // [ohm]

    // 1 fixed, 2 polynomial, 4 peaked. 16 bits in the file; widened so the model code
    // compares it without promotions.
    std::int32_t ModelType = 0;
    float UpperFrequency = 0.0F;  // highest frequency of the part's data [Hz]
    float RcExponent = 0.0F;      // n of the f^n resistance term

    std::array<float, 7> BiasCoef{};  // [1..6]: DC-bias polynomial, V^k [% of C]
    std::array<float, 7> TempCoef{};  // [1..6]: temperature polynomial, dT^k [% of C]
    std::array<float, 4> ResTempB{};  // [1..3]: temperature polynomial of Rb and Rc [%]
    std::array<float, 4> ResTempA{};  // [1..3]: temperature polynomial of Ra [%]

    float ChipShape = 0.0F;                 // cap.idx 10: outline type 1, 2, 3, 5 or 6
    std::array<std::string, 20> SizeSheet;  // cap.idx 11..30: chip size sheet texts

    // Peaked capacitance model.
    float PeakAmplitude = 0.0F;  // A0 [%]
    float PeakOffset = 0.0F;     // B [%]
    float PeakTempV2 = 0.0F;     // peak temperature coefficient of V^2
    float PeakTempV1 = 0.0F;     // peak temperature coefficient of V
    float PeakTemp0 = 0.0F;      // peak temperature at 0 V [C]
    float SharpBelowV2 = 0.0F;   // sharpness below the peak: V^2, V, 1
    float SharpBelowV1 = 0.0F;
    float SharpBelow0 = 0.0F;
    float SharpAboveV2 = 0.0F;  // sharpness at and above the peak: V^2, V, 1
    float SharpAboveV1 = 0.0F;
    float SharpAbove0 = 0.0F;
    float ExpBelow = 0.0F;  // exponent below the peak
    float ExpAbove = 0.0F;  // exponent at and above the peak
};

// One inductor of the library: the index fields from ind.idx and the model from ind.dat.
struct InductorRecord {
    std::string PartNumber;  // ind.idx 1, the same in both notations
    NotationTexts SizeCode;  // ind.idx 2, 3; first filter list
    // Number texts in the locale's separator, like the capacitor's.
    std::string Inductance;    // ind.idx 4 [nH]; second filter list
    std::string RatedCurrent;  // ind.idx 5 [mA]; third filter list

    float L0 = 0.0F;              // series inductance at 10 MHz [nH]
    float L0Exponent = 0.0F;      // frequency exponent of L0
    float RsCoef = 0.0F;          // frequency-dependent resistance at 100 MHz [ohm]
    float RsExponent = 0.0F;      // frequency exponent of that resistance
    float Cp = 0.0F;              // parallel capacitance [pF]
    float L1 = 0.0F;              // inductance of the loss branch [nH]
    float R1 = 0.0F;              // resistance of the loss branch [ohm]
    float R0 = 0.0F;              // series resistance [ohm]
    float SelfResonance = 0.0F;   // [Hz]
    float UpperFrequency = 0.0F;  // highest frequency of the part's data [Hz]

    std::array<std::string, 5> SizeSheet;  // ind.idx 6..10: chip dimensions, number texts
};

// The whole library, filled once at start and afterwards only reordered (the capacitor
// table, when the notation changes). The counts are the table sizes; the loader refuses
// more than 32767 records of a kind, so every index fits the 16-bit counters the windows
// keep.
struct Library {
    std::vector<CapacitorRecord> CapacitorTable;
    std::vector<InductorRecord> InductorTable;  // file order for the whole run
    // Inductor part number (any letter case) -> index into InductorTable.
    shared::KeyCollection InductorPartIndex;
    // Capacitor part number per notation -> index into CapacitorTable; built by the
    // sort, since the sort moves the records.
    shared::PartIndex PartIndex;
};

}  // namespace pelmo

#endif
