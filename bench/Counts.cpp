#include "Counts.h"

#include <limits>

std::optional<std::size_t> parseCount(const std::string& text) {
    const std::size_t largest = std::numeric_limits<std::size_t>::max();
    if (text.empty())
        return std::nullopt;
    std::size_t count = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        std::size_t digit = static_cast<std::size_t>(c - '0');
        if (count > (largest - digit) / 10)
            return std::nullopt;
        count = count * 10 + digit;
    }
    return count;
}
