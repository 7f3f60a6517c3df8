#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace varo {

// A whole number from text the usual way: optional leading blanks, an optional sign and
// decimal digits, nothing after them, within 32 bits. Anything else is no number.
std::optional<std::int32_t> parseInteger(std::string_view text);

}  // namespace varo
