// The count a text spells, read the long way, for the tests that drive the start dialog.
#pragma once

#include <algorithm>
#include <optional>
#include <string>

namespace test_support {

// ASCII digits only, leading zeros allowed, a value from 1 to 31999.
inline std::optional<long> count_of(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const std::string digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    if (digits.size() > 9) return std::nullopt;
    const long value = digits.empty() ? 0 : std::stol(digits);
    if (value < 1 || value > 31999) return std::nullopt;
    return value;
}

}  // namespace test_support
