#ifndef DARVO_ENGINE_CAPACITANCE_MODEL_H
#define DARVO_ENGINE_CAPACITANCE_MODEL_H

#include "darvo/library/product_record.h"

#include "shared/parts/code_system.h"

#include <string_view>

namespace darvo {

// The capacitance model classes: the peaked model of the high-permittivity
// characteristics, and the polynomials of the stable ones. 0 stands for a characteristic
// of neither list, which has no model (a data error the caller reports).
inline constexpr int kNoCapacitanceClass = 0;
inline constexpr int kPeakedClass = 1;
inline constexpr int kPolynomialClass = 2;

// The message shown when a part's characteristic has no temperature range or no model;
// the request is refused and the program keeps running.
inline constexpr const char* kTempRangeErrorText = "Get Temp. Ranger Error!";

// The model class of a part in a notation: polynomial when the part's flag says so,
// otherwise by its characteristic's exact name in that notation.
int GetCapacitanceClass(const ProductRecord& part, shared::CodeSystem codeSystem);

// The rated temperature range [C] of a characteristic by its exact name. Returns false
// for a name the table does not hold and leaves both limits untouched.
bool GetTempRange(std::string_view characteristic, int& tmin, int& tmax) noexcept;

// The capacitance of one part against temperature, DC and AC voltage, and the change a
// chart shows in a notation. In JIS notation the change is re-expressed relative to the
// capacitance at 20 C and 0 V, while the capacitance itself stays the physical one.
class CapacitanceModel {
public:
    CapacitanceModel(const ProductRecord& part, int modelClass, shared::CodeSystem codeSystem);
    // The model keeps a reference to the part: a temporary would be gone before use.
    CapacitanceModel(ProductRecord&& part, int modelClass, shared::CodeSystem codeSystem) = delete;

    int ModelClass() const noexcept { return class_; }
    bool IsJis() const noexcept { return codeSystem_ == shared::Jis; }

    // Change in % at DC voltage v.
    double Pdc(double v) const noexcept;
    // Change in % at temperature offset x = T - 25.
    double PT(double x) const noexcept;
    // Change in % at AC voltage u.
    double Pac(double u) const noexcept;
    // Change in % at temperature t and DC voltage v against CapacitanceBasis, given the
    // DC change pdc = Pdc(v) and, for the polynomial class, the temperature change
    // pt = PT(t - 25) (both evaluated once per curve by the series).
    double Change(double t, double v, double pdc, double pt) const noexcept;
    // The capacitance [pF] of a change in %.
    double Capacitance(double change) const noexcept;
    // The change a chart shows: the change itself in EIA notation, relative to C20 in JIS.
    double ShownChange(double change) const noexcept;
    // The capacitance at 20 C and 0 V, the JIS reference.
    double C20() const noexcept;
    // The JIS reference of the AC chart, whose polynomial form adds a thousandth of the
    // change at 20 C (the maker's formula, kept as it is).
    double C20Ac() const noexcept;

private:
    double K(std::size_t i) const noexcept { return static_cast<double>(part_.CapModel[i]); }

    const ProductRecord& part_;
    int class_;
    shared::CodeSystem codeSystem_;
};

}  // namespace darvo

#endif
