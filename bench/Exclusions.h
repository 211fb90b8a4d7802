#ifndef KORRIN_BENCH_EXCLUSIONS_H
#define KORRIN_BENCH_EXCLUSIONS_H

#include <cstddef>
#include <vector>

// A source left out of one configuration's build.
struct Exclusion {
    std::size_t source;
    std::size_t configuration;
};

// count distinct pairs spread at random over the sources and
// configurations, in the order Code Composer lists them (by source, then
// by configuration). count is at most sources * configurations.
std::vector<Exclusion> chooseExclusions(std::size_t sources, std::size_t configurations, std::size_t count);

#endif
