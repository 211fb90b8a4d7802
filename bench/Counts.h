#ifndef KORRIN_BENCH_COUNTS_H
#define KORRIN_BENCH_COUNTS_H

#include <cstddef>
#include <optional>
#include <string>

// A count given on a command line, in decimal digits only; nothing when the
// text is not one or the count does not fit.
std::optional<std::size_t> parseCount(const std::string& text);

#endif
