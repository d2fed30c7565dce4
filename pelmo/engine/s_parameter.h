#ifndef PELMO_ENGINE_S_PARAMETER_H
#define PELMO_ENGINE_S_PARAMETER_H

#include <optional>
#include <string_view>

namespace pelmo {

// The S-parameter a chart plots: reflection (S11) or transmission (S21); None for the
// chart kinds that plot no S-parameter.
enum class SParameter { None, S11, S21 };

// "", "S11", "S21": what captions, legends and printed tables show.
std::string_view SParameterName(SParameter parameter) noexcept;
// The parameter of a name as SParameterName writes it; none for any other text.
std::optional<SParameter> SParameterFromName(std::string_view name) noexcept;

}  // namespace pelmo

#endif
