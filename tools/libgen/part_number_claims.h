#ifndef TOOLS_LIBGEN_PART_NUMBER_CLAIMS_H
#define TOOLS_LIBGEN_PART_NUMBER_CLAIMS_H

#include <array>
#include <cstddef>
#include <set>
#include <string>

namespace pelmo::libgen {

// The part numbers a generator has given out, one set per notation. Both programs index
// their parts by number, so a catalogue row repeating a number must not add a second
// part; the factories drop such a part whole rather than keep half of its names.
class PartNumberClaims {
public:
    // Claims the numbers of one part, one per notation (an empty one claims nothing);
    // false, and nothing claimed, when either is taken already. The caller folds the
    // numbers first when the comparison ignores letter case.
    bool Claim(const std::array<std::string, 2>& numbers) {
        for (std::size_t notation = 0; notation < numbers.size(); ++notation) {
            if (!numbers[notation].empty() && taken_[notation].count(numbers[notation]) != 0) {
                return false;
            }
        }
        for (std::size_t notation = 0; notation < numbers.size(); ++notation) {
            if (!numbers[notation].empty()) {
                taken_[notation].insert(numbers[notation]);
            }
        }
        return true;
    }

private:
    std::array<std::set<std::string>, 2> taken_;
};

}  // namespace pelmo::libgen

#endif
