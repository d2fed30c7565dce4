#ifndef TESTS_DARVO_SELECTION_SELECTION_TEST_LIBRARY_H
#define TESTS_DARVO_SELECTION_SELECTION_TEST_LIBRARY_H

#include "darvo/library/derived_values.h"
#include "darvo/library/product_library.h"

#include <cmath>
#include <initializer_list>
#include <string>

namespace darvo::testing {

// The parts of the selection tests, by table index before the first sort. Every part has
// a heat model with closed forms (0.25 C per A^2 at 100 C/W) and a stable capacitance
// model, so every chart computes; the flags decide what is listed.
//
// In 0402 / X7R / 10 nF there are rated voltages 16 (twice: two tolerances, so the
// Select dialog), 10, 6.3 and 100; 100 pF at 50 V; a 0603 X5R part without
// capacitance-AC data; an EIA-only X7S part; and a part with no chart data at all.
struct TestPart {
    const char* eia;
    const char* jis;
    const char* size;  // EIA; JIS follows
    const char* eiaChar;
    const char* jisChar;
    std::initializer_list<int> charts;
};

inline constexpr const char* kPart100p = "KTA15XR71H101KA88";
inline constexpr const char* kPart16V = "KTA15XR71C103KA88";
inline constexpr const char* kPart16VOther = "KTA15XR71C103MA88";
inline constexpr const char* kPart10V = "KTA15XR71A103KA88";
inline constexpr const char* kPart6V3 = "KTA15XR70J103KA88";
inline constexpr const char* kPart100V = "KTA15XR72A103KA88";
inline constexpr const char* kPartNoAc = "KTA18XR61A105KA88";
inline constexpr const char* kPartEiaOnly = "KTA15XC70J225KA88";
inline constexpr const char* kPartNoCharts = "KTA15XR71H102KA88";
inline constexpr const char* kPart16VJis = "KTA15XB31C103KA88";

inline ProductLibrary SelectionTestLibrary() {
    static const TestPart kParts[] = {
        {kPart100V, "KTA15XB32A103KA88", "0402", "X7R", "B", {0, 1, 2, 3, 4}},
        {kPart16V, kPart16VJis, "0402", "X7R", "B", {0, 1, 2, 3, 4}},
        {kPartNoAc, "KTA18XB11A105KA88", "0603", "X5R", "B", {0, 1, 2, 3}},
        {kPart6V3, "KTA15XB30J103KA88", "0402", "X7R", "B", {0, 1, 2, 3, 4}},
        {kPart100p, "KTA15XB31H101KA88", "0402", "X7R", "B", {0, 1, 2, 3, 4}},
        {kPartEiaOnly, "", "0402", "X7S", "", {0, 1, 2, 3, 4}},
        {kPart10V, "KTA15XB31A103KA88", "0402", "X7R", "B", {0, 1, 2, 3, 4}},
        {kPart16VOther, "KTA15XB31C103MA88", "0402", "X7R", "B", {0, 1, 2, 3, 4}},
        {kPartNoCharts, "KTA15XB31H102KA88", "0402", "X7R", "B", {}},
    };
    ProductLibrary library;
    for (const TestPart& spec : kParts) {
        ProductRecord part;
        part.PartNumber = {spec.eia, spec.jis};
        const std::string size = spec.size;
        part.SizeCode = {size, size == "0402" ? "1005" : "1608"};
        part.TempChar = {spec.eiaChar, spec.jisChar};
        part.HeatModel[1] = 4.0F;
        part.HeatModel[3] = 100.0F;
        part.HeatModel[18] = static_cast<float>(std::log10(0.5));
        part.HeatModel[36] = 2.0F;
        part.HeatModel[37] = 125.0F;
        part.CapModel[5] = -1.0F;
        part.CapModel[11] = 0.1F;
        part.CapModel[28] = 5.0F;
        part.CapModel[29] = 1.0F;
        part.CapModel[30] = 2.0F;
        DeriveProductValues(part, shared::Eia, '.');
        part.ChartAvailable = {};
        for (const int chart : spec.charts) {
            part.ChartAvailable[static_cast<std::size_t>(chart)] = true;
        }
        library.ProductTable.push_back(part);
    }
    // As the program starts: sorted in EIA order, with both lookups.
    if (!SortProducts(library, shared::Eia, '.')) {
        library.ProductTable.clear();
    }
    return library;
}

}  // namespace darvo::testing

#endif
