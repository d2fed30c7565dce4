#ifndef TOOLS_LIBGEN_INDUCTOR_FACTORY_H
#define TOOLS_LIBGEN_INDUCTOR_FACTORY_H

#include "pelmo/library/records.h"

#include <string>
#include <vector>

namespace pelmo::libgen {

class SplitMix64;

// The chip inductors of the sample library: wire-wound 0402 and 0603, multilayer 0201,
// 0402 and 0603, and the thin-film PWT15DZ series, each over its range of preferred
// inductances with Q, DCR, current and self-resonance interpolated between published
// anchor parts.
class InductorFactory {
public:
    explicit InductorFactory(SplitMix64& random) : random_(random) {}

    std::vector<InductorRecord> BuildCatalogue();

    // The three-character inductance code: "1N5" below 10 nH, "27N" below 100 nH,
    // "R10" (tenths of a microhenry) above.
    static std::string InductanceCode(double nanohenries);

private:
    SplitMix64& random_;
};

// The frequency where the inductor model's reactance crosses zero between low and
// high [Hz], by bisection of the model formulas; 0 when it does not cross there.
double InductorModelResonance(const InductorRecord& record, double low, double high);

}  // namespace pelmo::libgen

#endif
